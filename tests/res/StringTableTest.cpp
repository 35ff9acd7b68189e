#include "Resource.h"
#include "TarvelinResources.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const CResourceSet& Res() { return TarvelinResources(); }

std::vector<unsigned> StringIds()
{
    std::vector<unsigned> ids;
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        if (Res().FindString(id) != nullptr)
            ids.push_back(id);
    }
    return ids;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> fields(1);
    for (const char ch : text) {
        if (ch == separator)
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    return fields;
}

// True when every character of the UTF-8 text has a code in code page 932.
bool EncodesInCodePage932(const std::string& text)
{
    const iconv_t failed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
    const iconv_t converter = iconv_open("CP932", "UTF-8");
    EXPECT_NE(converter, failed) << "no CP932 converter";
    if (converter == failed)
        return false;
    std::string input = text;
    std::string output(text.size() * 2 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    return result != static_cast<std::size_t>(-1) && inLeft == 0;
}

TEST(StringTableTest, Holds128StringsAndNotTheThreeTheProgramNeverAsksFor)
{
    const std::vector<unsigned> ids = StringIds();
    EXPECT_EQ(ids.size(), 128u);
    for (const unsigned absent : {0xE002u, 0xF004u, 0xF005u, 0xF1AFu, 0xE126u})
        EXPECT_EQ(Res().FindString(absent), nullptr) << std::hex << absent;
}

TEST(StringTableTest, TextsAreStoredExactly)
{
    struct Case {
        unsigned id;
        const char* text;
    } cases[] = {
        {AFX_IDS_APP_TITLE, "Tarvelin"},
        {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ"},
        {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
        {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙに名前を付けて保存\n名前をつけて保存"},
        {ID_FILE_MRU_FILE1, "指定のﾌｧｲﾙを開く"},
        {ID_FILE_MRU_FILE16, "指定のﾌｧｲﾙを開く"},
        {ID_EDIT_COPY, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟ-"},  // ASCII hyphen at the end
        {ID_EDIT_REDO, "直前に行った動作を繰り返す\nやり直し"},
        {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
        {ID_PREV_PANE, "前のｳｨﾝﾄﾞｳに切り替える\n前ﾍﾟｰｼﾞ"},
        {ID_INDICATOR_SCRL, "SCRL"},
        {ID_INDICATOR_KANA, "ｶﾅ"},
        {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
        {AFX_IDS_SCTASKLIST, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え"},
        {AFX_IDS_OPENFILE, "開く"},
        {AFX_IDS_SAVEFILE, "名前を付けて保存"},
        {AFX_IDS_ALLFILTER, "すべてのﾌｧｲﾙ (*.*)"},
        {AFX_IDS_UNTITLED, "無題"},
        {AFX_IDS_UNNAMED_FILE, "無題のﾌｧｲﾙ"},
        {AFX_IDS_MEMORY_EXCEPTION, "ﾒﾓﾘが不足しています。"},
        {AFX_IDP_FAILED_TO_SAVE_DOC, "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。"},
        {AFX_IDP_FAILED_TO_CREATE_DOC, "空のﾄﾞｷｭﾒﾝﾄの作成に失敗しました。"},
        {AFX_IDP_UNREG_DONE, "ｼｽﾃﾑ ﾚｼﾞｽﾄﾘのｴﾝﾄﾘは削除されています、また INI ﾌｧｲﾙも削除されました。"},
        {AFX_IDP_FILE_NOT_FOUND, "%1 が見つかりません。"},
        {AFX_IDP_FILE_INVALID_FILE, "%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられています。"},
        {AFX_IDP_FILE_REMOVE_CURRENT, "%1 could not be removed because it is the current directory."},
        {AFX_IDP_FILE_BAD_SEEK, "%1 のｼｰｸに失敗しました"},  // no full stop
        {AFX_IDP_FILE_HARD_IO, "%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。"},
        {AFX_IDP_FILE_EOF, "%1 の末尾以降にｱｸｾｽしようとしました。"},
        {AFX_IDS_OCC_SCALEUNITS_PIXELS, "ﾋﾟｸｾﾙ"},
    };
    for (const Case& c : cases) {
        const std::string* text = Res().FindString(c.id);
        ASSERT_NE(text, nullptr) << std::hex << c.id;
        EXPECT_EQ(*text, c.text) << std::hex << c.id;
    }
}

TEST(StringTableTest, EveryTextIsNonEmptyAndFitsTheJapaneseCodePage)
{
    for (const unsigned id : StringIds()) {
        const std::string& text = *Res().FindString(id);
        EXPECT_FALSE(text.empty()) << std::hex << id;
        EXPECT_TRUE(EncodesInCodePage932(text)) << std::hex << id << " " << text;
    }
}

TEST(StringTableTest, EachFileErrorCauseHasATextNamingTheFile)
{
    EXPECT_EQ(Res().FindString(AFX_IDP_FILE_NONE)->find("%1"), std::string::npos);
    for (unsigned cause = 1; cause <= 14; ++cause) {
        const std::string* text = Res().FindString(AFX_IDP_FILE_NONE + cause);
        ASSERT_NE(text, nullptr) << cause;
        EXPECT_NE(text->find("%1 "), std::string::npos) << cause;
    }
}

TEST(StringTableTest, CommandPromptsHoldAPromptAndATooltip)
{
    for (unsigned id = ID_FILE_NEW; id <= ID_PREV_PANE; ++id) {
        const std::string* text = Res().FindString(id);
        if (text == nullptr)
            continue;
        const bool recentFile = id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16;
        const std::vector<std::string> parts = Split(*text, '\n');
        ASSERT_EQ(parts.size(), recentFile ? 1u : 2u) << std::hex << id;
        for (const std::string& part : parts)
            EXPECT_FALSE(part.empty()) << std::hex << id;
    }
}

TEST(StringTableTest, DocumentTemplateStringHasSevenFields)
{
    const std::string* text = Res().FindString(IDR_MAINFRAME);
    ASSERT_NE(text, nullptr);
    const std::vector<std::string> expected = {
        "Tarvelin", "", "Tarvel", "", "", "Tarvelin.Document", "Tarvel Document"};
    EXPECT_EQ(Split(*text, '\n'), expected);
}

TEST(StringTableTest, AfxLoadStringReadsTheInstalledSet)
{
    AfxSetResourceSet(&TarvelinResources());
    EXPECT_EQ(AfxLoadString(AFX_IDS_APP_TITLE), "Tarvelin");
    std::string text = "kept";
    EXPECT_FALSE(AfxLoadString(0xF004, text));
    EXPECT_EQ(text, "kept");
    AfxSetResourceSet(nullptr);
}

}  // namespace
