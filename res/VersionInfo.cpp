#include "ResourceParts.h"

#include "WinConstants.h"

VersionInfo BuildVersionInfo()
{
    VersionInfo info;
    info.fixed.fileVersion = {1, 0, 0, 1};
    info.fixed.productVersion = {1, 0, 0, 1};
    info.fixed.fileFlagsMask = VS_FFI_FILEFLAGSMASK;
    info.fixed.fileFlags = 0;
    info.fixed.fileOS = VOS__WINDOWS32;
    info.fixed.fileType = VFT_APP;
    info.fixed.fileSubtype = 0;
    info.fixed.fileDate = 0;

    // Japanese, UTF-16: the language and code page of the translation below, in hex.
    info.stringBlockName = "041104B0";
    info.strings = {
        {"CompanyName", ""},
        {"FileDescription", "Tarvelin MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Tarvelin"},
        {"LegalCopyright", kCopyrightLine},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Tarvelin.EXE"},
        {"ProductName", "Tarvelin ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    info.translations = {{MakeLangId(LANG_JAPANESE, SUBLANG_DEFAULT), 0x04B0}};
    return info;
}
