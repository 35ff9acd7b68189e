#pragma once

#include <string>

// A logical font: the request as the program makes it. The device context that selects it
// decides which installed face serves.
struct LOGFONT {
    int lfHeight = 0;          // > 0: cell height in pixels; < 0: character height
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    unsigned char lfItalic = 0;
    unsigned char lfUnderline = 0;
    unsigned char lfStrikeOut = 0;
    unsigned char lfCharSet = 0;
    unsigned char lfOutPrecision = 0;
    unsigned char lfClipPrecision = 0;
    unsigned char lfQuality = 0;
    unsigned char lfPitchAndFamily = 0;
    std::string lfFaceName;    // UTF-8
};

class CFont {
public:
    // Records the request; false when it cannot be a font (no face name and no height).
    bool CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    unsigned char bItalic, unsigned char bUnderline, unsigned char cStrikeOut,
                    unsigned char nCharSet, unsigned char nOutPrecision, unsigned char nClipPrecision,
                    unsigned char nQuality, unsigned char nPitchAndFamily, const char* lpszFacename);
    bool IsCreated() const { return m_bCreated; }
    const LOGFONT& GetLogFont() const { return m_logFont; }
    void DeleteObject() { m_bCreated = false; }

private:
    LOGFONT m_logFont;
    bool m_bCreated = false;
};
