#pragma once

#include "DC.h"
#include "QtFontMapping.h"

#include <QPainter>
#include <QPoint>
#include <QRect>

// A device context over a QPainter with the old rules: lines and text in black with no
// antialiasing, LineTo leaving out its end pixel, text over an opaque white box exactly as
// big as its cell with the cell's top-left corner at the given point, one unit per
// device-independent pixel.
class CQtPaintDC : public CDC {
public:
    // area: the surface's extent in units; nothing outside it is drawn.
    CQtPaintDC(QPainter& painter, const QRect& area);

    CFont* SelectObject(CFont* pFont) override;
    bool TextOut(int x, int y, const char* lpszString, int nCount) override;
    void MoveTo(int x, int y) override;
    bool LineTo(int x, int y) override;

    // The font TextOut draws with now.
    const QtCellFont& CurrentFont() const { return m_font; }

private:
    QPainter& m_painter;
    QRect m_area;
    QPoint m_position;
    CFont* m_pSelected = nullptr;
    QtCellFont m_font;
};
