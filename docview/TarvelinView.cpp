#include "TarvelinView.h"

#include "DC.h"
#include "Font.h"
#include "TarvelinDoc.h"

#include <cmath>
#include <cstdio>
#include <cstring>

IMPLEMENT_DYNCREATE(CTarvelinView, CView)

BEGIN_MESSAGE_MAP(CTarvelinView, CView)
END_MESSAGE_MAP()

namespace {

constexpr int kPlotLeft = 100;
constexpr int kPlotRight = 700;
constexpr int kPlotTop = 0;
constexpr int kPlotBottom = 300;
constexpr int kFrequencyLabelY = 316;
constexpr double kHzPerBand = 80.0;

// A product truncated toward zero to 32 bits; values beyond that range cannot reach the
// window, so they are held at its ends.
int Truncate(double value)
{
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

// x of a frequency on the 200-pixels-a-decade axis: -300 - trunc(-200 * log10(f)).
int FrequencyToX(double hz)
{
    const double product = -200.0 * std::log10(hz);
    return -300 - Truncate(product);
}

void DrawText(CDC* pDC, int x, int y, const char* text)
{
    pDC->TextOut(x, y, text, static_cast<int>(std::strlen(text)));
}

}  // namespace

CTarvelinDoc* CTarvelinView::GetDocument() const
{
    return static_cast<CTarvelinDoc*>(m_pDocument);
}

CPoint CTarvelinView::BandToPoint(int band, double level) const
{
    CPoint point;
    point.x = FrequencyToX(kHzPerBand * band);
    if (point.x < kPlotLeft)
        point.x = kPlotLeft;
    const double product = level * 3.0;
    const int u = std::isfinite(product) ? Truncate(product) : 0;
    point.y = -60 - u;
    if (point.y > kPlotBottom)
        point.y = kPlotBottom;
    return point;
}

bool CTarvelinView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CView::PreCreateWindow(cs);
}

void CTarvelinView::OnDraw(CDC* pDC)
{
    const CTarvelinDoc* pDoc = GetDocument();

    CFont font;
    font.CreateFont(16, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x31, "ＭＳ明朝");
    CFont* pOldFont = pDC->SelectObject(&font);

    // Decibel lines every 20 dB from -40 to -120, each label's 16-pixel cell centred on its line.
    for (int level = -40; level >= -120; level -= 20) {
        const int y = -60 - 3 * level;
        char text[16];
        std::snprintf(text, sizeof text, "%4d [db]", level);
        DrawText(pDC, 16, y - 8, text);
        pDC->MoveTo(kPlotLeft, y);
        pDC->LineTo(kPlotRight, y);
    }

    // Frequency ticks every half decade from 100 Hz, the ratio accumulated as it multiplies:
    // the seventh value lands just above 100 kHz, so there are six ticks.
    const double ratio = std::sqrt(10.0);
    double hz = 100.0;
    do {
        const int x = FrequencyToX(hz);
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", hz);
        DrawText(pDC, x - 24, kFrequencyLabelY, text);
        pDC->MoveTo(x, kPlotTop);
        pDC->LineTo(x, kPlotBottom);
        hz = hz * ratio;
    } while (hz < 100000.0);
    DrawText(pDC, 650, kFrequencyLabelY, "[Hz]");

    // Bands 1 to 499; band 0 holds the constant part and is left out.
    const CPoint start = BandToPoint(1, pDoc->m_dSpectrum[1]);
    pDC->MoveTo(start.x, start.y);
    for (int band = 2; band < static_cast<int>(SPECTRUM_BANDS); ++band) {
        const CPoint point = BandToPoint(band, pDoc->m_dSpectrum[band]);
        pDC->LineTo(point.x, point.y);
    }

    pDC->SelectObject(pOldFont);
}
