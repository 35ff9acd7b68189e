#include "QtPaintDC.h"

#include "Font.h"
#include "QtLineRaster.h"

#include <QFontMetrics>
#include <QList>

namespace {

// The font a fresh device context holds before anything is selected.
QtCellFont DefaultFont()
{
    QtCellFont cellFont;
    cellFont.font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(cellFont.font);
    cellFont.cellHeight = metrics.ascent() + metrics.descent();
    cellFont.ascent = metrics.ascent();
    return cellFont;
}

}  // namespace

CQtPaintDC::CQtPaintDC(QPainter& painter, const QRect& area)
    : m_painter(painter), m_area(area), m_font(DefaultFont())
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
}

CFont* CQtPaintDC::SelectObject(CFont* pFont)
{
    if (pFont == nullptr || !pFont->IsCreated())
        return nullptr;
    CFont* pOld = m_pSelected;
    m_pSelected = pFont;
    m_font = CellFontFor(pFont->GetLogFont());
    return pOld;
}

bool CQtPaintDC::TextOut(int x, int y, const char* lpszString, int nCount)
{
    if (lpszString == nullptr || nCount < 0)
        return false;
    const QString text = QString::fromUtf8(lpszString, nCount);
    const QFontMetrics metrics(m_font.font);
    m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), m_font.cellHeight), Qt::white);
    m_painter.setFont(m_font.font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(x, y + m_font.ascent), text);
    return true;
}

void CQtPaintDC::MoveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

bool CQtPaintDC::LineTo(int x, int y)
{
    const QPoint end(x, y);
    QList<QRect> runs;
    AppendLineRuns(m_position, end, m_area, runs);
    if (!runs.isEmpty()) {
        m_painter.save();
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Qt::black);
        m_painter.drawRects(runs.constData(), static_cast<int>(runs.size()));
        m_painter.restore();
    }
    m_position = end;
    return true;
}
