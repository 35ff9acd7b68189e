#pragma once

#include "Wnd.h"

class CDocument;
class CFrameWnd;
struct CCreateContext;

// The window that shows a document inside a frame. It draws in OnDraw; the document is
// attached before the window first paints.
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pParentFrame; }

    // Joins the context's document and makes the view's window in the frame.
    virtual bool Create(CFrameWnd* pParentFrame, CCreateContext* pContext);
    bool PreCreateWindow(CREATESTRUCT& cs) override;

    virtual void OnInitialUpdate();
    // By default the whole client area is erased and painted again.
    virtual void OnUpdate(CView* pSender, long lHint, CObject* pHint);
    virtual void OnPrepareDC(CDC* pDC);
    virtual void OnDraw(CDC* pDC) = 0;

    void OnPaint(CDC* pDC) override;
    // Commands go to the view, then to its document.
    bool OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI) override;

    // Next and previous pane move between the panes of a split window; a view that is not
    // split declines them.
    bool OnNextPaneCmd(unsigned nID);

protected:
    CView() = default;
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pParentFrame = nullptr;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
