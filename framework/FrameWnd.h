#pragma once

#include "Menu.h"
#include "Wnd.h"

#include <memory>

class CDocument;
class CDocTemplate;
class CView;

// What a frame needs to build its contents: the document it shows and the view class.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
};

// A top-level window with a menu, accelerators and one view filling its client area. Commands
// go to the active view, its document, the frame itself, then the application.
class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    // Takes the title base from string nIDResource (its first line), the menu and the
    // accelerators of that id, creates the window and, from the context, the view.
    virtual bool LoadFrame(unsigned nIDResource, unsigned dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);
    bool PreCreateWindow(CREATESTRUCT& cs) override;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pView) { m_pViewActive = pView; }
    CDocument* GetActiveDocument() const;
    CMenu* GetMenu() const { return m_pMenu.get(); }
    const std::string& GetTitle() const { return m_strTitle; }

    // Sends the initial update to the frame's views and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, bool bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    // Window title: the document title, " - ", then the title base.
    virtual void OnUpdateFrameTitle(bool bAddToTitle);

    bool OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI) override;
    bool DestroyWindow() override;

    // Called by the window system before a popup of the menu opens: every item's state is
    // asked of the command route.
    virtual void OnInitMenuPopup(CMenu* pPopupMenu);
    // The close box, Alt+F4 and File Exit: the main frame closes the documents, which ends
    // the run.
    void OnClose() override;

protected:
    void PostNcDestroy() override;
    virtual CView* CreateView(CCreateContext* pContext);

    unsigned m_dwStyle = 0;
    std::string m_strTitle;
    std::unique_ptr<CMenu> m_pMenu;
    CView* m_pViewActive = nullptr;
};
