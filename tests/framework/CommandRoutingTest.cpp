#include "CmdUI.h"
#include "Document.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "View.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

constexpr unsigned ID_VIEW_ONLY = 0x8001;
constexpr unsigned ID_DOC_ONLY = 0x8002;
constexpr unsigned ID_FRAME_ONLY = 0x8003;
constexpr unsigned ID_APP_ONLY = 0x8004;
constexpr unsigned ID_EVERYONE = 0x8005;
constexpr unsigned ID_DECLINED_BY_VIEW = 0x8006;
constexpr unsigned ID_DISABLED_BY_DOC = 0x8007;
constexpr unsigned ID_NOBODY = 0x8008;
constexpr unsigned ID_SYSTEM = 0xF010;

class TestView : public CView {
    DECLARE_DYNCREATE(TestView)
public:
    void OnDraw(CDC*) override {}
    void OnViewOnly() { g_calls.push_back("view"); }
    void OnEveryone() { g_calls.push_back("view"); }
    bool OnDecline(unsigned) { g_calls.push_back("view declined"); return false; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestView, CView)
BEGIN_MESSAGE_MAP(TestView, CView)
    ON_COMMAND(ID_VIEW_ONLY, OnViewOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND_EX(ID_DECLINED_BY_VIEW, OnDecline)
END_MESSAGE_MAP()

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)
public:
    void OnDocOnly() { g_calls.push_back("doc"); }
    void OnEveryone() { g_calls.push_back("doc"); }
    void OnDisabled() { g_calls.push_back("doc disabled command ran"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(false); }
    void OnDecline() { g_calls.push_back("doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestDoc, CDocument)
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
    ON_COMMAND(ID_DOC_ONLY, OnDocOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND(ID_DISABLED_BY_DOC, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_BY_DOC, OnUpdateDisabled)
    ON_COMMAND(ID_DECLINED_BY_VIEW, OnDecline)
END_MESSAGE_MAP()

class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    void OnFrameOnly() { g_calls.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
END_MESSAGE_MAP()

class TestApp : public CWinApp {
public:
    void OnAppOnly() { g_calls.push_back("app"); }
    void OnEveryone() { g_calls.push_back("app"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
END_MESSAGE_MAP()

// A frame with its view and document, made through their runtime classes but with no window.
struct Route {
    Route()
    {
        doc.reset(dynamic_cast<TestDoc*>(RUNTIME_CLASS(TestDoc)->CreateObject()));
        doc->m_bAutoDelete = false;
        frame.reset(dynamic_cast<TestFrame*>(RUNTIME_CLASS(TestFrame)->CreateObject()));
        view.reset(dynamic_cast<TestView*>(RUNTIME_CLASS(TestView)->CreateObject()));
        doc->AddView(view.get());
        frame->SetActiveView(view.get());
        g_calls.clear();
    }
    TestApp app;
    std::unique_ptr<TestDoc> doc;
    std::unique_ptr<TestFrame> frame;
    std::unique_ptr<TestView> view;
};

TEST(RuntimeClassTest, RecordsAndDynamicCreation)
{
    const CRuntimeClass* pClass = RUNTIME_CLASS(TestFrame);
    EXPECT_STREQ(pClass->m_lpszClassName, "TestFrame");
    EXPECT_EQ(pClass->m_nObjectSize, static_cast<int>(sizeof(TestFrame)));
    EXPECT_EQ(pClass->m_wSchema, 0xFFFFu);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CFrameWnd));
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_EQ(RUNTIME_CLASS(CView)->CreateObject(), nullptr);  // abstract: not creatable
}

TEST(CommandRoutingTest, ViewThenDocumentThenFrameThenApplication)
{
    Route route;
    const std::pair<unsigned, std::vector<std::string>> cases[] = {
        {ID_VIEW_ONLY, {"view"}},
        {ID_DOC_ONLY, {"doc"}},
        {ID_FRAME_ONLY, {"frame"}},
        {ID_APP_ONLY, {"app"}},
        {ID_EVERYONE, {"view"}},
        {ID_DECLINED_BY_VIEW, {"view declined", "doc"}},
        {ID_DISABLED_BY_DOC, {}},  // its update handler has disabled it
        {ID_NOBODY, {}},
    };
    for (const auto& [id, calls] : cases) {
        g_calls.clear();
        route.frame->OnCommand(id);
        EXPECT_EQ(g_calls, calls) << std::hex << id;
    }
}

TEST(CommandRoutingTest, PopupStatesFollowUpdateHandlersThenHandlers)
{
    Route route;
    CMenu popup;
    for (unsigned id : {ID_VIEW_ONLY, ID_APP_ONLY, ID_DISABLED_BY_DOC, ID_NOBODY, ID_SYSTEM})
        popup.AppendMenu(id, "item");
    popup.AppendSeparator();
    route.frame->OnInitMenuPopup(&popup);
    // A system command (0xF000 and above) is not asked about and keeps its state.
    const bool expected[] = {true, true, false, false, true};
    for (unsigned i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(popup.IsItemEnabled(i), expected[i]) << i;
    EXPECT_TRUE(g_calls.empty()) << "asking for a state runs no command";
}

}  // namespace
