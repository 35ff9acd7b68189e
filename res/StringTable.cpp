#include "ResourceParts.h"

#include "Resource.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

// Texts as stored, in UTF-8. Most katakana words are half-width on purpose. The tooltip of
// Copy ends in an ASCII hyphen, the bad-seek text has no full stop and the text for removing
// the current directory is in English: keep them so.
constexpr StringEntry kStrings[] = {
    // Fields of the document template, one per line: window title, document name, File New
    // name, filter name, filter extension, file-type id, file-type name.
    {IDR_MAINFRAME, "Tarvelin\n\nTarvel\n\n\nTarvelin.Document\nTarvel Document"},

    // Application title and idle text.
    {AFX_IDS_APP_TITLE, "Tarvelin"},
    {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ"},

    // Command prompts: the status-bar prompt, then after a line feed the tooltip.
    {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
    {ID_FILE_CLOSE, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_FILE_SAVE, "作業中のﾌｧｲﾙを保存\n保存"},
    {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙに名前を付けて保存\n名前をつけて保存"},
    {ID_EDIT_CLEAR, "選択範囲を消去\n消去"},
    {ID_EDIT_CLEAR_ALL, "すべて消去\nすべて消去"},
    {ID_EDIT_COPY, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟ-"},
    {ID_EDIT_CUT, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
    {ID_EDIT_FIND, "指定した文字列の検索\n検索"},
    {ID_EDIT_PASTE, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
    {ID_EDIT_REPEAT, "直前に行った動作を繰り返す\nﾘﾋﾟｰﾄ"},
    {ID_EDIT_REPLACE, "指定した文字列を他の文字列で置換\n置換"},
    {ID_EDIT_SELECT_ALL, "ﾌｧｲﾙ全体を選択\nすべて選択"},
    {ID_EDIT_UNDO, "直前に行った動作を元に戻す\n元に戻す"},
    {ID_EDIT_REDO, "直前に行った動作を繰り返す\nやり直し"},
    {ID_WINDOW_SPLIT, "作業中のｳｨﾝﾄﾞｳを分割\n分割"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_NEXT_PANE, "次のｳｨﾝﾄﾞｳに切り替える\n次ﾍﾟｰｼﾞ"},
    {ID_PREV_PANE, "前のｳｨﾝﾄﾞｳに切り替える\n前ﾍﾟｰｼﾞ"},

    // Status-bar indicators.
    {ID_INDICATOR_EXT, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "上書"},
    {ID_INDICATOR_REC, "記録"},
    {ID_INDICATOR_KANA, "ｶﾅ"},

    // System-command prompts.
    {AFX_IDS_SCSIZE, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},
    {AFX_IDS_SCMOVE, "ｳｨﾝﾄﾞｳの位置を変更"},
    {AFX_IDS_SCMINIMIZE, "ｳｨﾝﾄﾞｳをｱｲｺﾝ化する"},
    {AFX_IDS_SCMAXIMIZE, "ｳｨﾝﾄﾞｳを最大表示にする"},
    {AFX_IDS_SCNEXTWINDOW, "次のｳｨﾝﾄﾞｳに切り替える"},
    {AFX_IDS_SCPREVWINDOW, "前のｳｨﾝﾄﾞｳに切り替える"},
    {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"},
    {AFX_IDS_SCRESTORE, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
    {AFX_IDS_SCTASKLIST, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え"},

    // File dialogs and titles.
    {AFX_IDS_OPENFILE, "開く"},
    {AFX_IDS_SAVEFILE, "名前を付けて保存"},
    {AFX_IDS_ALLFILTER, "すべてのﾌｧｲﾙ (*.*)"},
    {AFX_IDS_UNTITLED, "無題"},
    {AFX_IDS_UNNAMED_FILE, "無題のﾌｧｲﾙ"},
    {AFX_IDS_HIDE, "非表示(&H)"},

    // Exception texts.
    {AFX_IDP_NO_ERROR_AVAILABLE, "このｴﾗｰについての説明はありません。"},
    {AFX_IDS_NOT_SUPPORTED_EXCEPTION, "ｻﾎﾟｰﾄされていない操作を実行しました。"},
    {AFX_IDS_RESOURCE_EXCEPTION, "要求されたﾘｿｰｽは使用できません。"},
    {AFX_IDS_MEMORY_EXCEPTION, "ﾒﾓﾘが不足しています。"},
    {AFX_IDS_USER_EXCEPTION, "ﾕｰｻﾞｰ定義のｴﾗｰが発生しました。"},

    // Messages of the document and application commands.
    {AFX_IDP_INVALID_FILENAME, "無効なﾌｧｲﾙ名です。"},
    {AFX_IDP_FAILED_TO_OPEN_DOC, "ﾄﾞｷｭﾒﾝﾄを開けませんでした。"},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。"},
    {AFX_IDP_ASK_TO_SAVE, "%1 の変更内容を保存しますか?"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "空のﾄﾞｷｭﾒﾝﾄの作成に失敗しました。"},
    {AFX_IDP_FILE_TOO_LARGE, "ﾌｧｲﾙが大きすぎるため開けません。"},
    {AFX_IDP_FAILED_TO_START_PRINT, "印刷を開始できませんでした。"},
    {AFX_IDP_FAILED_TO_LAUNCH_HELP, "ﾍﾙﾌﾟを起動できませんでした。"},
    {AFX_IDP_INTERNAL_FAILURE, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。"},
    {AFX_IDP_COMMAND_FAILURE, "ｺﾏﾝﾄﾞの実行に失敗しました。"},
    {AFX_IDP_FAILED_MEMORY_ALLOC, "ﾒﾓﾘの割り当てに失敗しました。"},
    {AFX_IDP_UNREG_DONE, "ｼｽﾃﾑ ﾚｼﾞｽﾄﾘのｴﾝﾄﾘは削除されています、また INI ﾌｧｲﾙも削除されました。"},
    {AFX_IDP_UNREG_FAILURE, "ｼｽﾃﾑ ﾚｼﾞｽﾄﾘのｴﾝﾄﾘ、または INI ﾌｧｲﾙを削除できませんでした。"},
    {AFX_IDP_DLL_LOAD_FAILED, "ﾗｲﾌﾞﾗﾘ %1 を読み込めませんでした。"},
    {AFX_IDP_DLL_BAD_VERSION, "ﾗｲﾌﾞﾗﾘ %1 のﾊﾞｰｼﾞｮﾝが正しくありません。"},

    // Dialog data-exchange messages.
    {AFX_IDP_PARSE_INT, "整数を入力してください。"},
    {AFX_IDP_PARSE_REAL, "数値を入力してください。"},
    {AFX_IDP_PARSE_INT_RANGE, "%1 から %2 までの整数を入力してください。"},
    {AFX_IDP_PARSE_REAL_RANGE, "%1 から %2 までの数値を入力してください。"},
    {AFX_IDP_PARSE_STRING_SIZE, "%1 文字以内で入力してください。"},
    {AFX_IDP_PARSE_RADIO_BUTTON, "ﾎﾞﾀﾝを 1 つ選択してください。"},
    {AFX_IDP_PARSE_BYTE, "0 から 255 までの整数を入力してください。"},
    {AFX_IDP_PARSE_UINT, "0 以上の整数を入力してください。"},
    {AFX_IDP_PARSE_DATETIME, "日付または時刻を入力してください。"},
    {AFX_IDP_PARSE_CURRENCY, "金額を入力してください。"},

    // Load and save messages for a file error without a text of its own.
    {AFX_IDP_FAILED_INVALID_FORMAT, "ﾌｧｲﾙの形式が正しくありません。"},
    {AFX_IDP_FAILED_INVALID_PATH, "%1 が見つかりません。ﾊﾟｽとﾌｧｲﾙ名を確認してください。"},
    {AFX_IDP_FAILED_DISK_FULL, "ﾃﾞｨｽｸの空き容量が足りません。"},
    {AFX_IDP_FAILED_ACCESS_READ, "%1 を読み込めません。他のﾌﾟﾛｸﾞﾗﾑが使用中です。"},
    {AFX_IDP_FAILED_ACCESS_WRITE, "%1 に書き込めません。読み取り専用か、他のﾌﾟﾛｸﾞﾗﾑが使用中です。"},
    {AFX_IDP_FAILED_IO_ERROR_READ, "%1 の読み込み中に予期しないｴﾗｰが発生しました。"},
    {AFX_IDP_FAILED_IO_ERROR_WRITE, "%1 の書き込み中に予期しないｴﾗｰが発生しました。"},

    // Automation properties and mail.
    {AFX_IDP_GET_NOT_SUPPORTED, "このﾌﾟﾛﾊﾟﾃｨは読み取れません。"},
    {AFX_IDP_SET_NOT_SUPPORTED, "このﾌﾟﾛﾊﾟﾃｨは変更できません。"},
    {AFX_IDP_FAILED_MAPI_LOAD, "ﾒｰﾙ ｼｽﾃﾑを読み込めませんでした。"},
    {AFX_IDP_INVALID_MAPI_DLL, "ﾒｰﾙ ｼｽﾃﾑのﾗｲﾌﾞﾗﾘが正しくありません。"},
    {AFX_IDP_FAILED_MAPI_SEND, "ﾒｰﾙを送信できませんでした。"},

    // File-error texts, indexed by the file error's cause.
    {AFX_IDP_FILE_NONE, "ｴﾗｰはありません。"},
    {AFX_IDP_FILE_GENERIC, "%1 へのｱｸｾｽ中に予期しないｴﾗｰが発生しました。"},
    {AFX_IDP_FILE_NOT_FOUND, "%1 が見つかりません。"},
    {AFX_IDP_FILE_BAD_PATH, "%1 は無効なﾊﾟｽです。"},
    {AFX_IDP_FILE_TOO_MANY_OPEN, "開いているﾌｧｲﾙが多すぎるため %1 を開けませんでした。"},
    {AFX_IDP_FILE_ACCESS_DENIED, "%1 へのｱｸｾｽは拒否されました。"},
    {AFX_IDP_FILE_INVALID_FILE, "%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられています。"},
    {AFX_IDP_FILE_REMOVE_CURRENT, "%1 could not be removed because it is the current directory."},
    {AFX_IDP_FILE_DIR_FULL, "ﾃﾞｨﾚｸﾄﾘの空き容量が不足しているため %1 を作成できません。"},
    {AFX_IDP_FILE_BAD_SEEK, "%1 のｼｰｸに失敗しました"},
    {AFX_IDP_FILE_HARD_IO, "%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。"},
    {AFX_IDP_FILE_SHARING, "%1 へのｱｸｾｽ中に共有違反が発生しました。"},
    {AFX_IDP_FILE_LOCKING, "%1 へのｱｸｾｽ中にﾛｯｷﾝｸﾞ違反が発生しました。"},
    {AFX_IDP_FILE_DISKFULL, "%1 へのｱｸｾｽ中にﾃﾞｨｽｸの空き容量が不足しました。"},
    {AFX_IDP_FILE_EOF, "%1 の末尾以降にｱｸｾｽしようとしました。"},

    // Archive-error texts, indexed by the archive error's cause.
    {AFX_IDP_ARCH_NONE, "ｴﾗｰはありません。"},
    {AFX_IDP_ARCH_GENERIC, "%1 の読み書き中に予期しないｴﾗｰが発生しました。"},
    {AFX_IDP_ARCH_READONLY, "読み込み用に開いた %1 に書き込もうとしました。"},
    {AFX_IDP_ARCH_ENDOFFILE, "%1 の読み込み中にﾌｧｲﾙの末尾に達しました。"},
    {AFX_IDP_ARCH_WRITEONLY, "書き込み用に開いた %1 から読み込もうとしました。"},
    {AFX_IDP_ARCH_BADINDEX, "%1 の形式が正しくありません。"},
    {AFX_IDP_ARCH_BADCLASS, "%1 に予期しないｵﾌﾞｼﾞｪｸﾄが含まれています。"},
    {AFX_IDP_ARCH_BADSCHEMA, "%1 のﾃﾞｰﾀは対応していないﾊﾞｰｼﾞｮﾝの形式です。"},

    // Unit name of hosted controls.
    {AFX_IDS_OCC_SCALEUNITS_PIXELS, "ﾋﾟｸｾﾙ"},
};

// The recent-file items share one prompt and have no tooltip.
constexpr const char* kRecentFilePrompt = "指定のﾌｧｲﾙを開く";

}  // namespace

std::map<unsigned, std::string> BuildStringTable()
{
    std::map<unsigned, std::string> table;
    for (const StringEntry& entry : kStrings)
        table.emplace(entry.id, entry.text);
    for (unsigned id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE16; ++id)
        table.emplace(id, kRecentFilePrompt);
    return table;
}
