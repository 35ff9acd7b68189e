#include "View.h"

#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_COMMAND_EX(ID_NEXT_PANE, OnNextPaneCmd)
    ON_COMMAND_EX(ID_PREV_PANE, OnNextPaneCmd)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

bool CView::Create(CFrameWnd* pParentFrame, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    m_pParentFrame = pParentFrame;
    CREATESTRUCT cs;
    if (!PreCreateWindow(cs))
        return false;
    m_hWnd = AfxGetWindowSystem().CreateViewWindow(this, pParentFrame->m_hWnd);
    return m_hWnd != nullptr;
}

bool CView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, long, CObject*)
{
    Invalidate();
}

void CView::OnPrepareDC(CDC*)
{
}

void CView::OnPaint(CDC* pDC)
{
    OnPrepareDC(pDC);
    OnDraw(pDC);
}

bool CView::OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI))
        return true;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI);
}

bool CView::OnNextPaneCmd(unsigned)
{
    return false;
}

void CView::PostNcDestroy()
{
    delete this;
}
