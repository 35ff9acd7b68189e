#pragma once

#include <QImage>
#include <QSize>

#include <string>

class CWnd;

// The picture a window shows, without a screen: a white image of the given size painted by
// the window's own OnPaint through the same device context as on screen.
QImage RenderWindowImage(CWnd& window, QSize size);
// The same picture as a PNG file; false when it cannot be written.
bool ExportWindowPng(CWnd& window, QSize size, const std::string& path);
