#pragma once

class CFont;

// A device context with the old rules that drawing code relies on: a solid black pen one pixel
// wide; LineTo draws from the current position up to, not including, its end point; text is
// black over an opaque white box the size of its cell, anchored at the cell's top-left corner;
// one unit is one pixel from the top-left corner. Screens, images and recorders implement it.
class CDC {
public:
    virtual ~CDC() = default;

    // Selects a font for TextOut and returns the one selected before (null when the font
    // could not be selected, or when none was selected before).
    virtual CFont* SelectObject(CFont* pFont) = 0;
    // Draws nCount bytes of UTF-8 text with its cell's top-left corner at (x, y).
    virtual bool TextOut(int x, int y, const char* lpszString, int nCount) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual bool LineTo(int x, int y) = 0;
};
