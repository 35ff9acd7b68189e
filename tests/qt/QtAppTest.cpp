#include "FrameWnd.h"
#include "QtAccelerators.h"
#include "QtFontMapping.h"
#include "QtModalDialog.h"
#include "QtWindowSystem.h"
#include "Resource.h"
#include "ResourceSet.h"
#include "TarvelinApp.h"
#include "TarvelinResources.h"
#include "TempFile.h"
#include "WinConstants.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

const QString kUntitledTitle = QStringLiteral("無題 - Tarvelin");
constexpr int kFilePopup = 0;
constexpr int kEditPopup = 1;
constexpr int kHelpPopup = 2;

Bytes ToneFile()
{
    std::vector<std::int16_t> frames(4460);
    for (std::size_t t = 0; t < frames.size(); ++t)
        frames[t] = static_cast<std::int16_t>(std::lround(8000.0 * std::sin(0.07 * static_cast<double>(t))));
    return Pcm16Wave(1, frames);
}

struct Item {
    QString text;  // "-" for a separator
    bool bEnabled;
    friend bool operator==(const Item&, const Item&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Item& item)
    {
        return out << item.text.toStdString() << (item.bEnabled ? "" : " (grey)");
    }
};

// The real program on the real window system, offscreen, with its settings in a private
// folder; the script acts as the user from inside the event loop.
class QtAppTest : public ::testing::Test {
protected:
    using Script = std::function<void(CTarvelinApp&)>;

    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_dir.Path() + "/config").c_str(), 1);
        AfxSetResourceSet(&TarvelinResources());
    }
    void TearDown() override
    {
        AfxSetResourceSet(nullptr);
        ::unsetenv("XDG_CONFIG_HOME");
    }

    int Run(const std::vector<std::string>& args, const Script& script)
    {
        std::vector<std::string> argvText = {"tarvelin"};
        argvText.insert(argvText.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : argvText)
            argv.push_back(arg.data());
        int argc = static_cast<int>(argv.size());
        CQtWindowSystem ws(argc, argv.data());
        CTarvelinApp app;
        QTimer::singleShot(0, [&] {
            QMainWindow* pFrame = Frame(app);
            pFrame->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(pFrame));
            script(app);
            // The user leaves with File Exit, if the script has not ended the run.
            if (app.m_pMainWnd != nullptr)
                Choose(app, kFilePopup, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"));
        });
        // A dialog left open would keep the test waiting for ever.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the run did not end";
            QCoreApplication::exit(99);
        });
        watchdog.start(30000);
        return AfxWinMain(ws, argc, argv.data());
    }

    // Acts on the next modal window once it is shown: it runs its own loop, so the test acts
    // from a timer inside that loop. A watcher left over when a test fails ends with the test.
    void WhenModalShows(std::function<void(QWidget&)> act)
    {
        auto* pTimer = new QTimer(&m_watchers);
        pTimer->setInterval(5);
        QObject::connect(pTimer, &QTimer::timeout, [pTimer, act] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (pModal == nullptr || !pModal->isVisible())
                return;
            pTimer->stop();
            pTimer->deleteLater();
            act(*pModal);
        });
        pTimer->start();
    }

    static QMainWindow* Frame(CTarvelinApp& app)
    {
        return qobject_cast<QMainWindow*>(CQtWindowSystem::WidgetOf(app.m_pMainWnd->m_hWnd));
    }
    static QString Title(CTarvelinApp& app) { return Frame(app)->windowTitle(); }

    // Opens a popup as the user does, so that its states are asked for, and reads it.
    static QMenu* OpenPopup(CTarvelinApp& app, int index)
    {
        QMenu* pMenu = Frame(app)->menuBar()->actions().at(index)->menu();
        pMenu->popup(QPoint(10, 10));
        return pMenu;
    }
    static std::vector<Item> Items(CTarvelinApp& app, int index)
    {
        QMenu* pMenu = OpenPopup(app, index);
        std::vector<Item> items;
        for (QAction* pAction : pMenu->actions())
            items.push_back({pAction->isSeparator() ? QStringLiteral("-") : pAction->text(), pAction->isEnabled()});
        pMenu->hide();
        return items;
    }
    // Chooses an item by its text; false when it is grey or missing.
    static bool Choose(CTarvelinApp& app, int index, const QString& text)
    {
        QMenu* pMenu = OpenPopup(app, index);
        QAction* pChosen = nullptr;
        for (QAction* pAction : pMenu->actions()) {
            if (pAction->text() == text && pAction->isEnabled())
                pChosen = pAction;
        }
        pMenu->hide();
        if (pChosen != nullptr)
            pChosen->trigger();
        return pChosen != nullptr;
    }
    // A key to the main window, once the loop has given it back the keys after a dialog.
    static void Press(CTarvelinApp& app, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QApplication::activeModalWidget() == nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(Frame(app)));
        }
        QTest::keyClick(Frame(app), key, modifiers);
    }

    std::string Store() const
    {
        std::ifstream in(m_dir.Path() + "/config/Local AppWizard-Generated Applications/Tarvelin.reg");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempDir m_dir;
    QObject m_watchers;
};

TEST_F(QtAppTest, StartsUntitledWithTheMenuAsStoredAndAsksItsStatesEachTimeAPopupOpens)
{
    EXPECT_EQ(Run({}, [&](CTarvelinApp& app) {
        QMainWindow* pFrame = Frame(app);
        EXPECT_EQ(Title(app), kUntitledTitle);
        EXPECT_FALSE(pFrame->windowIcon().isNull());
        EXPECT_TRUE(pFrame->findChildren<QToolBar*>().isEmpty());
        EXPECT_EQ(pFrame->findChild<QStatusBar*>(), nullptr);
        EXPECT_GE(pFrame->centralWidget()->width(), 720);
        EXPECT_GE(pFrame->centralWidget()->height(), 360);

        QStringList bar;
        for (QAction* pAction : pFrame->menuBar()->actions())
            bar << pAction->text();
        EXPECT_EQ(bar, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾍﾙﾌﾟ(&H)"}));
        const std::vector<Item> file = {{"新規作成(&N)\tCtrl+N", true}, {"開く(&O)...\tCtrl+O", true},
                                        {"上書き保存(&S)\tCtrl+S", true}, {"名前を付けて保存(&A)...", true},
                                        {"-", true}, {"最新のﾌｧｲﾙ", false}, {"-", true},
                                        {"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", true}};
        EXPECT_EQ(Items(app, kFilePopup), file);
        const std::vector<Item> edit = {{"元に戻す(&U)\tCtrl+Z", false}, {"-", true}, {"切り取り(&T)\tCtrl+X", false},
                                        {"ｺﾋﾟｰ(&C)\tCtrl+C", false}, {"貼り付け(&P)\tCtrl+V", false}};
        // Asked again each time: the items come back grey however often the popup opens.
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(Items(app, kEditPopup), edit);
        EXPECT_EQ(Items(app, kHelpPopup), (std::vector<Item>{{"ﾊﾞｰｼﾞｮﾝ情報(Tarvelin) (&A)...", true}}));
    }), 0);
}

TEST_F(QtAppTest, AllThirteenAcceleratorsAreKeysButOnlyTheFileKeysAct)
{
    const AcceleratorTable* pTable = TarvelinResources().FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(pTable, nullptr);
    QStringList keys;
    for (const AccelEntry& entry : pTable->entries)
        keys << KeySequenceFor(entry).toString(QKeySequence::PortableText);
    EXPECT_EQ(keys, QStringList({"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Alt+Backspace",
                                 "Shift+Del", "Ctrl+Ins", "Shift+Ins", "F6", "Shift+F6"}));

    const std::string file = m_dir.Write("a.wav", ToneFile());
    EXPECT_EQ(Run({file}, [&](CTarvelinApp& app) {
        EXPECT_EQ(Frame(app)->findChildren<QShortcut*>().size(), 13);
        EXPECT_EQ(Title(app), "a.wav - Tarvelin");
        const std::pair<Qt::Key, Qt::KeyboardModifiers> idle[] = {
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::AltModifier}, {Qt::Key_Delete, Qt::ShiftModifier},
            {Qt::Key_Insert, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}, {Qt::Key_F6, Qt::NoModifier},
            {Qt::Key_F6, Qt::ShiftModifier}, {Qt::Key_S, Qt::ControlModifier}};
        for (auto [key, modifiers] : idle)
            Press(app, key, modifiers);
        EXPECT_EQ(Title(app), "a.wav - Tarvelin");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        Press(app, Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(Title(app), kUntitledTitle);
    }), 0);
}

TEST_F(QtAppTest, FileDialogsAreTitledAndFilteredAsAskedAndOpeningShowsTheRecentItem)
{
    // A recording whose name has no dot: the all-files filter must still offer it.
    const std::string tone = m_dir.Write("tone", ToneFile());
    EXPECT_EQ(Run({}, [&](CTarvelinApp& app) {
        WhenModalShows([&](QWidget& modal) {
            auto* pDialog = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(pDialog, nullptr);
            EXPECT_EQ(pDialog->windowTitle(), "名前を付けて保存");
            EXPECT_EQ(pDialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_FALSE(pDialog->testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(pDialog->selectedFiles().value(0).section('/', -1), "無題");
            pDialog->reject();
        });
        Press(app, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(Title(app), kUntitledTitle);

        WhenModalShows([&](QWidget& modal) {
            auto* pDialog = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(pDialog, nullptr);
            EXPECT_EQ(pDialog->windowTitle(), "開く");
            EXPECT_EQ(pDialog->fileMode(), QFileDialog::ExistingFile);
            auto* pTypes = pDialog->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(pTypes, nullptr);
            EXPECT_EQ(pTypes->count(), 1);
            EXPECT_EQ(pTypes->itemText(0), "すべてのﾌｧｲﾙ (*.*)");
            auto* pModel = pDialog->findChild<QFileSystemModel*>();
            ASSERT_NE(pModel, nullptr);
            EXPECT_EQ(pModel->nameFilters(), QStringList{"*"});
            pDialog->selectFile(QString::fromStdString(tone));
            static_cast<QDialog*>(pDialog)->accept();  // as the Open button does
        });
        Press(app, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(Title(app), "tone - Tarvelin");

        // The recording is never written over: Save and Save As are grey now.
        const std::vector<Item> file = Items(app, kFilePopup);
        ASSERT_EQ(file.size(), 8u);
        EXPECT_FALSE(file[2].bEnabled);
        EXPECT_FALSE(file[3].bEnabled);
        EXPECT_TRUE(file[5].text.startsWith("&1 ")) << file[5];
        EXPECT_TRUE(file[5].text.endsWith("tone")) << file[5];
        EXPECT_TRUE(file[5].bEnabled);

        // Its recent item opens it again only when another file is shown.
        Press(app, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(Choose(app, kFilePopup, file[5].text));
        EXPECT_EQ(Title(app), "tone - Tarvelin");
    }), 0);
    EXPECT_NE(Store().find("\"File1\"=\"" + tone + "\""), std::string::npos) << Store();
}

TEST_F(QtAppTest, TheTitleShowsAFileNameAsItIs)
{
    const std::string file = m_dir.Write("mix[*]&more.wav", ToneFile());
    EXPECT_EQ(Run({file}, [&](CTarvelinApp& app) {
        EXPECT_EQ(Frame(app)->windowHandle()->title(), "mix[*]&more.wav - Tarvelin");
    }), 0);
}

struct CloseCase {
    const char* name;
    std::function<void(QWidget&)> close;
};

TEST_F(QtAppTest, AboutBoxIsSizedInDialogUnitsCentredModalAndClosedEveryWay)
{
    const CloseCase cases[] = {
        {"Enter", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }},
        {"Space on OK", [](QWidget& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Space); }},
        {"Esc", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        {"close box", [](QWidget& dialog) { dialog.close(); }},
        {"click on OK", [](QWidget& dialog) { dialog.findChild<QPushButton*>()->click(); }},
    };
    const std::string file = m_dir.Write("a.wav", ToneFile());
    EXPECT_EQ(Run({file}, [&](CTarvelinApp& app) {
        for (const CloseCase& c : cases) {
            bool bShown = false;
            WhenModalShows([&](QWidget& modal) {
                bShown = true;
                auto* pDialog = dynamic_cast<CQtModalDialog*>(&modal);
                ASSERT_NE(pDialog, nullptr) << c.name;
                EXPECT_EQ(pDialog->windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報(Tarvelin)");
                EXPECT_EQ(QFontInfo(pDialog->font()).family(), "IPAPGothic");
                const QSize units = DialogBaseUnits(pDialog->font());
                EXPECT_EQ(pDialog->size(), QSize((217 * units.width() + 2) / 4, (55 * units.height() + 4) / 8));
                EXPECT_GE(pDialog->width(), 217);  // nine points take more than a pixel a unit
                EXPECT_LE((pDialog->frameGeometry().center() - Frame(app)->frameGeometry().center()).manhattanLength(), 4);

                QStringList texts;
                for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
                    texts << (pLabel->pixmap().isNull() ? pLabel->text() : QStringLiteral("(icon)"));
                EXPECT_EQ(texts, QStringList({"(icon)", "Tarvelin Version 1.0", "Copyright (C) 2026 Tarvelin"}));
                auto* pOk = pDialog->findChild<QPushButton*>();
                ASSERT_NE(pOk, nullptr);
                EXPECT_EQ(pOk->text(), "OK");
                EXPECT_TRUE(pOk->isDefault());
                EXPECT_EQ(pDialog->focusWidget(), pOk);

                // The main window takes no keys meanwhile.
                Press(app, Qt::Key_N, Qt::ControlModifier);
                EXPECT_EQ(Title(app), "a.wav - Tarvelin");
                c.close(modal);
            });
            EXPECT_TRUE(Choose(app, kHelpPopup, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(Tarvelin) (&A)...")));
            EXPECT_TRUE(bShown) << c.name;
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.name;
            EXPECT_EQ(Title(app), "a.wav - Tarvelin") << c.name;
        }
    }), 0);
}

struct BoxCase {
    unsigned nType;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    int nAnswer;
};

TEST_F(QtAppTest, MessageBoxesCarryTheCaptionIconAndButtonsAsked)
{
    const BoxCase cases[] = {
        {MB_OK | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONSTOP, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
         IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, IDYES},
        {MB_YESNOCANCEL | MB_ICONINFORMATION, QMessageBox::Information,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, IDNO},
    };
    int argc = 1;
    char name[] = "tarvelin";
    char* argv[] = {name, nullptr};
    CQtWindowSystem ws(argc, argv);
    for (const BoxCase& c : cases) {
        WhenModalShows([&](QWidget& modal) {
            auto* pBox = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(pBox, nullptr);
            EXPECT_EQ(pBox->windowTitle(), "Tarvelin");
            EXPECT_EQ(pBox->text(), "ﾒﾓﾘが不足しています。");
            EXPECT_EQ(pBox->icon(), c.icon);
            EXPECT_EQ(pBox->standardButtons(), c.buttons);
            pBox->button(c.press)->click();
        });
        EXPECT_EQ(ws.MessageBox(nullptr, "ﾒﾓﾘが不足しています。", "Tarvelin", c.nType), c.nAnswer);
    }
}

TEST_F(QtAppTest, TheWaitCursorNests)
{
    int argc = 1;
    char name[] = "tarvelin";
    char* argv[] = {name, nullptr};
    CQtWindowSystem ws(argc, argv);
    ws.BeginWaitCursor();
    ws.BeginWaitCursor();
    ws.EndWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ws.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtAppTest, TheEndOfTheSessionEndsTheRunAndKeepsTheSettings)
{
    const std::string file = m_dir.Write("a.wav", ToneFile());
    EXPECT_EQ(Run({file}, [&](CTarvelinApp&) { std::raise(SIGTERM); }), 0);
    EXPECT_NE(Store().find("\"File1\"=\"" + file + "\""), std::string::npos) << Store();
}

}  // namespace
