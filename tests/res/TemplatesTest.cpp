#include "Resource.h"
#include "TarvelinResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CResourceSet& Res() { return TarvelinResources(); }

std::vector<unsigned> ItemIds(const MenuItemTemplate& popup)
{
    std::vector<unsigned> ids;
    for (const MenuItemTemplate& item : popup.items)
        ids.push_back(item.id);
    return ids;
}

TEST(MainMenuTest, ThreePopupsWithTheirItemsInOrder)
{
    const MenuTemplate* menu = Res().FindMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 3u);
    const char* popupTexts[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾍﾙﾌﾟ(&H)"};
    const std::vector<unsigned> popupIds[] = {
        {0xE100, 0xE101, 0xE103, 0xE104, 0, 0xE110, 0, 0xE141},
        {0xE12B, 0, 0xE123, 0xE122, 0xE125},
        {0xE140},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const MenuItemTemplate& popup = menu->items[i];
        EXPECT_EQ(popup.kind, MenuItemKind::Popup);
        EXPECT_EQ(popup.text, popupTexts[i]);
        EXPECT_EQ(popup.flags, 0u);
        EXPECT_EQ(ItemIds(popup), popupIds[i]) << popup.text;
        for (const MenuItemTemplate& item : popup.items) {
            EXPECT_EQ(item.kind, item.id == 0 ? MenuItemKind::Separator : MenuItemKind::Command);
            EXPECT_EQ(item.text.empty(), item.id == 0);
            EXPECT_TRUE(item.items.empty());
            // Only the recent-file place starts grey.
            EXPECT_EQ(item.flags, item.id == ID_FILE_MRU_FILE1 ? 0x0001u : 0u) << item.text;
        }
    }
}

TEST(MainMenuTest, ItemTextsKeepAccessKeysAndKeyNames)
{
    const MenuTemplate* menu = Res().FindMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    const auto& file = menu->items[0].items;
    const auto& edit = menu->items[1].items;
    EXPECT_EQ(file[0].text, "新規作成(&N)\tCtrl+N");
    EXPECT_EQ(file[1].text, "開く(&O)...\tCtrl+O");
    EXPECT_EQ(file[3].text, "名前を付けて保存(&A)...");
    EXPECT_EQ(file[5].text, "最新のﾌｧｲﾙ");
    EXPECT_EQ(file[7].text, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
    EXPECT_EQ(edit[3].text, "ｺﾋﾟｰ(&C)\tCtrl+C");  // the long-vowel mark, unlike its tooltip
    EXPECT_EQ(menu->items[2].items[0].text, "ﾊﾞｰｼﾞｮﾝ情報(Tarvelin) (&A)...");
}

TEST(AcceleratorTest, ThirteenVirtualKeyEntriesInOrder)
{
    const AcceleratorTable* table = Res().FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(table, nullptr);
    // Flags by value: 0x01 virtual key, 0x04 Shift, 0x08 Ctrl, 0x10 Alt.
    struct Expected {
        unsigned flags, key, command;
    } expected[] = {
        {0x09, 0x4E, 0xE100}, {0x09, 0x4F, 0xE101}, {0x09, 0x53, 0xE103}, {0x09, 0x5A, 0xE12B},
        {0x09, 0x58, 0xE123}, {0x09, 0x43, 0xE122}, {0x09, 0x56, 0xE125}, {0x11, 0x08, 0xE12B},
        {0x05, 0x2E, 0xE123}, {0x09, 0x2D, 0xE122}, {0x05, 0x2D, 0xE125}, {0x01, 0x75, 0xE150},
        {0x05, 0x75, 0xE151},
    };
    ASSERT_EQ(table->entries.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const AccelEntry& entry = table->entries[i];
        EXPECT_EQ(entry.flags, expected[i].flags) << "entry " << i + 1;
        EXPECT_EQ(entry.key, expected[i].key) << "entry " << i + 1;
        EXPECT_EQ(entry.command, expected[i].command) << "entry " << i + 1;
    }
}

struct ExpectedItem {
    DialogItemClass itemClass;
    int id;
    const char* text;
    unsigned iconId;
    std::uint32_t style;
    int x, y, cx, cy;
};

void ExpectItems(const DialogTemplate& dialog, const std::vector<ExpectedItem>& expected)
{
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        const ExpectedItem& want = expected[i];
        SCOPED_TRACE("item " + std::to_string(i + 1));
        EXPECT_EQ(item.itemClass, want.itemClass);
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.iconId, want.iconId);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ((std::vector<int>{item.x, item.y, item.cx, item.cy}),
                  (std::vector<int>{want.x, want.y, want.cx, want.cy}));
    }
}

// Styles by value: 0x50000000 is a visible child; 0x80C800C0 a modal popup with caption,
// system menu and its own font.
TEST(DialogTemplateTest, AboutBox)
{
    const DialogTemplate* dialog = Res().FindDialog(IDD_ABOUTBOX);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style, 0x80C800C0u);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ((std::vector<int>{dialog->x, dialog->y, dialog->cx, dialog->cy}), (std::vector<int>{0, 0, 217, 55}));
    EXPECT_EQ(dialog->caption, "ﾊﾞｰｼﾞｮﾝ情報(Tarvelin)");
    EXPECT_EQ(dialog->fontPointSize, 9);
    EXPECT_EQ(dialog->fontFace, "\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
    ExpectItems(*dialog, {
        {DialogItemClass::Static, -1, "", 128, 0x50000003, 11, 17, 20, 20},
        {DialogItemClass::Static, -1, "Tarvelin Version 1.0", 0, 0x50020080, 40, 10, 119, 8},
        {DialogItemClass::Static, -1, "Copyright (C) 2026 Tarvelin", 0, 0x50020000, 40, 25, 119, 8},
        {DialogItemClass::Button, 1, "OK", 0, 0x50030001, 178, 7, 32, 14},
    });
    EXPECT_NE(Res().FindIconGroup(dialog->items[0].iconId), nullptr);
}

TEST(DialogTemplateTest, NewDocumentTypeDialog)
{
    const DialogTemplate* dialog = Res().FindDialog(AFX_IDD_NEWTYPEDLG);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style, 0x80C800C4u);  // with the 3-D look
    EXPECT_EQ((std::vector<int>{dialog->x, dialog->y, dialog->cx, dialog->cy}), (std::vector<int>{9, 26, 183, 70}));
    EXPECT_EQ(dialog->caption, "新規");
    EXPECT_EQ(dialog->fontPointSize, 8);
    EXPECT_EQ(dialog->fontFace, "MS Sans Serif");
    ExpectItems(*dialog, {
        {DialogItemClass::Static, -1, "新規(&N) ", 0, 0x50000000, 6, 5, 123, 8},
        {DialogItemClass::ListBox, 100, "", 0, 0x50A10001, 6, 15, 125, 49},
        {DialogItemClass::Button, 1, "OK", 0, 0x50010001, 137, 6, 40, 14},
        {DialogItemClass::Button, 2, "ｷｬﾝｾﾙ", 0, 0x50010000, 137, 23, 40, 14},
        {DialogItemClass::Button, 0xE146, "ﾍﾙﾌﾟ(&H)", 0, 0x50010000, 137, 43, 40, 14},
    });
}

TEST(VersionInfoTest, FixedPartStringsAndTranslation)
{
    const VersionInfo* info = Res().FindVersion(VS_VERSION_INFO);
    ASSERT_NE(info, nullptr);
    const std::array<std::uint16_t, 4> version = {1, 0, 0, 1};
    EXPECT_EQ(info->fixed.fileVersion, version);
    EXPECT_EQ(info->fixed.productVersion, version);
    EXPECT_EQ(info->fixed.fileFlagsMask, 0x3Fu);
    EXPECT_EQ(info->fixed.fileFlags, 0u);
    EXPECT_EQ(info->fixed.fileOS, 4u);
    EXPECT_EQ(info->fixed.fileType, 1u);
    EXPECT_EQ(info->fixed.fileSubtype, 0u);
    EXPECT_EQ(info->fixed.fileDate, 0u);

    EXPECT_EQ(info->stringBlockName, "041104B0");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"CompanyName", ""},
        {"FileDescription", "Tarvelin MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Tarvelin"},
        {"LegalCopyright", "Copyright (C) 2026 Tarvelin"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Tarvelin.EXE"},
        {"ProductName", "Tarvelin ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    std::vector<std::pair<std::string, std::string>> actual;
    for (const VersionString& entry : info->strings)
        actual.emplace_back(entry.key, entry.value);
    EXPECT_EQ(actual, expected);

    ASSERT_EQ(info->translations.size(), 1u);
    EXPECT_EQ(info->translations[0].language, 0x0411);
    EXPECT_EQ(info->translations[0].codePage, 0x04B0);
}

TEST(ResourceLookupTest, MissingIdsFindNothing)
{
    EXPECT_EQ(Res().FindString(0), nullptr);
    EXPECT_EQ(Res().FindString(0x1E000), nullptr);  // ids are 16-bit
    EXPECT_EQ(Res().FindMenu(IDR_TARVELTYPE), nullptr);
    EXPECT_EQ(Res().FindAccelerators(IDD_ABOUTBOX), nullptr);
    EXPECT_EQ(Res().FindDialog(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(Res().FindIconGroup(AFX_IDC_CONTEXTHELP), nullptr);
    EXPECT_EQ(Res().FindCursorGroup(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(Res().FindBitmap(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(Res().FindVersion(2), nullptr);
}

}  // namespace
