#pragma once

#include "DC.h"
#include "Font.h"

#include <string>
#include <vector>

// A device context that keeps every drawing operation, in order, instead of drawing.
class RecordingDC : public CDC {
public:
    struct Text {
        int x, y;
        std::string text;
    };
    struct Line {
        int x1, y1, x2, y2;
        friend bool operator==(const Line&, const Line&) = default;
    };

    CFont* SelectObject(CFont* pFont) override
    {
        m_selections.push_back(pFont);
        if (pFont != nullptr && !pFont->IsCreated())
            return nullptr;
        CFont* pOld = m_pFont;
        if (pFont != nullptr)
            m_pFont = pFont;
        return pOld;
    }
    bool TextOut(int x, int y, const char* text, int nCount) override
    {
        m_texts.push_back({x, y, std::string(text, static_cast<std::size_t>(nCount))});
        m_fontsAtText.push_back(m_pFont != nullptr ? m_pFont->GetLogFont() : LOGFONT{});
        return true;
    }
    void MoveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
    }
    bool LineTo(int x, int y) override
    {
        m_lines.push_back({m_x, m_y, x, y});
        m_x = x;
        m_y = y;
        return true;
    }

    std::vector<Text> m_texts;
    std::vector<LOGFONT> m_fontsAtText;
    std::vector<Line> m_lines;
    std::vector<CFont*> m_selections;
    CFont* m_pFont = nullptr;

private:
    int m_x = 0;
    int m_y = 0;
};
