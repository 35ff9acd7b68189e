#include "PathUtil.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string RealFolder(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

std::string CurrentFolder()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

TEST(PathUtilTest, FullPathNormalisesByTheText)
{
    const std::string cwd = CurrentFolder();
    const struct {
        std::string given;
        std::string expected;
    } cases[] = {
        {"/music/./takes/../a.wav", "/music/a.wav"},
        {"//music///a.wav/", "/music/a.wav"},
        {"/../../a.wav", "/a.wav"},
        {"/", "/"},
        {"takes/../a.wav", cwd + "/a.wav"},
        {".", cwd},
        {"\"/music/my take.wav\"", "/music/my take.wav"},  // unwrapped from its quotes
        {"\"/music/a.wav\" trailing", "/music/a.wav"},
        {"/music/a\".wav", "/music/a\".wav"},  // a quote inside a name is part of it
        {"\"\"", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AfxFullPath(c.given), c.expected) << c.given;
}

TEST(PathUtilTest, FullPathFollowsLinksAndKeepsExistingNamesWhole)
{
    TempDir dir;
    const std::string real = RealFolder(dir.Path());
    dir.Write("take.wav", {});
    const std::string quoted = dir.Write("say \"hi\".wav", {});
    ASSERT_EQ(::symlink("take.wav", (dir.Path() + "/link.wav").c_str()), 0);
    ASSERT_EQ(::symlink("link.wav", (dir.Path() + "/link2.wav").c_str()), 0);
    ASSERT_EQ(::symlink("missing.wav", (dir.Path() + "/dangling.wav").c_str()), 0);

    EXPECT_EQ(AfxFullPath(dir.Path() + "/link.wav"), real + "/take.wav");
    EXPECT_EQ(AfxFullPath(dir.Path() + "/link2.wav"), real + "/take.wav");
    EXPECT_EQ(AfxFullPath(dir.Path() + "/dangling.wav"), dir.Path() + "/dangling.wav");
    EXPECT_EQ(AfxFullPath(dir.Path() + "/take.wav"), dir.Path() + "/take.wav");
    EXPECT_EQ(AfxFullPath(quoted), quoted);
    EXPECT_EQ(AfxFullPath("\"" + quoted + "\""), quoted);
}

TEST(PathUtilTest, TitlesFoldersAndComparison)
{
    const struct {
        std::string path;
        std::string title;
        std::string folder;
    } cases[] = {
        {"/music/takes/a.wav", "a.wav", "/music/takes"},
        {"/a.wav", "a.wav", "/"},
        {"a.wav", "a.wav", ""},
        {"/music/no extension", "no extension", "/music"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AfxGetFileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(AfxGetFolder(c.path), c.folder) << c.path;
    }
    EXPECT_TRUE(AfxComparePath("/music/a.wav", "/music/a.wav"));
    EXPECT_FALSE(AfxComparePath("/music/a.wav", "/music/A.wav"));
}

}  // namespace
