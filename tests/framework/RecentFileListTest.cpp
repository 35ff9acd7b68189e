#include "RecentFileList.h"

#include <gtest/gtest.h>

#include <climits>
#include <unistd.h>

namespace {

std::vector<std::string> Entries(const CRecentFileList& list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list.GetSize(); ++i)
        entries.push_back(list[i]);
    return entries;
}

CRecentFileList MakeList()
{
    return CRecentFileList(0, "Recent File List", "File%d", 4);
}

TEST(RecentFileListTest, AddKeepsTheLastFourWithoutRepeats)
{
    const struct {
        std::vector<std::string> added;
        std::vector<std::string> expected;
    } cases[] = {
        {{"/a", "/b", "/c", "/d", "/e"}, {"/e", "/d", "/c", "/b"}},
        {{"/a", "/b", "/a"}, {"/a", "/b", "", ""}},
        {{"/a", "/b", "/c", "/b"}, {"/b", "/c", "/a", ""}},
        // The last entry is not compared: it falls off while the path comes to the top.
        {{"/a", "/b", "/c", "/d", "/a"}, {"/a", "/d", "/c", "/b"}},
        {{"/m/./x/../a"}, {"/m/a", "", "", ""}},
        {{"/m/A", "/m/a"}, {"/m/a", "/m/A", "", ""}},
    };
    for (const auto& c : cases) {
        CRecentFileList list = MakeList();
        for (const std::string& path : c.added)
            list.Add(path);
        EXPECT_EQ(Entries(list), c.expected) << c.added.back();
    }

    char cwd[PATH_MAX];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    CRecentFileList list = MakeList();
    list.Add("relative.wav");
    EXPECT_EQ(list[0], std::string(cwd) + "/relative.wav");
}

TEST(RecentFileListTest, RemoveMovesTheLaterEntriesUp)
{
    CRecentFileList list = MakeList();
    for (const char* path : {"/d", "/c", "/b", "/a"})
        list.Add(path);
    list.Remove(1);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"/a", "/c", "/d", ""}));
    list.Remove(4);
    list.Remove(-1);
    list.Remove(0);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"/c", "/d", "", ""}));
    EXPECT_EQ(list.GetEntryName(0), "File1");
    EXPECT_EQ(list.GetEntryName(3), "File4");
}

TEST(RecentFileListTest, ShownNamesAreShortenedAtFolders)
{
    const struct {
        std::string path;
        std::string currentDir;
        std::string shown;
    } cases[] = {
        {"/home/me/a.wav", "/home/me", "a.wav"},
        {"/home/me/a.wav", "/home/me/", "a.wav"},
        {"/a.wav", "/", "a.wav"},
        {"/home/me/a really long name of a take number one.wav", "/home/me",
         "a really long name of a take number one.wav"},
        {"/home/me/a.wav", "/home/Me", "/home/me/a.wav"},
        {"/home/user/music/202/first.wav", "/", "/home/user/music/202/first.wav"},  // 30 fit
        {"/home/user/music/2024/takes/first.wav", "/", "/home/.../2024/takes/first.wav"},
        {"/home/user/music/2024/takes2/first.wav", "/", "/home/.../takes2/first.wav"},
        {"/home/user/music/2024/a-very-long-folder/first.wav", "/", "/home/.../first.wav"},
        {"/home/user/music/a-take-with-a-long-name.wav", "/", "a-take-with-a-long-name.wav"},
        {"/home/user/a-take-named-with-31-characters", "/", "a-take-named-with-31-characters"},
        {"/home/directly-in-first-folder.wav", "/", "directly-in-first-folder.wav"},
        {"/a-take-at-the-root-thirty-char", "/", "a-take-at-the-root-thirty-char"},
        {"/データ/音楽/二〇二四年/最初の録音です.wav", "/", "/データ/音楽/二〇二四年/最初の録音です.wav"},
        {"/データ/音楽/二〇二四年/十二月/第二スタジオ/最初の録音です.wav", "/",
         "/データ/.../第二スタジオ/最初の録音です.wav"},
    };
    for (const auto& c : cases) {
        CRecentFileList list = MakeList();
        list[0] = c.path;
        std::string shown;
        ASSERT_TRUE(list.GetDisplayName(0, shown, c.currentDir)) << c.path;
        EXPECT_EQ(shown, c.shown) << c.path;
    }
}

TEST(RecentFileListTest, MenuTextsNumberTheEntriesAndDoubleAmpersands)
{
    CRecentFileList list = MakeList();
    list[0] = "/music/R&B.wav";
    list[1] = "/music/plain.wav";
    std::string text;
    ASSERT_TRUE(list.GetMenuText(0, text, "/music"));
    EXPECT_EQ(text, "&1 R&&B.wav");
    ASSERT_TRUE(list.GetMenuText(1, text, "/"));
    EXPECT_EQ(text, "&2 /music/plain.wav");
    EXPECT_FALSE(list.GetMenuText(2, text, "/"));
    EXPECT_FALSE(list.GetMenuText(4, text, "/"));

    CRecentFileList tenth(9, "Recent File List", "File%d", 4);
    tenth[0] = "/a.wav";
    ASSERT_TRUE(tenth.GetMenuText(0, text, "/music"));
    EXPECT_EQ(text, "&0 /a.wav");
}

}  // namespace
