#include "FrameWnd.h"

#include "CmdUI.h"
#include "Document.h"
#include "ResourceSet.h"
#include "View.h"
#include "WinApp.h"
#include "WinConstants.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

bool CFrameWnd::LoadFrame(unsigned nIDResource, unsigned dwDefaultStyle, CWnd*, CCreateContext* pContext)
{
    const std::string strings = AfxLoadString(nIDResource);
    m_strTitle = strings.substr(0, strings.find('\n'));

    CREATESTRUCT cs;
    cs.style = dwDefaultStyle;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.lpszName = m_strTitle;
    if (!PreCreateWindow(cs))
        return false;
    m_dwStyle = cs.style;

    auto pMenu = std::make_unique<CMenu>();
    if (!pMenu->LoadMenu(nIDResource))
        return false;  // a frame is not made without its menu
    m_pMenu = std::move(pMenu);

    IWindowSystem::FrameParams params;
    params.title = m_strTitle;
    params.pMenu = m_pMenu.get();
    params.style = cs.style;
    params.exStyle = cs.dwExStyle;
    if (const CResourceSet* pResources = AfxGetResourceSet()) {
        params.pAccelerators = pResources->FindAccelerators(nIDResource);
        params.pIcon = pResources->FindIconGroup(nIDResource);
    }
    m_hWnd = AfxGetWindowSystem().CreateFrameWindow(this, params);
    if (m_hWnd == nullptr)
        return false;

    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        CView* pView = CreateView(pContext);
        if (pView == nullptr) {
            DestroyWindow();
            return false;
        }
        SetActiveView(pView);
    }
    return true;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The document title goes first, and the client area gets a sunken edge.
    if ((cs.style & FWS_ADDTOTITLE) != 0u)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return true;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CView*>(pObject);
    if (pView == nullptr) {
        delete pObject;
        return nullptr;
    }
    if (!pView->Create(this, pContext)) {
        delete pView;
        return nullptr;
    }
    return pView;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, bool bMakeVisible)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->OnInitialUpdate();
    if (bMakeVisible) {
        // The first showing of the main window takes the state the launcher asked for.
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this) {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
    }
    OnUpdateFrameTitle(true);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL;
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE)
        BringWindowToTop();
}

void CFrameWnd::OnUpdateFrameTitle(bool bAddToTitle)
{
    std::string text = m_strTitle;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && (m_dwStyle & FWS_ADDTOTITLE) != 0u && pDocument != nullptr) {
        text = (m_dwStyle & FWS_PREFIXTITLE) != 0u ? pDocument->GetTitle() + " - " + m_strTitle
                                                   : m_strTitle + " - " + pDocument->GetTitle();
    }
    if (text != GetWindowText())
        SetWindowText(text);
}

bool CFrameWnd::OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pCmdUI))
        return true;
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI))
        return true;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pCmdUI);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu)
{
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    // A handler may replace its item by several (the recent files); it leaves m_nIndex on the
    // last item it made, and the walk goes on after it.
    for (unsigned nIndex = 0; nIndex < pPopupMenu->GetMenuItemCount(); ++nIndex) {
        const CMenu::Item& item = pPopupMenu->GetItem(nIndex);
        if (item.bSeparator || item.pPopup)
            continue;
        state.m_nIndex = nIndex;
        state.m_nID = item.nID;
        state.DoUpdate(this, true);
        nIndex = state.m_nIndex;
    }
}

void CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        if (!pApp->SaveAllModified())
            return;
        // Closing the documents destroys their frames, this one among them.
        if (pApp->CloseAllDocuments(false))
            return;
    } else if (CDocument* pDocument = GetActiveDocument(); pDocument != nullptr && !pDocument->SaveModified()) {
        return;
    }
    DestroyWindow();
}

bool CFrameWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return false;
    CView* pView = m_pViewActive;
    m_pViewActive = nullptr;
    if (pView != nullptr)
        pView->DestroyWindow();
    return CWnd::DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        AfxGetWindowSystem().Quit(0);
    }
    delete this;
}
