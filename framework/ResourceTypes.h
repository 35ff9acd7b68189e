#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Resources as plain values: what the framework loads by id and hands to the window system.
// Texts are UTF-8 and stored as the resource holds them: '&' marks an access key and a tab
// leads the key name of a menu item. Style and flag numbers are those of WinConstants.h.

enum class MenuItemKind { Command, Separator, Popup };

struct MenuItemTemplate {
    MenuItemKind kind = MenuItemKind::Command;
    std::string text;
    unsigned id = 0;     // the command; 0 for a separator or a popup
    unsigned flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED
    std::vector<MenuItemTemplate> items;  // a popup's items, in order
};

// A menu bar: its popups, left to right.
struct MenuTemplate {
    std::vector<MenuItemTemplate> items;
};

struct AccelEntry {
    std::uint8_t flags = 0;    // FVIRTKEY with FSHIFT, FCONTROL, FALT
    std::uint16_t key = 0;     // a virtual-key code when FVIRTKEY is set, else a character
    std::uint16_t command = 0;
};

// Entries in table order; the first one that matches a key stroke wins.
struct AcceleratorTable {
    std::vector<AccelEntry> entries;
};

// The predefined control classes, numbered as dialog templates name them.
enum class DialogItemClass : std::uint16_t {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ScrollBar = 0x0084,
    ComboBox = 0x0085,
};

// Positions and sizes are in dialog units of the template's font.
struct DialogItemTemplate {
    DialogItemClass itemClass = DialogItemClass::Static;
    int id = 0;
    std::string text;
    unsigned iconId = 0;  // an SS_ICON static shows this icon group instead of a text; 0 for none
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int fontPointSize = 0;  // with DS_SETFONT
    std::string fontFace;
    std::vector<DialogItemTemplate> items;  // in creation and tab order
};

struct VersionFixedInfo {
    std::array<std::uint16_t, 4> fileVersion{};     // most significant part first: 1.0.0.1
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint64_t fileDate = 0;
};

struct VersionString {
    std::string key;
    std::string value;
};

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionInfo {
    VersionFixedInfo fixed;
    std::string stringBlockName;          // language and code page in hex, "041104B0"
    std::vector<VersionString> strings;   // in stored order
    std::vector<VersionTranslation> translations;
};

// A palette image. Where the mask is 1 the image is transparent and its pixel is 0, so the
// picture can be drawn by masking alone.
struct ImageResource {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;                  // 1 or 4
    std::vector<std::uint32_t> palette;    // 0xRRGGBB, 1 << bitsPerPixel entries
    std::vector<std::uint8_t> pixels;      // palette indices, row by row from the top
    std::vector<std::uint8_t> mask;        // empty, or width * height entries of 0 or 1

    std::uint8_t PixelAt(int x, int y) const { return pixels[Index(x, y)]; }
    bool IsTransparent(int x, int y) const { return !mask.empty() && mask[Index(x, y)] != 0; }
    std::uint32_t ColorAt(int x, int y) const { return palette[PixelAt(x, y)]; }

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
            + static_cast<std::size_t>(x);
    }
};

struct CursorImage {
    ImageResource image;
    int hotSpotX = 0;
    int hotSpotY = 0;
};

// One picture at several sizes; the window system picks the size it needs.
struct IconGroup {
    std::vector<ImageResource> images;
};

struct CursorGroup {
    std::vector<CursorImage> images;
};
