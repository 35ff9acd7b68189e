#pragma once

#include "WindowHandle.h"

#include <QSize>
#include <QWidget>

// The client area of a frame: erased with the window colour, then painted by the framework
// window through a device context with the old rules.
class CQtViewWidget : public QWidget, public WindowHandle {
public:
    // Large enough for the whole plot with its labels.
    static constexpr QSize kPreferredSize{720, 360};

    CQtViewWidget(CWnd* pOwner, QWidget* pParent);

    QWidget* Widget() override { return this; }
    QSize sizeHint() const override { return kPreferredSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
