#include "ProfileStore.h"
#include "RecentFileList.h"
#include "TempFile.h"
#include "TextFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kCompany = "Local AppWizard-Generated Applications";
const std::string kKey = "[HKEY_CURRENT_USER\\Software\\Local AppWizard-Generated Applications\\Tarvelin";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

class ProfileStoreTest : public testing::Test {
protected:
    ProfileStoreTest() { store.SetRegistryKey(kCompany, "Tarvelin"); }

    std::string Base() const { return dir.Path() + "/config"; }
    std::string Folder() const { return Base() + "/" + kCompany; }
    std::string StoreText() const { return ReadText(Folder() + "/Tarvelin.reg"); }
    // Every replacement of the file gives it a new inode.
    ino_t FileId() const
    {
        struct stat info {};
        return ::stat((Folder() + "/Tarvelin.reg").c_str(), &info) == 0 ? info.st_ino : 0;
    }

    // What the application does with its settings at start-up and at exit.
    void StartUp()
    {
        recent.ReadList(store);
        previewPages = store.GetProfileInt("Settings", "PreviewPages", 0);
    }
    void Exit()
    {
        recent.WriteList(store);
        if (previewPages != 0)
            store.WriteProfileInt("Settings", "PreviewPages", static_cast<int>(previewPages));
    }

    TempDir dir;
    CProfileStore store{Base()};
    CRecentFileList recent{0, "Recent File List", "File%d", 4};
    unsigned previewPages = 0;
};

TEST_F(ProfileStoreTest, FirstStartCreatesTheKeysAndExitLeavesSettingsOnly)
{
    StartUp();
    EXPECT_EQ(StoreText(), kHeader + kKey + "]\n\n" + kKey + "\\Recent File List]\n\n" + kKey + "\\Settings]\n");
    // Reading keys that exist writes nothing.
    const ino_t before = FileId();
    StartUp();
    EXPECT_EQ(FileId(), before);
    Exit();
    EXPECT_EQ(StoreText(), kHeader + kKey + "]\n\n" + kKey + "\\Settings]\n");
}

TEST_F(ProfileStoreTest, ARunThatOpenedTwoFilesKeepsThemMostRecentFirst)
{
    StartUp();
    recent.Add("/home/me/takes/first.wav");
    recent.Add("/home/me/takes/second \"best\" take.wav");
    Exit();
    EXPECT_EQ(StoreText(), kHeader + kKey + "]\n\n" + kKey + "\\Recent File List]\n"
                               "\"File1\"=\"/home/me/takes/second \\\"best\\\" take.wav\"\n"
                               "\"File2\"=\"/home/me/takes/first.wav\"\n\n" +
                               kKey + "\\Settings]\n");

    CRecentFileList nextRun(0, "Recent File List", "File%d", 4);
    nextRun.ReadList(store);
    EXPECT_EQ(nextRun[0], "/home/me/takes/second \"best\" take.wav");
    EXPECT_EQ(nextRun[1], "/home/me/takes/first.wav");
    EXPECT_EQ(nextRun[2], "");
}

TEST_F(ProfileStoreTest, AGapInTheListShowsOneItemAndIsWrittenBackInPlace)
{
    store.WriteProfileString("Recent File List", "File1", "/a.wav");
    store.WriteProfileString("Recent File List", "File3", "/c.wav");
    StartUp();

    int shown = 0;
    std::string text;
    while (shown < recent.GetSize() && recent.GetMenuText(shown, text, "/elsewhere"))
        ++shown;
    EXPECT_EQ(shown, 1);

    Exit();
    EXPECT_EQ(StoreText(), kHeader + kKey + "]\n\n" + kKey + "\\Recent File List]\n"
                               "\"File1\"=\"/a.wav\"\n\"File3\"=\"/c.wav\"\n\n" +
                               kKey + "\\Settings]\n");
}

TEST_F(ProfileStoreTest, ProfileValuesAndSections)
{
    EXPECT_EQ(store.GetProfileString("Settings", "Missing", "fallback"), "fallback");
    EXPECT_EQ(store.GetProfileInt("Settings", "Missing", 7), 7u);
    EXPECT_TRUE(store.WriteProfileInt("Settings", "PreviewPages", 2));
    EXPECT_EQ(store.GetProfileInt("Settings", "PreviewPages", 0), 2u);
    EXPECT_TRUE(store.WriteProfileString("Settings", "Name", "x"));
    EXPECT_EQ(store.GetProfileString("Settings", "Name"), "x");

    EXPECT_TRUE(store.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_EQ(store.GetProfileString("Settings", "Name", "gone"), "gone");
    EXPECT_TRUE(store.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_FALSE(store.GetRegistry().KeyExists(CRegistry::HKEY_CURRENT_USER, store.GetAppKey() + "\\Settings"));

    // Before a registry key is named there is no store at all.
    CProfileStore unnamed(Base() + "-unnamed");
    EXPECT_EQ(unnamed.GetProfileString("Settings", "Name", "default"), "default");
    EXPECT_FALSE(unnamed.WriteProfileString("Settings", "Name", "x"));
    EXPECT_FALSE(std::filesystem::exists(Base() + "-unnamed"));
}

TEST_F(ProfileStoreTest, UnregisteringRemovesTheFileAndTheEmptyCompanyFolder)
{
    StartUp();
    recent.Add("/home/me/a.wav");
    Exit();
    store.Unregister({"Tarvelin.Document"});
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_TRUE(std::filesystem::exists(Base()));

    // Another application of the same company keeps its key and the folder.
    CProfileStore other(Base());
    other.SetRegistryKey(kCompany, "Other");
    other.WriteProfileInt("Settings", "PreviewPages", 1);
    StartUp();
    store.Unregister({"Tarvelin.Document"});
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"Other.reg"});
}

TEST_F(ProfileStoreTest, AnUnparsableStoreStartsClean)
{
    WriteText(Folder() + "/Tarvelin.reg", kHeader + kKey + "]\n\"File1\"=\"/a.wav\n");
    StartUp();
    EXPECT_EQ(recent[0], "");
    EXPECT_EQ(FolderEntries(Folder()).size(), 2u);  // the old file lies beside the new one
    EXPECT_EQ(StoreText(), kHeader + kKey + "]\n\n" + kKey + "\\Recent File List]\n\n" + kKey + "\\Settings]\n");
}

}  // namespace
