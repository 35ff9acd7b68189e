#include "Font.h"

bool CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       unsigned char bItalic, unsigned char bUnderline, unsigned char cStrikeOut,
                       unsigned char nCharSet, unsigned char nOutPrecision, unsigned char nClipPrecision,
                       unsigned char nQuality, unsigned char nPitchAndFamily, const char* lpszFacename)
{
    m_logFont = LOGFONT{nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                        cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                        nPitchAndFamily, lpszFacename != nullptr ? lpszFacename : ""};
    m_bCreated = !(m_logFont.lfFaceName.empty() && nHeight == 0);
    return m_bCreated;
}
