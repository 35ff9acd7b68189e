#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The pixels of a line from one point up to, not including, another, as the old device
// context sets them: one pixel per step along the longer axis, the other coordinate rounded
// to the nearest pixel (halves away from the start). Only the part inside clip is walked, so
// a line whose ends lie far outside costs no more than one across the clip. The pixels are
// appended as one-pixel-thick runs.
void AppendLineRuns(QPoint from, QPoint to, const QRect& clip, QList<QRect>& runs);
