#pragma once

#include <functional>
#include <string>
#include <vector>

class CDialog;
class CMenu;
class CWnd;
struct AcceleratorTable;
struct DialogTemplate;
struct IconGroup;

// A native window, as the window system hands it out. The framework only passes it back.
struct WindowHandle;
using HWND = WindowHandle*;

// What the framework asks of a window toolkit: make and show windows, ask the user, run the
// event loop. Framework objects hold the handles; the toolkit calls back into them for
// painting (CWnd::OnPaint), commands (CWnd::OnCommand), popups (CFrameWnd::OnInitMenuPopup)
// and the close box (CWnd::OnClose). The Qt backend implements it on screen; a fake records
// the calls for tests.
class IWindowSystem {
public:
    struct FrameParams {
        std::string title;
        CMenu* pMenu = nullptr;                          // owned by the frame
        const AcceleratorTable* pAccelerators = nullptr;
        const IconGroup* pIcon = nullptr;
        unsigned style = 0;
        unsigned exStyle = 0;
    };
    struct FileDialogParams {
        bool bOpen = true;                // open, or save
        std::string title;
        std::string filterName;           // "All files (*.*)"
        std::string filterPattern;        // "*.*": every name, also one without a dot
        std::string initialName;          // proposed name or path
        bool bPathMustExist = true;
        bool bFileMustExist = false;      // open: the chosen file must exist
        bool bPromptOverwrite = false;    // save: ask before an existing file is replaced
    };

    virtual ~IWindowSystem() = default;

    virtual HWND CreateFrameWindow(CWnd* pOwner, const FrameParams& params) = 0;
    // The view fills the frame's client area.
    virtual HWND CreateViewWindow(CWnd* pOwner, HWND hParent) = 0;
    virtual void DestroyWindow(HWND hWnd) = 0;

    virtual void SetWindowText(HWND hWnd, const std::string& text) = 0;
    // nCmdShow: SW_HIDE, SW_SHOW, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, ...
    virtual void ShowWindow(HWND hWnd, int nCmdShow) = 0;
    virtual bool IsWindowVisible(HWND hWnd) const = 0;
    // Paints what is invalid now rather than later.
    virtual void UpdateWindow(HWND hWnd) = 0;
    // Marks the whole client area for erasing and painting.
    virtual void InvalidateWindow(HWND hWnd) = 0;
    virtual void BringWindowToTop(HWND hWnd) = 0;
    virtual void EnableWindow(HWND hWnd, bool bEnable) = 0;
    // The menu's items or states changed outside a popup's update.
    virtual void MenuChanged(HWND hFrame) = 0;

    // Shows a modal dialog built from the template, owned by hOwner (disabled meanwhile, the
    // dialog centred over it), and returns the code given to EndModalDialog. The toolkit calls
    // CDialog::OnDialogCreated once the dialog exists and routes its buttons' ids to
    // CWnd::OnCommand; Esc and the close box come as IDCANCEL.
    virtual int RunModalDialog(CDialog* pDialog, const DialogTemplate& dialogTemplate, HWND hOwner) = 0;
    virtual void EndModalDialog(HWND hDialog, int nResult) = 0;

    // True with the chosen path, false when the user cancelled.
    virtual bool DoFileDialog(HWND hOwner, const FileDialogParams& params, std::string& path) = 0;
    // nType: MB_ buttons and icon flags; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(HWND hOwner, const std::string& text, const std::string& caption,
                           unsigned nType) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Runs until Quit; returns the code given to Quit.
    virtual int RunEventLoop() = 0;
    virtual void Quit(int nExitCode) = 0;
    // Calls onEnd from the event loop when the session ends (SIGTERM or SIGHUP here).
    virtual void WatchSessionEnd(std::function<void()> onEnd) = 0;
};
