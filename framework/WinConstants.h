#pragma once

#include <cstdint>

// The window, control, menu, key and message-box numbers that resource templates and the
// framework are written in. They keep the values that the templates were made with, so a
// template reads the same here as it did where it came from; the window-system backend
// translates them.

// Window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;  // title bar and thin border
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;

// Dialog styles.
inline constexpr std::uint32_t DS_3DLOOK = 0x0004;
inline constexpr std::uint32_t DS_SETFONT = 0x0040;  // the template names its font
inline constexpr std::uint32_t DS_MODALFRAME = 0x0080;

// Control styles: the low bits mean something different for each control class.
inline constexpr std::uint32_t SS_LEFT = 0x0000;
inline constexpr std::uint32_t SS_ICON = 0x0003;
inline constexpr std::uint32_t SS_NOPREFIX = 0x0080;  // '&' is shown, not an access key
inline constexpr std::uint32_t SS_TYPEMASK = 0x001F;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
inline constexpr std::uint32_t BS_TYPEMASK = 0x000F;
inline constexpr std::uint32_t LBS_NOTIFY = 0x0001;

// Menu item flags.
inline constexpr unsigned MF_GRAYED = 0x0001;
inline constexpr unsigned MF_DISABLED = 0x0002;
inline constexpr unsigned MF_CHECKED = 0x0008;

// Accelerator flags.
inline constexpr std::uint8_t FVIRTKEY = 0x01;  // the key is a virtual-key code, not a character
inline constexpr std::uint8_t FNOINVERT = 0x02;
inline constexpr std::uint8_t FSHIFT = 0x04;
inline constexpr std::uint8_t FCONTROL = 0x08;
inline constexpr std::uint8_t FALT = 0x10;

// Virtual-key codes. Letters and digits are their upper-case ASCII codes ('N' is 0x4E).
inline constexpr std::uint16_t VK_BACK = 0x08;
inline constexpr std::uint16_t VK_TAB = 0x09;
inline constexpr std::uint16_t VK_RETURN = 0x0D;
inline constexpr std::uint16_t VK_ESCAPE = 0x1B;
inline constexpr std::uint16_t VK_INSERT = 0x2D;
inline constexpr std::uint16_t VK_DELETE = 0x2E;
inline constexpr std::uint16_t VK_F1 = 0x70;
inline constexpr std::uint16_t VK_F6 = 0x75;

// Dialog end codes and the ids of the standard buttons; IDC_STATIC marks a control that
// nothing addresses.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

// Version-block fields.
inline constexpr std::uint32_t VS_FFI_FILEFLAGSMASK = 0x0000003F;
inline constexpr std::uint32_t VOS__WINDOWS32 = 0x00000004;
inline constexpr std::uint32_t VFT_APP = 0x00000001;

// Resource language: Japanese, default sub-language.
inline constexpr std::uint16_t LANG_JAPANESE = 0x11;
inline constexpr std::uint16_t SUBLANG_DEFAULT = 0x01;
inline constexpr std::uint16_t MakeLangId(std::uint16_t primary, std::uint16_t sub)
{
    return static_cast<std::uint16_t>((sub << 10) | primary);
}

// Show states, message-box flags and answers, and the frame styles the framework uses.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_RESTORE = 9;

inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
inline constexpr unsigned MB_SYSTEMMODAL = 0x1000;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

inline constexpr unsigned FWS_ADDTOTITLE = 0x00008000u;
inline constexpr unsigned FWS_PREFIXTITLE = 0x00004000u;
inline constexpr unsigned WS_OVERLAPPEDWINDOW = 0x00CF0000u;
inline constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200u;
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);
