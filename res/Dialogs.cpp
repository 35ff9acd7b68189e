#include "ResourceParts.h"

#include "Resource.h"
#include "WinConstants.h"

namespace {

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

DialogTemplate BuildAboutDialog()
{
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    dialog.x = 0;
    dialog.y = 0;
    dialog.cx = 217;
    dialog.cy = 55;
    dialog.caption = "ﾊﾞｰｼﾞｮﾝ情報(Tarvelin)";
    dialog.fontPointSize = 9;
    dialog.fontFace = "ＭＳ Ｐゴシック";  // full-width M, S and P, an ASCII blank between
    dialog.items = {
        // The icon control takes the icon's own size; 20 x 20 is only its place holder.
        {DialogItemClass::Static, IDC_STATIC, "", IDR_MAINFRAME, kChild | SS_ICON, 0, 11, 17, 20, 20},
        {DialogItemClass::Static, IDC_STATIC, "Tarvelin Version 1.0", 0,
         kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 40, 10, 119, 8},
        {DialogItemClass::Static, IDC_STATIC, kCopyrightLine, 0,
         kChild | SS_LEFT | WS_GROUP, 0, 40, 25, 119, 8},
        {DialogItemClass::Button, IDOK, "OK", 0, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0,
         178, 7, 32, 14},
    };
    return dialog;
}

DialogTemplate BuildNewTypeDialog()
{
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    dialog.x = 9;
    dialog.y = 26;
    dialog.cx = 183;
    dialog.cy = 70;
    dialog.caption = "新規";
    dialog.fontPointSize = 8;
    dialog.fontFace = "MS Sans Serif";
    dialog.items = {
        {DialogItemClass::Static, IDC_STATIC, "新規(&N) ", 0, kChild | SS_LEFT, 0, 6, 5, 123, 8},
        {DialogItemClass::ListBox, AFX_IDC_LISTBOX, "", 0,
         kChild | LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 0, 6, 15, 125, 49},
        {DialogItemClass::Button, IDOK, "OK", 0, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 137, 6, 40, 14},
        {DialogItemClass::Button, IDCANCEL, "ｷｬﾝｾﾙ", 0, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 137, 23, 40,
         14},
        {DialogItemClass::Button, ID_HELP, "ﾍﾙﾌﾟ(&H)", 0, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 137, 43,
         40, 14},
    };
    return dialog;
}
