#include "ResourceParts.h"

#include "Resource.h"
#include "WinConstants.h"

namespace {

MenuItemTemplate Command(const char* text, unsigned id, unsigned flags = 0)
{
    return {MenuItemKind::Command, text, id, flags, {}};
}

MenuItemTemplate Separator() { return {MenuItemKind::Separator, "", 0, 0, {}}; }

MenuItemTemplate Popup(const char* text, std::vector<MenuItemTemplate> items)
{
    return {MenuItemKind::Popup, text, 0, 0, std::move(items)};
}

}  // namespace

MenuTemplate BuildMainMenu()
{
    return {{
        Popup("ﾌｧｲﾙ(&F)",
              {
                  Command("新規作成(&N)\tCtrl+N", ID_FILE_NEW),
                  Command("開く(&O)...\tCtrl+O", ID_FILE_OPEN),
                  Command("上書き保存(&S)\tCtrl+S", ID_FILE_SAVE),
                  Command("名前を付けて保存(&A)...", ID_FILE_SAVE_AS),
                  Separator(),
                  // The place of the recent-file list; grey until the list has an entry.
                  Command("最新のﾌｧｲﾙ", ID_FILE_MRU_FILE1, MF_GRAYED),
                  Separator(),
                  Command("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", ID_APP_EXIT),
              }),
        Popup("編集(&E)",
              {
                  Command("元に戻す(&U)\tCtrl+Z", ID_EDIT_UNDO),
                  Separator(),
                  Command("切り取り(&T)\tCtrl+X", ID_EDIT_CUT),
                  Command("ｺﾋﾟｰ(&C)\tCtrl+C", ID_EDIT_COPY),
                  Command("貼り付け(&P)\tCtrl+V", ID_EDIT_PASTE),
              }),
        Popup("ﾍﾙﾌﾟ(&H)",
              {
                  Command("ﾊﾞｰｼﾞｮﾝ情報(Tarvelin) (&A)...", ID_APP_ABOUT),
              }),
    }};
}

AcceleratorTable BuildMainAccelerators()
{
    constexpr std::uint8_t kCtrl = FVIRTKEY | FCONTROL;
    constexpr std::uint8_t kShift = FVIRTKEY | FSHIFT;
    constexpr std::uint8_t kAlt = FVIRTKEY | FALT;
    return {{
        {kCtrl, 'N', ID_FILE_NEW},
        {kCtrl, 'O', ID_FILE_OPEN},
        {kCtrl, 'S', ID_FILE_SAVE},
        {kCtrl, 'Z', ID_EDIT_UNDO},
        {kCtrl, 'X', ID_EDIT_CUT},
        {kCtrl, 'C', ID_EDIT_COPY},
        {kCtrl, 'V', ID_EDIT_PASTE},
        // The older keys for the same edit commands.
        {kAlt, VK_BACK, ID_EDIT_UNDO},
        {kShift, VK_DELETE, ID_EDIT_CUT},
        {kCtrl, VK_INSERT, ID_EDIT_COPY},
        {kShift, VK_INSERT, ID_EDIT_PASTE},
        {FVIRTKEY, VK_F6, ID_NEXT_PANE},
        {kShift, VK_F6, ID_PREV_PANE},
    }};
}
