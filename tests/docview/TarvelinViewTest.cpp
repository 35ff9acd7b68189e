#include "RecordingDC.h"
#include "TarvelinDoc.h"
#include "TarvelinView.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A view on a document, as the template pairs them, without any frame.
struct ViewOnDocument {
    ViewOnDocument()
    {
        doc.reset(dynamic_cast<CTarvelinDoc*>(RUNTIME_CLASS(CTarvelinDoc)->CreateObject()));
        doc->m_bAutoDelete = false;
        doc->OnNewDocument();
        view = dynamic_cast<CTarvelinView*>(RUNTIME_CLASS(CTarvelinView)->CreateObject());
        doc->AddView(view);
    }
    ~ViewOnDocument() { delete view; }

    RecordingDC Draw()
    {
        RecordingDC dc;
        view->OnDraw(&dc);
        return dc;
    }

    std::unique_ptr<CTarvelinDoc> doc;
    CTarvelinView* view;
};

TEST(TarvelinViewTest, BandsAndLevelsLandOnTheirPixels)
{
    ViewOnDocument v;
    const std::pair<int, int> bands[] = {{1, 100}, {2, 140}, {3, 176}, {4, 201}, {5, 220}, {10, 280},
                                         {125, 500}, {250, 560}, {400, 601}, {499, 620}};
    for (auto [band, x] : bands)
        EXPECT_EQ(v.view->BandToPoint(band, -50.0).x, x) << "band " << band;
    const std::pair<double, int> levels[] = {{0.0, -60}, {-0.2, -60}, {-20.0, 0}, {-39.9, 59}, {-40.0, 60},
                                             {-40.1, 60}, {-100.0, 240}, {-120.0, 300}, {-121.0, 300},
                                             {-1e300, 300}, {-INFINITY, -60}, {INFINITY, -60}, {NAN, -60},
                                             {5.0, -75}};
    for (auto [level, y] : levels)
        EXPECT_EQ(v.view->BandToPoint(30, level).y, y) << level << " dB";
}

TEST(TarvelinViewTest, DrawsTheGridLabelsAndOneLineOfBandsOneTo499)
{
    ViewOnDocument v;
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b)
        v.doc->m_dSpectrum[b] = -30.0 - static_cast<double>(b % 100);
    const RecordingDC dc = v.Draw();

    const std::vector<std::pair<std::string, std::pair<int, int>>> texts = {
        {" -40 [db]", {16, 52}},   {" -60 [db]", {16, 112}}, {" -80 [db]", {16, 172}},
        {"-100 [db]", {16, 232}},  {"-120 [db]", {16, 292}}, {"100.0", {76, 316}},
        {"316.2", {176, 316}},     {"1000.0", {276, 316}},   {"3162.3", {376, 316}},
        {"10000.0", {476, 316}},   {"31622.8", {576, 316}},  {"[Hz]", {650, 316}}};
    ASSERT_EQ(dc.m_texts.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(dc.m_texts[i].text, texts[i].first);
        EXPECT_EQ(std::make_pair(dc.m_texts[i].x, dc.m_texts[i].y), texts[i].second) << texts[i].first;
        EXPECT_EQ(dc.m_fontsAtText[i].lfHeight, 16);
        EXPECT_EQ(dc.m_fontsAtText[i].lfFaceName, "ＭＳ明朝");
        EXPECT_EQ(dc.m_fontsAtText[i].lfPitchAndFamily, 0x31);
        EXPECT_EQ(dc.m_fontsAtText[i].lfCharSet, 1);
    }

    // Five dB lines, six frequency lines (none at 100 kHz), then 498 segments of the bands.
    ASSERT_EQ(dc.m_lines.size(), 5u + 6u + 498u);
    const RecordingDC::Line grid[] = {{100, 60, 700, 60},   {100, 120, 700, 120}, {100, 180, 700, 180},
                                      {100, 240, 700, 240}, {100, 300, 700, 300}, {100, 0, 100, 300},
                                      {200, 0, 200, 300},   {300, 0, 300, 300},   {400, 0, 400, 300},
                                      {500, 0, 500, 300},   {600, 0, 600, 300}};
    for (std::size_t i = 0; i < std::size(grid); ++i)
        EXPECT_EQ(dc.m_lines[i], grid[i]) << i;
    const CPoint first = v.view->BandToPoint(1, v.doc->m_dSpectrum[1]);
    EXPECT_EQ(dc.m_lines[11].x1, first.x);
    EXPECT_EQ(dc.m_lines[11].y1, first.y);
    for (int band = 2; band <= 499; ++band) {
        const CPoint p = v.view->BandToPoint(band, v.doc->m_dSpectrum[band]);
        const RecordingDC::Line& segment = dc.m_lines[static_cast<std::size_t>(11 + band - 2)];
        EXPECT_EQ(std::make_pair(segment.x2, segment.y2), std::make_pair(p.x, p.y)) << band;
    }
    // The font is put back as it was.
    ASSERT_EQ(dc.m_selections.size(), 2u);
    EXPECT_EQ(dc.m_selections[1], nullptr);
}

TEST(TarvelinViewTest, ANewDocumentAndSilenceDrawTheLineAboveTheWindow)
{
    ViewOnDocument v;
    const RecordingDC fresh = v.Draw();
    for (std::size_t i = 11; i < fresh.m_lines.size(); ++i) {
        EXPECT_EQ(fresh.m_lines[i].y1, -60);
        EXPECT_EQ(fresh.m_lines[i].y2, -60);
    }
    EXPECT_EQ(fresh.m_lines.back().x2, 620);
    std::fill(std::begin(v.doc->m_dSpectrum), std::end(v.doc->m_dSpectrum), -INFINITY);
    const RecordingDC silent = v.Draw();
    EXPECT_EQ(silent.m_lines, fresh.m_lines);
}

}  // namespace
