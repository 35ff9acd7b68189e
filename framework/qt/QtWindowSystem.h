#pragma once

#include "WindowSystem.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class QApplication;
class CQtSessionWatcher;

// The window system on Qt 6 widgets: frames with their menus and accelerators, views painted
// through a device context with the old rules, dialogs from templates, Qt's own file dialog,
// message boxes, the wait cursor and the event loop.
class CQtWindowSystem : public IWindowSystem {
public:
    // Makes the application object unless one exists; it may take Qt's own options (such as
    // -platform) out of argc and argv, which must outlive the window system.
    CQtWindowSystem(int& argc, char** argv);
    ~CQtWindowSystem() override;
    CQtWindowSystem(const CQtWindowSystem&) = delete;
    CQtWindowSystem& operator=(const CQtWindowSystem&) = delete;

    HWND CreateFrameWindow(CWnd* pOwner, const FrameParams& params) override;
    HWND CreateViewWindow(CWnd* pOwner, HWND hParent) override;
    void DestroyWindow(HWND hWnd) override;

    void SetWindowText(HWND hWnd, const std::string& text) override;
    void ShowWindow(HWND hWnd, int nCmdShow) override;
    bool IsWindowVisible(HWND hWnd) const override;
    void UpdateWindow(HWND hWnd) override;
    void InvalidateWindow(HWND hWnd) override;
    void BringWindowToTop(HWND hWnd) override;
    void EnableWindow(HWND hWnd, bool bEnable) override;
    void MenuChanged(HWND hFrame) override;

    int RunModalDialog(CDialog* pDialog, const DialogTemplate& dialogTemplate, HWND hOwner) override;
    void EndModalDialog(HWND hDialog, int nResult) override;
    bool DoFileDialog(HWND hOwner, const FileDialogParams& params, std::string& path) override;
    int MessageBox(HWND hOwner, const std::string& text, const std::string& caption, unsigned nType) override;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    int RunEventLoop() override;
    void Quit(int nExitCode) override;
    void WatchSessionEnd(std::function<void()> onEnd) override;

    // The widget that shows a window, for tests that look at it.
    static QWidget* WidgetOf(HWND hWnd);

private:
    std::unique_ptr<QApplication> m_pApplication;
    std::unique_ptr<CQtSessionWatcher> m_pSessionWatcher;
    QList<QPointer<QWidget>> m_windows;  // top-level windows made here, gone at the latest with us
    bool m_bQuitAsked = false;
    int m_nExitCode = 0;
};
