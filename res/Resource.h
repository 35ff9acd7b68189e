#pragma once

#include "FrameworkIds.h"

// Tarvelin's own resource ids, and the framework resources that it carries in Japanese.

// Menu, accelerators, icon and document-template string of the main frame.
inline constexpr unsigned IDR_MAINFRAME = 128;
// The document-type icon.
inline constexpr unsigned IDR_TARVELTYPE = 129;
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned VS_VERSION_INFO = 1;

// Status-bar indicator texts.
inline constexpr unsigned ID_INDICATOR_EXT = 0xE700;
inline constexpr unsigned ID_INDICATOR_CAPS = 0xE701;
inline constexpr unsigned ID_INDICATOR_NUM = 0xE702;
inline constexpr unsigned ID_INDICATOR_SCRL = 0xE703;
inline constexpr unsigned ID_INDICATOR_OVR = 0xE704;
inline constexpr unsigned ID_INDICATOR_REC = 0xE705;
inline constexpr unsigned ID_INDICATOR_KANA = 0xE706;

// The framework's dialog for choosing among several document types, and its list box.
inline constexpr unsigned AFX_IDD_NEWTYPEDLG = 30721;
inline constexpr unsigned AFX_IDC_LISTBOX = 100;

inline constexpr unsigned AFX_IDC_CONTEXTHELP = 30977;

// Bitmaps: the 3-D check box and radio button images, the mini-frame menu button, and the
// check-list-box states in two looks.
inline constexpr unsigned CTL3D_3DCHECK = 26567;
inline constexpr unsigned AFX_IDB_MINIFRAME_MENU = 30994;
inline constexpr unsigned AFX_IDB_CHECKLISTBOX_NT = 30995;
inline constexpr unsigned AFX_IDB_CHECKLISTBOX_95 = 30996;
