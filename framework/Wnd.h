#pragma once

#include "CmdTarget.h"
#include "WindowSystem.h"

#include <exception>
#include <string>

class CDC;

// Creation parameters a window class may adjust before its window is made.
struct CREATESTRUCT {
    unsigned style = 0;
    unsigned dwExStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string lpszName;
};

// The window system the framework's windows are made with; set once at start-up.
void AfxSetWindowSystem(IWindowSystem* pWindowSystem);
IWindowSystem& AfxGetWindowSystem();

// A framework object wrapping one native window made by the window system.
class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    virtual bool PreCreateWindow(CREATESTRUCT& cs);

    void SetWindowText(const std::string& text);
    const std::string& GetWindowText() const { return m_strWindowText; }
    bool ShowWindow(int nCmdShow);
    bool IsWindowVisible() const;
    void UpdateWindow();
    void Invalidate();
    void BringWindowToTop();
    void EnableWindow(bool bEnable);

    // Destroys the native window; then PostNcDestroy runs, where frames and views delete
    // their own objects.
    virtual bool DestroyWindow();

    // Called by the window system.
    // A command from a menu item, an accelerator or a button: routed unless its update
    // handler has disabled it. Errors that arise are reported here, in a message box.
    virtual bool OnCommand(unsigned nID);
    virtual void OnPaint(CDC* pDC);
    virtual void OnClose();

protected:
    virtual void PostNcDestroy() {}
    // Reports an error that reached a command: a file error with its text, lack of memory,
    // or the command's failure.
    void ReportCommandError(std::exception_ptr error);

private:
    std::string m_strWindowText;
};
