#include "Registry.h"
#include "RegistryFile.h"
#include "TempFile.h"
#include "TextFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace {

constexpr auto kUser = CRegistry::HKEY_CURRENT_USER;
const std::string kRootName = "HKEY_CURRENT_USER\\Software\\Acme\\App";
const std::string kAppKey = "Software\\Acme\\App";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

class RegistryTest : public testing::Test {
protected:
    std::string Folder() const { return dir.Path() + "/config/Acme"; }
    std::string AppFile() const { return Folder() + "/App.reg"; }

    TempDir dir;
    CRegistry registry{dir.Path() + "/config"};
};

TEST(RegistryFileTest, WritesExportFormWithEscapesAndReadsItBack)
{
    CRegistryFile file;
    file.AddKey({"Settings"});
    file.AddKey({"Recent File List"});
    file.SetValue({"Recent File List"}, "File1", std::string("C:\\dir\\\"quoted\".wav"));
    file.SetValue({"Recent File List"}, "File2", std::string("two\nlines\r"));
    file.SetValue({"Recent File List"}, "say \"hi\"", std::string());
    file.SetValue({"Settings"}, "PreviewPages", std::uint32_t{10});
    file.SetValue({"Settings"}, "", std::string("default"));
    file.SetValue({"Recent File List"}, "File1", std::string("/replaced in place"));

    const std::string text = file.Format(kRootName);
    EXPECT_EQ(text, kHeader +
                        "[HKEY_CURRENT_USER\\Software\\Acme\\App]\n"
                        "\n"
                        "[HKEY_CURRENT_USER\\Software\\Acme\\App\\Recent File List]\n"
                        "\"File1\"=\"/replaced in place\"\n"
                        "\"File2\"=\"two\\nlines\\r\"\n"
                        "\"say \\\"hi\\\"\"=\"\"\n"
                        "\n"
                        "[HKEY_CURRENT_USER\\Software\\Acme\\App\\Settings]\n"
                        "\"PreviewPages\"=dword:0000000a\n"
                        "@=\"default\"\n");

    file.SetValue({"Recent File List"}, "File1", std::string("C:\\dir\\\"quoted\".wav"));
    CRegistryFile reread;
    ASSERT_TRUE(reread.Parse(file.Format(kRootName), kRootName));
    EXPECT_EQ(reread.Format(kRootName), file.Format(kRootName));
    EXPECT_EQ(std::get<std::string>(reread.FindValue({"Recent File List"}, "File1")->data), "C:\\dir\\\"quoted\".wav");
    EXPECT_EQ(std::get<std::string>(reread.FindValue({"Recent File List"}, "File2")->data), "two\nlines\r");
}

TEST(RegistryFileTest, ParsesOnlyExportFormBelowItsRoot)
{
    const std::string key = "[" + kRootName + "]\n";
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {kHeader + key, true},
        {"Windows Registry Editor Version 5.00\r\n\r\n[" + kRootName + "\\A]\r\n\"x\"=dword:A\r\n", true},
        {kHeader + "; a comment\n" + key + "\"a\"=\"b\"\n\n\n", true},
        {kHeader + "[" + kRootName + "\\Deep\\Below]\n", true},  // the keys above are implied
        {"", false},
        {kHeader, false},
        {"Windows Registry Editor Version 4.00\n\n" + key, false},
        {kHeader + "\"a\"=\"b\"\n" + key, false},  // a value before any key
        {kHeader + "[HKEY_CURRENT_USER\\Software\\Acme\\Other]\n", false},
        {kHeader + "[" + kRootName + "Suffix]\n", false},
        {kHeader + "[" + kRootName + "\\\\Empty]\n", false},
        {kHeader + "[" + kRootName + "\n", false},
        {kHeader + key + "\"a\"=\"b\\x\"\n", false},  // unknown escape
        {kHeader + key + "\"a\"=\"unterminated\n", false},
        {kHeader + key + "\"a\"=\"b\" trailing\n", false},
        {kHeader + key + "\"a\"=dword:000000001\n", false},
        {kHeader + key + "\"a\"=dword:\n", false},
        {kHeader + key + "\"a\"=dword:0000000g\n", false},
        {kHeader + key + "\"a\"=hex:01,02\n", false},
        {kHeader + key + "a=\"b\"\n", false},
        {kHeader + key + "\"a\"\n", false},
    };
    for (const auto& c : cases) {
        CRegistryFile file;
        EXPECT_EQ(file.Parse(c.text, kRootName), c.valid) << c.text;
    }
    CRegistryFile file;
    ASSERT_TRUE(file.Parse(kHeader + "[" + kRootName + "\\Deep\\Below]\n", kRootName));
    EXPECT_EQ(file.Subkeys({}), std::vector<std::string>{"Deep"});
    EXPECT_EQ(file.Subkeys({"Deep"}), std::vector<std::string>{"Below"});
}

TEST_F(RegistryTest, CreatesKeysValuesAndDeletesThem)
{
    EXPECT_TRUE(registry.KeyExists(kUser, "Software"));
    EXPECT_FALSE(registry.KeyExists(kUser, kAppKey));
    ASSERT_TRUE(registry.CreateKey(kUser, kAppKey + "\\Section\\Inner"));
    EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Acme"));
    EXPECT_TRUE(registry.KeyExists(kUser, kAppKey + "\\Section"));
    EXPECT_FALSE(registry.KeyExists(kUser, kAppKey + "\\section"));  // names are exact

    EXPECT_TRUE(registry.SetString(kUser, kAppKey + "\\Section", "Text", "12"));
    EXPECT_TRUE(registry.SetDword(kUser, kAppKey + "\\Section", "Number", 10));
    EXPECT_TRUE(registry.SetString(kUser, kAppKey + "\\Section", "Word", "12x"));
    EXPECT_FALSE(registry.SetString(kUser, kAppKey + "\\Missing", "Text", "x"));

    // Values are read whatever their type.
    std::string text;
    std::uint32_t number = 0;
    EXPECT_TRUE(registry.QueryString(kUser, kAppKey + "\\Section", "Number", text));
    EXPECT_EQ(text, "10");
    EXPECT_TRUE(registry.QueryDword(kUser, kAppKey + "\\Section", "Text", number));
    EXPECT_EQ(number, 12u);
    EXPECT_FALSE(registry.QueryDword(kUser, kAppKey + "\\Section", "Word", number));
    EXPECT_TRUE(registry.SetString(kUser, kAppKey + "\\Section", "Word", "4294967296"));
    EXPECT_FALSE(registry.QueryDword(kUser, kAppKey + "\\Section", "Word", number));
    EXPECT_FALSE(registry.QueryString(kUser, kAppKey + "\\Section", "Missing", text));

    EXPECT_TRUE(registry.DeleteValue(kUser, kAppKey + "\\Section", "Word"));
    EXPECT_FALSE(registry.DeleteValue(kUser, kAppKey + "\\Section", "Word"));

    EXPECT_EQ(registry.EnumSubkeys(kUser, kAppKey), std::vector<std::string>{"Section"});
    EXPECT_FALSE(registry.DeleteKey(kUser, kAppKey + "\\Section"));  // it has a subkey
    EXPECT_FALSE(registry.DeleteKey(kUser, "Software\\Acme"));
    EXPECT_FALSE(registry.DeleteKey(kUser, "Software"));
    EXPECT_TRUE(registry.DeleteKey(kUser, kAppKey + "\\Section\\Inner"));
    EXPECT_TRUE(registry.DeleteKey(kUser, kAppKey + "\\Section"));
    EXPECT_EQ(ReadText(AppFile()), kHeader + "[" + kRootName + "]\n");

    ASSERT_TRUE(registry.CreateKey(kUser, kAppKey + "\\Section\\Inner"));
    EXPECT_TRUE(registry.DeleteTree(kUser, kAppKey));
    EXPECT_FALSE(registry.KeyExists(kUser, kAppKey));
    EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Acme"));
    EXPECT_TRUE(registry.DeleteKey(kUser, "Software\\Acme"));
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(RegistryTest, CompanyKeyListsSettingsFilesOnly)
{
    ASSERT_TRUE(registry.CreateKey(kUser, "Software\\Acme\\First"));
    ASSERT_TRUE(registry.CreateKey(kUser, "Software\\Acme\\Second"));
    WriteText(Folder() + "/notes.txt", "not a key");
    EXPECT_EQ(registry.EnumSubkeys(kUser, "Software\\Acme"), (std::vector<std::string>{"First", "Second"}));

    EXPECT_TRUE(registry.DeleteTree(kUser, "Software\\Acme\\First"));
    EXPECT_TRUE(registry.DeleteTree(kUser, "Software\\Acme\\Second"));
    // The folder also holds something that is not a key: it stays, and so does that file.
    EXPECT_FALSE(registry.DeleteKey(kUser, "Software\\Acme"));
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"notes.txt"});
}

TEST_F(RegistryTest, ClassesRootIsNeverFound)
{
    constexpr auto kClasses = CRegistry::HKEY_CLASSES_ROOT;
    EXPECT_FALSE(registry.CreateKey(kClasses, "Tarvelin.Document\\DefaultIcon"));
    EXPECT_FALSE(registry.KeyExists(kClasses, "Tarvelin.Document"));
    EXPECT_FALSE(registry.SetString(kClasses, "Tarvelin.Document", "", "x"));
    EXPECT_FALSE(registry.DeleteKey(kClasses, "Tarvelin.Document"));
    EXPECT_TRUE(registry.EnumSubkeys(kClasses, "Tarvelin.Document").empty());
    registry.DeleteKeyAndEmptyParents(kClasses, "Tarvelin.Document\\shell\\open\\command");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/config"));
}

TEST_F(RegistryTest, RefusesKeyNamesThatCannotBeStored)
{
    const std::vector<std::string> keys = {"Elsewhere\\Acme",  "Software\\..\\App", "Software\\Acme\\a/b",
                                           "Software\\Acme\\", "Software\\\\App",  kAppKey + "\\line\nbreak"};
    for (const std::string& key : keys)
        EXPECT_FALSE(registry.CreateKey(kUser, key)) << key;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/config"));
    EXPECT_FALSE(CRegistry("").CreateKey(kUser, kAppKey));
}

TEST_F(RegistryTest, AFailedWriteLeavesTheOldContent)
{
    ASSERT_TRUE(registry.CreateKey(kUser, kAppKey + "\\Section"));
    ASSERT_TRUE(registry.SetString(kUser, kAppKey + "\\Section", "File1", "/old.wav"));
    const std::string before = ReadText(AppFile());

    // The disk fills up half-way through the new text.
    registry.SetWriteFunction([](int fd, const void* data, std::size_t size) -> ssize_t {
        if (::write(fd, data, size / 2) < 0)
            return -1;
        errno = ENOSPC;
        return -1;
    });
    EXPECT_FALSE(registry.SetString(kUser, kAppKey + "\\Section", "File1", "/new.wav"));
    EXPECT_FALSE(registry.DeleteTree(kUser, kAppKey + "\\Section"));
    EXPECT_EQ(ReadText(AppFile()), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"App.reg"});

    // A process that died while writing left its temporary file; it is never read, does not
    // get in the way, and goes with the key.
    WriteText(Folder() + "/.App.reg.tmp-a1b2c3", "Windows Registry Editor Vers");
    CRegistry later(dir.Path() + "/config");
    std::string value;
    EXPECT_TRUE(later.QueryString(kUser, kAppKey + "\\Section", "File1", value));
    EXPECT_EQ(value, "/old.wav");
    EXPECT_TRUE(later.SetString(kUser, kAppKey + "\\Section", "File1", "/new.wav"));
    EXPECT_TRUE(later.DeleteTree(kUser, kAppKey));
    EXPECT_TRUE(later.DeleteKey(kUser, "Software\\Acme"));
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(RegistryTest, AnUnparsableFileIsSetAsideAndTheKeyStartsClean)
{
    const std::string valueLine = "\"File1\"=\"/a.wav\"\n";
    std::string oversized = kHeader + "[" + kRootName + "]\n";
    while (oversized.size() <= 64 * 1024)
        oversized += valueLine;
    for (const std::string& bad : {std::string("not a settings file \x01\x02"), oversized}) {
        WriteText(AppFile(), bad);
        std::string value;
        EXPECT_FALSE(registry.QueryString(kUser, kAppKey, "File1", value));
        EXPECT_FALSE(registry.KeyExists(kUser, kAppKey));

        const std::vector<std::string> entries = FolderEntries(Folder());
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_TRUE(entries[0].starts_with("App.reg.bad-")) << entries[0];
        EXPECT_EQ(ReadText(Folder() + "/" + entries[0]), bad);
        std::filesystem::remove(Folder() + "/" + entries[0]);
    }

    // A second bad file is set aside beside the first, never over it (within the same
    // second its name gets a further number).
    WriteText(AppFile(), "first");
    ASSERT_TRUE(registry.CreateKey(kUser, kAppKey));
    WriteText(AppFile(), "second");
    ASSERT_TRUE(registry.CreateKey(kUser, kAppKey + "\\Settings"));
    EXPECT_EQ(FolderEntries(Folder()).size(), 3u);
    EXPECT_EQ(ReadText(AppFile()), kHeader + "[" + kRootName + "]\n\n[" + kRootName + "\\Settings]\n");
}

}  // namespace
