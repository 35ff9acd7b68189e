#include "Wnd.h"

#include "CmdUI.h"
#include "FrameworkIds.h"
#include "WinApp.h"

#include <stdexcept>

namespace {
IWindowSystem* g_pWindowSystem = nullptr;
}

void AfxSetWindowSystem(IWindowSystem* pWindowSystem)
{
    g_pWindowSystem = pWindowSystem;
}

IWindowSystem& AfxGetWindowSystem()
{
    if (g_pWindowSystem == nullptr)
        throw std::logic_error("no window system installed");
    return *g_pWindowSystem;
}

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().DestroyWindow(m_hWnd);
}

bool CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return true;
}

void CWnd::SetWindowText(const std::string& text)
{
    m_strWindowText = text;
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().SetWindowText(m_hWnd, text);
}

bool CWnd::ShowWindow(int nCmdShow)
{
    const bool bWasVisible = IsWindowVisible();
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().ShowWindow(m_hWnd, nCmdShow);
    return bWasVisible;
}

bool CWnd::IsWindowVisible() const
{
    return m_hWnd != nullptr && AfxGetWindowSystem().IsWindowVisible(m_hWnd);
}

void CWnd::UpdateWindow()
{
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().UpdateWindow(m_hWnd);
}

void CWnd::Invalidate()
{
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().InvalidateWindow(m_hWnd);
}

void CWnd::BringWindowToTop()
{
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().BringWindowToTop(m_hWnd);
}

void CWnd::EnableWindow(bool bEnable)
{
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().EnableWindow(m_hWnd, bEnable);
}

bool CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return false;
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    AfxGetWindowSystem().DestroyWindow(hWnd);
    PostNcDestroy();  // may delete this object
    return true;
}

bool CWnd::OnCommand(unsigned nID)
{
    // A command whose item its update handler has disabled is not carried out, also when it
    // comes from an accelerator.
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, CmdMsg::UpdateUI, &state);
    if (!state.m_bEnabled)
        return true;
    try {
        return OnCmdMsg(nID, CmdMsg::Command, nullptr);
    } catch (...) {
        ReportCommandError(std::current_exception());
        return true;
    }
}

void CWnd::OnPaint(CDC*)
{
}

void CWnd::OnClose()
{
    DestroyWindow();
}

void CWnd::ReportCommandError(std::exception_ptr error)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->ReportException(error, AFX_IDP_COMMAND_FAILURE);
}
