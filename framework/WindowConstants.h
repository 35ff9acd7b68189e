#pragma once

// Show states, message-box flags and answers, and the frame styles the framework uses, with
// the values the resource data and callers know them by.

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
