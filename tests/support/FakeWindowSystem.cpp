#include "FakeWindowSystem.h"

#include "Dialog.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "WinConstants.h"

FakeWindowSystem::FakeWindowSystem()
{
    AfxSetWindowSystem(this);
}

FakeWindowSystem::~FakeWindowSystem()
{
    AfxSetWindowSystem(nullptr);
}

FakeWindowSystem::Window* FakeWindowSystem::Get(HWND hWnd)
{
    auto it = m_windows.find(hWnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

const FakeWindowSystem::Window* FakeWindowSystem::Find(HWND hWnd) const
{
    auto it = m_windows.find(hWnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

const FakeWindowSystem::Window* FakeWindowSystem::MainFrame() const
{
    for (const auto& [handle, pWindow] : m_windows) {
        if (pWindow->bFrame)
            return pWindow.get();
    }
    return nullptr;
}

CWnd* FakeWindowSystem::MainFrameOwner() const
{
    const Window* pFrame = MainFrame();
    return pFrame != nullptr ? pFrame->pOwner : nullptr;
}

HWND FakeWindowSystem::CreateFrameWindow(CWnd* pOwner, const FrameParams& params)
{
    auto pWindow = std::make_unique<Window>();
    pWindow->pOwner = pOwner;
    pWindow->bFrame = true;
    pWindow->title = params.title;
    pWindow->params = params;
    auto* hWnd = reinterpret_cast<HWND>(pWindow.get());
    m_windows[hWnd] = std::move(pWindow);
    return hWnd;
}

HWND FakeWindowSystem::CreateViewWindow(CWnd* pOwner, HWND hParent)
{
    auto pWindow = std::make_unique<Window>();
    pWindow->pOwner = pOwner;
    pWindow->hParent = hParent;
    pWindow->bVisible = true;
    auto* hWnd = reinterpret_cast<HWND>(pWindow.get());
    m_windows[hWnd] = std::move(pWindow);
    return hWnd;
}

void FakeWindowSystem::DestroyWindow(HWND hWnd)
{
    m_windows.erase(hWnd);
}

void FakeWindowSystem::SetWindowText(HWND hWnd, const std::string& text)
{
    if (Window* pWindow = Get(hWnd))
        pWindow->title = text;
}

void FakeWindowSystem::ShowWindow(HWND hWnd, int nCmdShow)
{
    if (Window* pWindow = Get(hWnd)) {
        pWindow->bVisible = nCmdShow != SW_HIDE;
        pWindow->nLastShow = nCmdShow;
    }
}

bool FakeWindowSystem::IsWindowVisible(HWND hWnd) const
{
    const Window* pWindow = Find(hWnd);
    return pWindow != nullptr && pWindow->bVisible;
}

void FakeWindowSystem::UpdateWindow(HWND hWnd)
{
    if (Window* pWindow = Get(hWnd))
        ++pWindow->nUpdates;
}

void FakeWindowSystem::InvalidateWindow(HWND hWnd)
{
    if (Window* pWindow = Get(hWnd))
        ++pWindow->nInvalidations;
}

void FakeWindowSystem::BringWindowToTop(HWND)
{
}

void FakeWindowSystem::EnableWindow(HWND hWnd, bool bEnable)
{
    if (Window* pWindow = Get(hWnd))
        pWindow->bEnabled = bEnable;
}

int FakeWindowSystem::RunModalDialog(CDialog* pDialog, const DialogTemplate& dialogTemplate, HWND hOwner)
{
    auto pWindow = std::make_unique<Window>();
    pWindow->pOwner = pDialog;
    pWindow->bVisible = true;
    auto* hDialog = reinterpret_cast<HWND>(pWindow.get());
    m_windows[hDialog] = std::move(pWindow);

    EnableWindow(hOwner, false);
    m_modalStack.push_back({hDialog, std::nullopt});
    pDialog->OnDialogCreated(hDialog);
    const Window* pOwnerWindow = Find(hOwner);
    m_modalDialogs.push_back({&dialogTemplate, hOwner, pOwnerWindow != nullptr && !pOwnerWindow->bEnabled});
    // The user presses buttons until one of them ends the dialog; with none queued, Esc.
    while (!m_modalStack.back().nResult) {
        const int nButton = m_dialogButtons.empty() ? IDCANCEL : m_dialogButtons.front();
        if (!m_dialogButtons.empty())
            m_dialogButtons.pop_front();
        pDialog->OnCommand(static_cast<unsigned>(nButton));
    }
    const int nResult = *m_modalStack.back().nResult;
    m_modalStack.pop_back();
    EnableWindow(hOwner, true);
    m_windows.erase(hDialog);
    return nResult;
}

void FakeWindowSystem::EndModalDialog(HWND hDialog, int nResult)
{
    for (ModalState& state : m_modalStack) {
        if (state.hDialog == hDialog)
            state.nResult = nResult;
    }
}

bool FakeWindowSystem::DoFileDialog(HWND, const FileDialogParams& params, std::string& path)
{
    m_fileDialogs.push_back({params.title, params});
    if (m_fileAnswers.empty())
        return false;
    std::optional<std::string> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (!answer)
        return false;
    path = *answer;
    return true;
}

int FakeWindowSystem::MessageBox(HWND, const std::string& text, const std::string& caption, unsigned nType)
{
    m_messageBoxes.push_back({text, caption, nType});
    if (m_messageBoxAnswers.empty())
        return (nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    const int nAnswer = m_messageBoxAnswers.front();
    m_messageBoxAnswers.pop_front();
    return nAnswer;
}

int FakeWindowSystem::RunEventLoop()
{
    m_bQuit = false;
    if (m_loopScript)
        m_loopScript();
    // A loop that the script left running ends as the user closing the window.
    if (!m_bQuit)
        ClickClose();
    return m_nExitCode;
}

void FakeWindowSystem::Quit(int nExitCode)
{
    m_bQuit = true;
    m_nExitCode = nExitCode;
}

void FakeWindowSystem::OpenPopup(int nPopupIndex)
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(MainFrameOwner());
    if (pFrame == nullptr || pFrame->GetMenu() == nullptr)
        return;
    if (CMenu* pPopup = pFrame->GetMenu()->GetSubMenu(static_cast<unsigned>(nPopupIndex)))
        pFrame->OnInitMenuPopup(pPopup);
}

bool FakeWindowSystem::ChooseMenuItem(int nPopupIndex, unsigned nID)
{
    OpenPopup(nPopupIndex);
    auto* pFrame = dynamic_cast<CFrameWnd*>(MainFrameOwner());
    if (pFrame == nullptr)
        return false;
    CMenu* pPopup = pFrame->GetMenu()->GetSubMenu(static_cast<unsigned>(nPopupIndex));
    const int nPos = pPopup != nullptr ? pPopup->FindCommand(nID) : -1;
    if (nPos < 0 || !pPopup->IsItemEnabled(static_cast<unsigned>(nPos)))
        return false;  // a grey item cannot be chosen
    pFrame->OnCommand(nID);
    return true;
}

void FakeWindowSystem::PressAccelerator(unsigned nID)
{
    if (CWnd* pFrame = MainFrameOwner())
        pFrame->OnCommand(nID);
}

void FakeWindowSystem::ClickClose()
{
    if (CWnd* pFrame = MainFrameOwner())
        pFrame->OnClose();
    else
        Quit(0);
}
