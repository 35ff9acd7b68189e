#include "QtViewWidget.h"

#include "QtPaintDC.h"
#include "Wnd.h"

#include <QPaintEvent>
#include <QPainter>

CQtViewWidget::CQtViewWidget(CWnd* pOwner, QWidget* pParent) : QWidget(pParent), WindowHandle(pOwner)
{
    // Every paint covers the whole invalid area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CQtViewWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    CWnd* pOwner = Owner();
    if (pOwner == nullptr)
        return;
    CQtPaintDC dc(painter, rect());
    // A failure while painting is dropped: the next paint tries again.
    try {
        pOwner->OnPaint(&dc);
    } catch (...) {
    }
}
