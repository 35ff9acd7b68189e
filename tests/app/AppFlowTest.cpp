#include "FakeWindowSystem.h"
#include "File.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "Resource.h"
#include "ResourceSet.h"
#include "TarvelinApp.h"
#include "TarvelinDoc.h"
#include "TarvelinResources.h"
#include "TempFile.h"
#include "View.h"
#include "WinConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

const std::string kUntitledTitle = "無題 - Tarvelin";
constexpr int kFilePopup = 0;
constexpr int kEditPopup = 1;
constexpr int kHelpPopup = 2;

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Bytes ToneFile(double step)
{
    std::vector<std::int16_t> frames(4460);
    for (std::size_t t = 0; t < frames.size(); ++t)
        frames[t] = static_cast<std::int16_t>(std::lround(8000.0 * std::sin(step * static_cast<double>(t))));
    return Pcm16Wave(1, frames);
}

// One run of the program with a fake window system: its settings in a private folder, the
// loop script acting as the user.
class AppFlowTest : public ::testing::Test {
protected:
    using Script = std::function<void(FakeWindowSystem&, CTarvelinApp&)>;

    void SetUp() override
    {
        m_config = m_dir.Path() + "/config";
        ::setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
        AfxSetResourceSet(&TarvelinResources());
    }
    void TearDown() override
    {
        AfxSetResourceSet(nullptr);
        ::unsetenv("XDG_CONFIG_HOME");
    }

    std::string CompanyFolder() const { return m_config + "/Local AppWizard-Generated Applications"; }
    std::string StoreFile() const { return CompanyFolder() + "/Tarvelin.reg"; }
    std::string Store() const { return ReadText(StoreFile()); }
    std::string Wave(const std::string& name, double step = 0.07) { return m_dir.Write(name, ToneFile(step)); }

    // Runs the program with these arguments; returns its exit code. Message boxes and what the
    // window system saw stay in m_last for the test to look at.
    int Run(const std::vector<std::string>& args, const Script& script = {})
    {
        m_last = std::make_unique<FakeWindowSystem>();
        CTarvelinApp app;
        std::vector<std::string> argvText = {"tarvelin"};
        argvText.insert(argvText.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : argvText)
            argv.push_back(arg.data());
        FakeWindowSystem& ws = *m_last;
        bool bLoopRan = false;
        ws.m_loopScript = [&] {
            bLoopRan = true;
            if (script)
                script(ws, app);
        };
        const int code = AfxWinMain(ws, static_cast<int>(argv.size()), argv.data());
        m_bLoopRan = bLoopRan;
        return code;
    }

    static std::string Title(FakeWindowSystem& ws) { return ws.MainFrame() != nullptr ? ws.MainFrame()->title : ""; }
    static CFrameWnd* Frame(CTarvelinApp& app) { return dynamic_cast<CFrameWnd*>(app.m_pMainWnd); }
    static CTarvelinDoc* Doc(CTarvelinApp& app) { return dynamic_cast<CTarvelinDoc*>(Frame(app)->GetActiveDocument()); }
    static CMenu* Popup(CTarvelinApp& app, int index) { return Frame(app)->GetMenu()->GetSubMenu(static_cast<unsigned>(index)); }
    static bool Enabled(CTarvelinApp& app, int popup, unsigned id)
    {
        CMenu* pMenu = Popup(app, popup);
        const int pos = pMenu->FindCommand(id);
        return pos >= 0 && pMenu->IsItemEnabled(static_cast<unsigned>(pos));
    }
    // The recent-file items as the File popup shows them after opening.
    static std::vector<std::string> RecentItems(FakeWindowSystem& ws, CTarvelinApp& app)
    {
        ws.OpenPopup(kFilePopup);
        std::vector<std::string> items;
        CMenu* pMenu = Popup(app, kFilePopup);
        for (unsigned i = 0; i < pMenu->GetMenuItemCount(); ++i) {
            const unsigned id = pMenu->GetMenuItemID(i);
            if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16)
                items.push_back(pMenu->GetMenuString(i) + (pMenu->IsItemEnabled(i) ? "" : " (grey)"));
        }
        return items;
    }
    void OpenThroughDialog(FakeWindowSystem& ws, const std::string& path)
    {
        ws.m_fileAnswers.push_back(path);
        ws.ChooseMenuItem(kFilePopup, ID_FILE_OPEN);
    }

    TempDir m_dir;
    std::string m_config;
    std::unique_ptr<FakeWindowSystem> m_last;
    bool m_bLoopRan = false;
};

TEST_F(AppFlowTest, FirstStartShowsAnUntitledWindowWithItsMenuStatesAndKeepsTheKeys)
{
    EXPECT_EQ(Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        ASSERT_NE(ws.MainFrame(), nullptr);
        EXPECT_EQ(Title(ws), kUntitledTitle);
        EXPECT_TRUE(ws.MainFrame()->bVisible);
        EXPECT_EQ(Doc(app)->m_dSpectrum[7], 0.0);

        ws.OpenPopup(kFilePopup);
        for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT})
            EXPECT_TRUE(Enabled(app, kFilePopup, id)) << std::hex << id;
        EXPECT_EQ(RecentItems(ws, app), std::vector<std::string>{"最新のﾌｧｲﾙ (grey)"});
        ws.OpenPopup(kEditPopup);
        for (unsigned id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
            EXPECT_FALSE(Enabled(app, kEditPopup, id)) << std::hex << id;
        ws.OpenPopup(kHelpPopup);
        EXPECT_TRUE(Enabled(app, kHelpPopup, ID_APP_ABOUT));
    }), 0);
    EXPECT_TRUE(m_last->m_messageBoxes.empty());
    EXPECT_EQ(Store(),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarvelin]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarvelin\\Settings]\n");
}

TEST_F(AppFlowTest, OpeningFilesRetitlesDisablesSaveAndKeepsTheRecentList)
{
    const std::string a = Wave("a.wav", 0.05);
    const std::string b = Wave("b.wav", 0.11);
    const std::string original = ReadText(a);
    EXPECT_EQ(Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        const HWND hView = Frame(app)->GetActiveView()->m_hWnd;
        const int paintsBefore = ws.Find(hView)->nInvalidations;
        OpenThroughDialog(ws, a);
        EXPECT_EQ(Title(ws), "a.wav - Tarvelin");
        EXPECT_GT(ws.Find(hView)->nInvalidations, paintsBefore);
        EXPECT_NE(Doc(app)->m_dSpectrum[20], 0.0);
        ASSERT_EQ(ws.m_fileDialogs.size(), 1u);
        EXPECT_EQ(ws.m_fileDialogs[0].params.title, "開く");
        EXPECT_EQ(ws.m_fileDialogs[0].params.filterName, "すべてのﾌｧｲﾙ (*.*)");
        EXPECT_EQ(ws.m_fileDialogs[0].params.filterPattern, "*.*");
        EXPECT_TRUE(ws.m_fileDialogs[0].params.bFileMustExist);
        EXPECT_GT(ws.m_nWaitCursors, 0);
        EXPECT_EQ(ws.m_nWaitDepth, 0);

        // The recording is never written over: Save and Save As are grey, and Ctrl+S does nothing.
        ws.OpenPopup(kFilePopup);
        EXPECT_FALSE(Enabled(app, kFilePopup, ID_FILE_SAVE));
        EXPECT_FALSE(Enabled(app, kFilePopup, ID_FILE_SAVE_AS));
        ws.PressAccelerator(ID_FILE_SAVE);
        EXPECT_EQ(ws.m_fileDialogs.size(), 1u);

        OpenThroughDialog(ws, b);
        OpenThroughDialog(ws, a);
        EXPECT_EQ(Title(ws), "a.wav - Tarvelin");
        ::chdir(m_dir.Path().c_str());
        EXPECT_EQ(RecentItems(ws, app), (std::vector<std::string>{"&1 a.wav", "&2 b.wav"}));
        ::chdir("/");
    }), 0);
    EXPECT_EQ(ReadText(a), original);
    EXPECT_TRUE(m_last->m_messageBoxes.empty());
    EXPECT_NE(Store().find("[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarvelin\\Recent File List]\n"
                           "\"File1\"=\"" + a + "\"\n\"File2\"=\"" + b + "\"\n"),
              std::string::npos)
        << Store();
}

TEST_F(AppFlowTest, FiveFilesKeepTheLastFourAndTheSamePathIsNotReadAgain)
{
    std::vector<std::string> files;
    for (int i = 1; i <= 5; ++i)
        files.push_back(Wave("f" + std::to_string(i) + ".wav", 0.02 * i));
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        for (const std::string& file : files)
            OpenThroughDialog(ws, file);
        const double before = Doc(app)->m_dSpectrum[30];
        // The file changes on disk; opening it again through its recent entry reads nothing.
        m_dir.Write("f5.wav", ToneFile(0.3));
        ws.ChooseMenuItem(kFilePopup, ID_FILE_MRU_FILE1);
        EXPECT_EQ(Doc(app)->m_dSpectrum[30], before);
        OpenThroughDialog(ws, files[4]);
        EXPECT_EQ(Doc(app)->m_dSpectrum[30], before);
    });
    const std::string store = Store();
    for (int i = 1; i <= 4; ++i)
        EXPECT_NE(store.find("\"File" + std::to_string(i) + "\"=\"" + files[static_cast<std::size_t>(5 - i)] + "\""),
                  std::string::npos)
            << store;
    EXPECT_EQ(store.find("File5"), std::string::npos);
}

TEST_F(AppFlowTest, ARefusedFileOrADeletedRecentEntryChangesNothingButTheList)
{
    const std::string good = Wave("good.wav");
    const std::string gone = Wave("gone.wav", 0.2);
    const std::string text = m_dir.Write("notes.wav", Bytes{'n', 'o', 't', 'e', 's'});
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        OpenThroughDialog(ws, gone);
        OpenThroughDialog(ws, good);
        const double level = Doc(app)->m_dSpectrum[12];
        OpenThroughDialog(ws, text);
        EXPECT_EQ(Title(ws), "good.wav - Tarvelin");
        EXPECT_EQ(Doc(app)->m_dSpectrum[12], level);

        std::filesystem::remove(gone);
        ::chdir(m_dir.Path().c_str());
        EXPECT_TRUE(ws.ChooseMenuItem(kFilePopup, ID_FILE_MRU_FILE2));
        EXPECT_EQ(Title(ws), "good.wav - Tarvelin");
        EXPECT_EQ(Doc(app)->m_dSpectrum[12], level);
        EXPECT_EQ(RecentItems(ws, app), std::vector<std::string>{"&1 good.wav"});
        ::chdir("/");
    });
    EXPECT_TRUE(m_last->m_messageBoxes.empty());
}

TEST_F(AppFlowTest, StoredListWithAGapShowsOneItemAndIsWrittenBackAsItWas)
{
    std::filesystem::create_directories(CompanyFolder());
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarvelin";
    std::ofstream(StoreFile()) << "Windows Registry Editor Version 5.00\n\n"
                               << key << "]\n\n"
                               << key << "\\Recent File List]\n\"File1\"=\"/x/one.wav\"\n\"File3\"=\"/x/three.wav\"\n\n"
                               << key << "\\Settings]\n";
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        EXPECT_EQ(RecentItems(ws, app), std::vector<std::string>{"&1 /x/one.wav"});
    });
    EXPECT_NE(Store().find("\"File1\"=\"/x/one.wav\"\n\"File3\"=\"/x/three.wav\"\n"), std::string::npos) << Store();
}

TEST_F(AppFlowTest, AnAmpersandInANameShowsAsItself)
{
    const std::string file = Wave("rock&roll.wav");
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        OpenThroughDialog(ws, file);
        ::chdir(m_dir.Path().c_str());
        EXPECT_EQ(RecentItems(ws, app), std::vector<std::string>{"&1 rock&&roll.wav"});
        ::chdir("/");
        EXPECT_EQ(Title(ws), "rock&roll.wav - Tarvelin");
    });
}

TEST_F(AppFlowTest, SavingANewDocumentWritesAnEmptyFileAndTakesItsName)
{
    const std::string saved = m_dir.Path() + "/saved.tvl";
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        ws.m_fileAnswers.push_back(saved);
        ws.PressAccelerator(ID_FILE_SAVE);
        ASSERT_EQ(ws.m_fileDialogs.size(), 1u);
        const auto& params = ws.m_fileDialogs[0].params;
        EXPECT_FALSE(params.bOpen);
        EXPECT_EQ(params.title, "名前を付けて保存");
        EXPECT_EQ(params.initialName, "無題");
        EXPECT_TRUE(params.bPromptOverwrite);
        EXPECT_EQ(Title(ws), "saved.tvl - Tarvelin");
        EXPECT_EQ(Doc(app)->GetPathName(), saved);
        EXPECT_TRUE(Enabled(app, kFilePopup, ID_FILE_SAVE));
    });
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(std::filesystem::file_size(saved), 0u);
    EXPECT_NE(Store().find("\"File1\"=\"" + saved + "\""), std::string::npos);
}

TEST_F(AppFlowTest, AFailedSaveReportsTheCauseAndNeverRemovesAFileThatWasThere)
{
    const std::string kept = m_dir.Write("kept.wav", Bytes(64, 9));
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp&) {
        CFile holder;  // another program holds the file
        ASSERT_TRUE(holder.Open(kept.c_str(), CFile::modeRead | CFile::shareExclusive));
        ws.m_fileAnswers.push_back(kept);
        ws.ChooseMenuItem(kFilePopup, ID_FILE_SAVE_AS);
        ws.m_fileAnswers.push_back(m_dir.Path() + "/no/such/folder/x.tvl");
        ws.ChooseMenuItem(kFilePopup, ID_FILE_SAVE_AS);
        EXPECT_EQ(Title(ws), kUntitledTitle);
    });
    EXPECT_EQ(ReadText(kept), std::string(64, '\x09'));
    ASSERT_EQ(m_last->m_messageBoxes.size(), 2u);
    EXPECT_EQ(m_last->m_messageBoxes[0].text, kept + " へのｱｸｾｽ中に共有違反が発生しました。");
    EXPECT_EQ(m_last->m_messageBoxes[0].caption, "Tarvelin");
    EXPECT_EQ(m_last->m_messageBoxes[0].nType, MB_ICONEXCLAMATION);
    EXPECT_EQ(m_last->m_messageBoxes[1].text, m_dir.Path() + "/no/such/folder/x.tvl が見つかりません。");
}

TEST_F(AppFlowTest, KeysWithoutHandlersDoNothingAndFileNewClearsTheLevels)
{
    const std::string file = Wave("a.wav");
    Run({file}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        EXPECT_EQ(Title(ws), "a.wav - Tarvelin");
        for (unsigned id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE})
            ws.PressAccelerator(id);
        EXPECT_EQ(Title(ws), "a.wav - Tarvelin");
        ws.PressAccelerator(ID_FILE_NEW);
        EXPECT_EQ(Title(ws), kUntitledTitle);
        EXPECT_EQ(Doc(app)->m_dSpectrum[20], 0.0);
        EXPECT_EQ(Doc(app)->GetPathName(), "");
    });
    EXPECT_TRUE(m_last->m_messageBoxes.empty());
}

TEST_F(AppFlowTest, AboutBoxIsModalOverTheMainWindow)
{
    Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        ws.m_dialogButtons = {IDOK};
        EXPECT_TRUE(ws.ChooseMenuItem(kHelpPopup, ID_APP_ABOUT));
        ws.m_dialogButtons = {IDCANCEL};
        ws.ChooseMenuItem(kHelpPopup, ID_APP_ABOUT);
        ASSERT_EQ(ws.m_modalDialogs.size(), 2u);
        EXPECT_EQ(ws.m_modalDialogs[0].pTemplate, TarvelinResources().FindDialog(IDD_ABOUTBOX));
        EXPECT_EQ(ws.m_modalDialogs[0].hOwner, app.m_pMainWnd->m_hWnd);
        EXPECT_TRUE(ws.m_modalDialogs[0].bOwnerDisabledWhileShown);
        EXPECT_TRUE(ws.MainFrame()->bEnabled);
        EXPECT_EQ(Title(ws), kUntitledTitle);
    });
}

TEST_F(AppFlowTest, SessionEndKeepsTheSettings)
{
    const std::string file = Wave("a.wav");
    EXPECT_EQ(Run({file}, [&](FakeWindowSystem& ws, CTarvelinApp&) { ws.EndSession(); }), 0);
    EXPECT_TRUE(m_last->m_bQuit);
    EXPECT_EQ(m_last->MainFrame(), nullptr);
    EXPECT_NE(Store().find("\"File1\"=\"" + file + "\""), std::string::npos);
}

struct StartCase {
    const char* name;
    std::vector<std::string> args;
    bool bWindow;
    std::size_t nMessageBoxes;
};

TEST_F(AppFlowTest, CommandLinesThatEndStartUpQuietlyOrWithAMessage)
{
    const std::string good = Wave("good.wav");
    const std::string missing = m_dir.Path() + "/missing.wav";
    const std::string text = m_dir.Write("text.wav", Bytes(40, 'x'));
    const StartCase cases[] = {
        {"file", {good}, true, 0},
        {"two files: the first opens", {good, missing}, true, 0},
        {"embedding changes nothing", {"-Embedding", good}, true, 0},
        {"automation changes nothing", {"/automation"}, true, 0},
        {"missing file", {missing}, false, 0},
        {"refused file", {text}, false, 0},
        {"read error", {m_dir.Path()}, false, 1},
        {"dde", {"-dde"}, false, 0},
        {"DDE in capitals is ignored", {"-DDE"}, true, 0},
        {"print without a file", {"-p"}, false, 0},
        {"print a missing file", {"-p", missing}, false, 0},
        {"print to", {"-pt", good, "printer", "driver", "port"}, false, 0},
    };
    for (const StartCase& c : cases) {
        m_bLoopRan = false;
        EXPECT_EQ(Run(c.args), 0) << c.name;
        EXPECT_EQ(m_bLoopRan, c.bWindow) << c.name;
        EXPECT_EQ(m_last->m_messageBoxes.size(), c.nMessageBoxes) << c.name;
        EXPECT_EQ(m_last->WindowCount(), 0u) << c.name;
    }
    EXPECT_EQ(m_last->m_messageBoxes.size(), 0u);

    m_bLoopRan = false;
    Run({m_dir.Path()});
    ASSERT_EQ(m_last->m_messageBoxes.size(), 1u);
    EXPECT_EQ(m_last->m_messageBoxes[0].text, m_dir.Path() + " へのｱｸｾｽは拒否されました。");
    EXPECT_EQ(m_last->m_messageBoxes[0].caption, "Tarvelin");
}

TEST_F(AppFlowTest, PrintingAFileShowsNothingAndPutsItFirstInTheList)
{
    const std::string good = Wave("good.wav");
    EXPECT_EQ(Run({"-p", good}), 0);
    EXPECT_FALSE(m_bLoopRan);
    EXPECT_NE(Store().find("\"File1\"=\"" + good + "\""), std::string::npos);
}

TEST_F(AppFlowTest, UnregisterRemovesTheKeysAndSaysSoUnlessEmbedded)
{
    Run({});
    ASSERT_TRUE(std::filesystem::exists(StoreFile()));
    EXPECT_EQ(Run({"/UNREGISTER"}), 0);
    EXPECT_FALSE(m_bLoopRan);
    EXPECT_FALSE(std::filesystem::exists(CompanyFolder()));
    ASSERT_EQ(m_last->m_messageBoxes.size(), 1u);
    EXPECT_EQ(m_last->m_messageBoxes[0].text,
              "ｼｽﾃﾑ ﾚｼﾞｽﾄﾘのｴﾝﾄﾘは削除されています、また INI ﾌｧｲﾙも削除されました。");
    EXPECT_EQ(m_last->m_messageBoxes[0].nType, MB_OK | MB_ICONEXCLAMATION);

    Run({});
    EXPECT_EQ(Run({"-unregserver", "-Embedding"}), 0);
    EXPECT_FALSE(std::filesystem::exists(CompanyFolder()));
    EXPECT_TRUE(m_last->m_messageBoxes.empty());
}

TEST_F(AppFlowTest, AnUnreadableStoreIsSetAsideAndTheProgramStartsClean)
{
    std::filesystem::create_directories(CompanyFolder());
    std::ofstream(StoreFile()) << "this is not a registry export\n[[[\n";
    EXPECT_EQ(Run({}, [&](FakeWindowSystem& ws, CTarvelinApp& app) {
        EXPECT_EQ(RecentItems(ws, app), std::vector<std::string>{"最新のﾌｧｲﾙ (grey)"});
    }), 0);
    int setAside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CompanyFolder()))
        setAside += entry.path().filename().string().rfind("Tarvelin.reg.bad-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(setAside, 1);
    EXPECT_EQ(Store().rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
}

}  // namespace
