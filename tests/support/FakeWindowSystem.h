#pragma once

#include "WindowSystem.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWnd;

// A window system that makes no windows: it keeps what the framework asked for, answers
// dialogs from queues the test fills, and lets the test act as the user (choose a menu item,
// press a key, close a window).
class FakeWindowSystem : public IWindowSystem {
public:
    struct Window {
        CWnd* pOwner = nullptr;
        HWND hParent = nullptr;
        bool bFrame = false;
        bool bVisible = false;
        bool bEnabled = true;
        int nLastShow = -1;
        std::string title;
        FrameParams params;
        int nInvalidations = 0;
        int nUpdates = 0;
    };
    struct MessageBoxCall {
        std::string text;
        std::string caption;
        unsigned nType;
    };
    struct DialogCall {
        std::string title;
        FileDialogParams params;
    };
    struct ModalCall {
        const DialogTemplate* pTemplate;
        HWND hOwner;
        bool bOwnerDisabledWhileShown;
    };

    FakeWindowSystem();
    ~FakeWindowSystem() override;

    // IWindowSystem
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
    void MenuChanged(HWND) override {}
    int RunModalDialog(CDialog* pDialog, const DialogTemplate& dialogTemplate, HWND hOwner) override;
    void EndModalDialog(HWND hDialog, int nResult) override;
    bool DoFileDialog(HWND hOwner, const FileDialogParams& params, std::string& path) override;
    int MessageBox(HWND hOwner, const std::string& text, const std::string& caption, unsigned nType) override;
    void BeginWaitCursor() override { ++m_nWaitDepth; ++m_nWaitCursors; }
    void EndWaitCursor() override { --m_nWaitDepth; }
    int RunEventLoop() override;
    void Quit(int nExitCode) override;
    void WatchSessionEnd(std::function<void()> onEnd) override { m_onSessionEnd = std::move(onEnd); }

    // What the user answers next: a path for a file dialog (nullopt: Cancel), a button for a
    // message box, a button id pressed in a modal dialog.
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::deque<int> m_messageBoxAnswers;
    std::deque<int> m_dialogButtons;
    // What the event loop does once it runs: the test's own steps.
    std::function<void()> m_loopScript;

    std::vector<MessageBoxCall> m_messageBoxes;
    std::vector<DialogCall> m_fileDialogs;
    std::vector<ModalCall> m_modalDialogs;
    int m_nWaitCursors = 0;
    int m_nWaitDepth = 0;
    bool m_bQuit = false;
    int m_nExitCode = -1;

    // The framework's windows as they stand.
    const Window* Find(HWND hWnd) const;
    const Window* MainFrame() const;  // the one frame window that exists, or null
    std::size_t WindowCount() const { return m_windows.size(); }

    // Acting as the user on the frame: open a popup (its states are updated), pick an item,
    // press an accelerator (command id as the table maps it), close the window.
    void OpenPopup(int nPopupIndex);
    bool ChooseMenuItem(int nPopupIndex, unsigned nID);
    void PressAccelerator(unsigned nID);
    void ClickClose();
    void EndSession() { if (m_onSessionEnd) m_onSessionEnd(); }

private:
    Window* Get(HWND hWnd);
    CWnd* MainFrameOwner() const;

    std::map<HWND, std::unique_ptr<Window>> m_windows;
    std::function<void()> m_onSessionEnd;
    struct ModalState {
        HWND hDialog;
        std::optional<int> nResult;
    };
    std::vector<ModalState> m_modalStack;
};
