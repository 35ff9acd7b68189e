#pragma once

// The framework's standard command, string and window ids. An application's resources use
// the same numbers for the prompts and menu items of these commands, and the framework
// loads its own texts (titles, file-error messages) by these ids.

// Application title and idle text.
inline constexpr unsigned AFX_IDS_APP_TITLE = 0xE000;
inline constexpr unsigned AFX_IDS_IDLEMESSAGE = 0xE001;

// File commands.
inline constexpr unsigned ID_FILE_NEW = 0xE100;
inline constexpr unsigned ID_FILE_OPEN = 0xE101;
inline constexpr unsigned ID_FILE_CLOSE = 0xE102;
inline constexpr unsigned ID_FILE_SAVE = 0xE103;
inline constexpr unsigned ID_FILE_SAVE_AS = 0xE104;
inline constexpr unsigned ID_FILE_PRINT_DIRECT = 0xE108;
inline constexpr unsigned ID_FILE_MRU_FILE1 = 0xE110;
inline constexpr unsigned ID_FILE_MRU_FILE2 = 0xE111;
inline constexpr unsigned ID_FILE_MRU_FILE3 = 0xE112;
inline constexpr unsigned ID_FILE_MRU_FILE4 = 0xE113;
inline constexpr unsigned ID_FILE_MRU_FILE5 = 0xE114;
inline constexpr unsigned ID_FILE_MRU_FILE6 = 0xE115;
inline constexpr unsigned ID_FILE_MRU_FILE7 = 0xE116;
inline constexpr unsigned ID_FILE_MRU_FILE8 = 0xE117;
inline constexpr unsigned ID_FILE_MRU_FILE9 = 0xE118;
inline constexpr unsigned ID_FILE_MRU_FILE10 = 0xE119;
inline constexpr unsigned ID_FILE_MRU_FILE11 = 0xE11A;
inline constexpr unsigned ID_FILE_MRU_FILE12 = 0xE11B;
inline constexpr unsigned ID_FILE_MRU_FILE13 = 0xE11C;
inline constexpr unsigned ID_FILE_MRU_FILE14 = 0xE11D;
inline constexpr unsigned ID_FILE_MRU_FILE15 = 0xE11E;
inline constexpr unsigned ID_FILE_MRU_FILE16 = 0xE11F;

// Edit commands.
inline constexpr unsigned ID_EDIT_CLEAR = 0xE120;
inline constexpr unsigned ID_EDIT_CLEAR_ALL = 0xE121;
inline constexpr unsigned ID_EDIT_COPY = 0xE122;
inline constexpr unsigned ID_EDIT_CUT = 0xE123;
inline constexpr unsigned ID_EDIT_FIND = 0xE124;
inline constexpr unsigned ID_EDIT_PASTE = 0xE125;
inline constexpr unsigned ID_EDIT_REPEAT = 0xE128;
inline constexpr unsigned ID_EDIT_REPLACE = 0xE129;
inline constexpr unsigned ID_EDIT_SELECT_ALL = 0xE12A;
inline constexpr unsigned ID_EDIT_UNDO = 0xE12B;
inline constexpr unsigned ID_EDIT_REDO = 0xE12C;

// Window, application and help commands.
inline constexpr unsigned ID_WINDOW_SPLIT = 0xE135;
inline constexpr unsigned ID_APP_ABOUT = 0xE140;
inline constexpr unsigned ID_APP_EXIT = 0xE141;
inline constexpr unsigned ID_HELP = 0xE146;
inline constexpr unsigned ID_NEXT_PANE = 0xE150;
inline constexpr unsigned ID_PREV_PANE = 0xE151;

// The first pane of a frame: the id of its one view.
inline constexpr unsigned AFX_IDW_PANE_FIRST = 0xE900;

// System-command prompts: command c (0xF000 to 0xF1EF) has the prompt 0xEF00 + (c - 0xF000) / 16.
inline constexpr unsigned AFX_IDS_SCSIZE = 0xEF00;
inline constexpr unsigned AFX_IDS_SCMOVE = 0xEF01;
inline constexpr unsigned AFX_IDS_SCMINIMIZE = 0xEF02;
inline constexpr unsigned AFX_IDS_SCMAXIMIZE = 0xEF03;
inline constexpr unsigned AFX_IDS_SCNEXTWINDOW = 0xEF04;
inline constexpr unsigned AFX_IDS_SCPREVWINDOW = 0xEF05;
inline constexpr unsigned AFX_IDS_SCCLOSE = 0xEF06;
inline constexpr unsigned AFX_IDS_SCRESTORE = 0xEF12;
inline constexpr unsigned AFX_IDS_SCTASKLIST = 0xEF13;

// File dialogs and titles.
inline constexpr unsigned AFX_IDS_OPENFILE = 0xF000;
inline constexpr unsigned AFX_IDS_SAVEFILE = 0xF001;
inline constexpr unsigned AFX_IDS_ALLFILTER = 0xF002;
inline constexpr unsigned AFX_IDS_UNTITLED = 0xF003;
inline constexpr unsigned AFX_IDS_UNNAMED_FILE = 0xF006;
inline constexpr unsigned AFX_IDS_HIDE = 0xF011;

// Exception texts.
inline constexpr unsigned AFX_IDP_NO_ERROR_AVAILABLE = 0xF020;
inline constexpr unsigned AFX_IDS_NOT_SUPPORTED_EXCEPTION = 0xF021;
inline constexpr unsigned AFX_IDS_RESOURCE_EXCEPTION = 0xF022;
inline constexpr unsigned AFX_IDS_MEMORY_EXCEPTION = 0xF023;
inline constexpr unsigned AFX_IDS_USER_EXCEPTION = 0xF024;

// Messages of the document and application commands.
inline constexpr unsigned AFX_IDP_INVALID_FILENAME = 0xF100;
inline constexpr unsigned AFX_IDP_FAILED_TO_OPEN_DOC = 0xF101;
inline constexpr unsigned AFX_IDP_FAILED_TO_SAVE_DOC = 0xF102;
inline constexpr unsigned AFX_IDP_ASK_TO_SAVE = 0xF103;
inline constexpr unsigned AFX_IDP_FAILED_TO_CREATE_DOC = 0xF104;
inline constexpr unsigned AFX_IDP_FILE_TOO_LARGE = 0xF105;
inline constexpr unsigned AFX_IDP_FAILED_TO_START_PRINT = 0xF106;
inline constexpr unsigned AFX_IDP_FAILED_TO_LAUNCH_HELP = 0xF107;
inline constexpr unsigned AFX_IDP_INTERNAL_FAILURE = 0xF108;
inline constexpr unsigned AFX_IDP_COMMAND_FAILURE = 0xF109;
inline constexpr unsigned AFX_IDP_FAILED_MEMORY_ALLOC = 0xF10A;
inline constexpr unsigned AFX_IDP_UNREG_DONE = 0xF10B;
inline constexpr unsigned AFX_IDP_UNREG_FAILURE = 0xF10C;
inline constexpr unsigned AFX_IDP_DLL_LOAD_FAILED = 0xF10D;
inline constexpr unsigned AFX_IDP_DLL_BAD_VERSION = 0xF10E;

// Dialog data-exchange messages.
inline constexpr unsigned AFX_IDP_PARSE_INT = 0xF110;
inline constexpr unsigned AFX_IDP_PARSE_REAL = 0xF111;
inline constexpr unsigned AFX_IDP_PARSE_INT_RANGE = 0xF112;
inline constexpr unsigned AFX_IDP_PARSE_REAL_RANGE = 0xF113;
inline constexpr unsigned AFX_IDP_PARSE_STRING_SIZE = 0xF114;
inline constexpr unsigned AFX_IDP_PARSE_RADIO_BUTTON = 0xF115;
inline constexpr unsigned AFX_IDP_PARSE_BYTE = 0xF116;
inline constexpr unsigned AFX_IDP_PARSE_UINT = 0xF117;
inline constexpr unsigned AFX_IDP_PARSE_DATETIME = 0xF118;
inline constexpr unsigned AFX_IDP_PARSE_CURRENCY = 0xF119;

// Load and save messages for a file error that has no text of its own.
inline constexpr unsigned AFX_IDP_FAILED_INVALID_FORMAT = 0xF120;
inline constexpr unsigned AFX_IDP_FAILED_INVALID_PATH = 0xF121;
inline constexpr unsigned AFX_IDP_FAILED_DISK_FULL = 0xF122;
inline constexpr unsigned AFX_IDP_FAILED_ACCESS_READ = 0xF123;
inline constexpr unsigned AFX_IDP_FAILED_ACCESS_WRITE = 0xF124;
inline constexpr unsigned AFX_IDP_FAILED_IO_ERROR_READ = 0xF125;
inline constexpr unsigned AFX_IDP_FAILED_IO_ERROR_WRITE = 0xF126;

// Automation properties and mail.
inline constexpr unsigned AFX_IDP_GET_NOT_SUPPORTED = 0xF18C;
inline constexpr unsigned AFX_IDP_SET_NOT_SUPPORTED = 0xF18D;
inline constexpr unsigned AFX_IDP_FAILED_MAPI_LOAD = 0xF190;
inline constexpr unsigned AFX_IDP_INVALID_MAPI_DLL = 0xF191;
inline constexpr unsigned AFX_IDP_FAILED_MAPI_SEND = 0xF192;

// File-error texts: the text for a file error's cause k is AFX_IDP_FILE_NONE + k.
inline constexpr unsigned AFX_IDP_FILE_NONE = 0xF1A0;
inline constexpr unsigned AFX_IDP_FILE_GENERIC = 0xF1A1;
inline constexpr unsigned AFX_IDP_FILE_NOT_FOUND = 0xF1A2;
inline constexpr unsigned AFX_IDP_FILE_BAD_PATH = 0xF1A3;
inline constexpr unsigned AFX_IDP_FILE_TOO_MANY_OPEN = 0xF1A4;
inline constexpr unsigned AFX_IDP_FILE_ACCESS_DENIED = 0xF1A5;
inline constexpr unsigned AFX_IDP_FILE_INVALID_FILE = 0xF1A6;
inline constexpr unsigned AFX_IDP_FILE_REMOVE_CURRENT = 0xF1A7;
inline constexpr unsigned AFX_IDP_FILE_DIR_FULL = 0xF1A8;
inline constexpr unsigned AFX_IDP_FILE_BAD_SEEK = 0xF1A9;
inline constexpr unsigned AFX_IDP_FILE_HARD_IO = 0xF1AA;
inline constexpr unsigned AFX_IDP_FILE_SHARING = 0xF1AB;
inline constexpr unsigned AFX_IDP_FILE_LOCKING = 0xF1AC;
inline constexpr unsigned AFX_IDP_FILE_DISKFULL = 0xF1AD;
inline constexpr unsigned AFX_IDP_FILE_EOF = 0xF1AE;

// Archive-error texts: the text for an archive error's cause k is AFX_IDP_ARCH_NONE + k.
inline constexpr unsigned AFX_IDP_ARCH_NONE = 0xF1B0;
inline constexpr unsigned AFX_IDP_ARCH_GENERIC = 0xF1B1;
inline constexpr unsigned AFX_IDP_ARCH_READONLY = 0xF1B2;
inline constexpr unsigned AFX_IDP_ARCH_ENDOFFILE = 0xF1B3;
inline constexpr unsigned AFX_IDP_ARCH_WRITEONLY = 0xF1B4;
inline constexpr unsigned AFX_IDP_ARCH_BADINDEX = 0xF1B5;
inline constexpr unsigned AFX_IDP_ARCH_BADCLASS = 0xF1B6;
inline constexpr unsigned AFX_IDP_ARCH_BADSCHEMA = 0xF1B7;

// Unit name of hosted controls.
inline constexpr unsigned AFX_IDS_OCC_SCALEUNITS_PIXELS = 0xF1C0;
