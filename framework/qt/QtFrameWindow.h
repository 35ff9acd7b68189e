#pragma once

#include "QtMenuBar.h"
#include "WindowHandle.h"
#include "WindowSystem.h"

#include <QMainWindow>

#include <memory>

// A frame window: the menu bar from the framework's menu, the accelerators, the title and
// the icon; no toolbar and no status bar; the view fills the client area. The close box asks
// the framework, which destroys the window when it agrees.
class CQtFrameWindow : public QMainWindow, public WindowHandle {
public:
    CQtFrameWindow(CWnd* pOwner, const IWindowSystem::FrameParams& params);
    ~CQtFrameWindow() override;

    QWidget* Widget() override { return this; }

    // The title exactly as given: Qt would take a "[*]" in it for its modified-mark.
    void SetTitle(const std::string& title);
    // Puts the view in the client area and sizes the window to show all of it.
    void SetView(QWidget* pView);
    void RebuildMenu();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CQtMenuBar> m_pMenuBar;
    bool m_bClientEdge = false;
};
