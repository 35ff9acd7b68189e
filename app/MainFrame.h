#pragma once

#include "FrameWnd.h"

// The main window: the framework's frame with no toolbar and no status bar; the plot is its
// only content.
class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    bool PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CMainFrame() = default;

    DECLARE_MESSAGE_MAP()
};
