#include "Font.h"
#include "QtImageExport.h"
#include "QtPaintDC.h"
#include "TarvelinDoc.h"
#include "TarvelinView.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kGrey = 0xFF808080u;

bool IsBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == kBlack;
}

int CountBlack(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsBlack(image, x, y) ? 1 : 0;
    return count;
}

// Draws on a fresh image of the given colour through the device context.
template <class Draw>
QImage Paint(QSize size, QRgb background, Draw draw, qreal devicePixelRatio = 1.0)
{
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(background);
    QPainter painter(&image);
    CQtPaintDC dc(painter, QRect(QPoint(0, 0), size));
    draw(dc);
    return image;
}

CFont LabelFont(const char* face)
{
    CFont font;
    font.CreateFont(16, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x31, face);
    return font;
}

// The plot of a new document, as the window shows it.
QImage PlotOfNewDocument()
{
    std::unique_ptr<CTarvelinDoc> doc(dynamic_cast<CTarvelinDoc*>(RUNTIME_CLASS(CTarvelinDoc)->CreateObject()));
    doc->m_bAutoDelete = false;
    doc->OnNewDocument();
    std::unique_ptr<CTarvelinView> view(dynamic_cast<CTarvelinView*>(RUNTIME_CLASS(CTarvelinView)->CreateObject()));
    doc->AddView(view.get());
    return RenderWindowImage(*view, QSize(720, 360));
}

TEST(QtPaintDCTest, GridLinesLeaveOutTheirEndPixel)
{
    const QImage plot = PlotOfNewDocument();
    for (int y : {60, 120, 180, 240, 300}) {
        for (int x = 100; x < 700; ++x)
            ASSERT_TRUE(IsBlack(plot, x, y)) << x << "," << y;
        EXPECT_EQ(plot.pixel(99, y), kWhite) << y;
        EXPECT_EQ(plot.pixel(700, y), kWhite) << "end pixel of the line at y " << y;
    }
    for (int x : {100, 200, 300, 400, 500, 600}) {
        for (int y = 0; y < 300; ++y)
            ASSERT_TRUE(IsBlack(plot, x, y)) << x << "," << y;
        EXPECT_EQ(plot.pixel(x, 301), kWhite) << x;
    }
    for (int y = 0; y < 300; ++y)
        ASSERT_EQ(plot.pixel(700, y), kWhite) << "no line at 100 kHz, y " << y;
    // Between the lines only white: the new document's spectrum runs above the view.
    EXPECT_EQ(plot.pixel(150, 30), kWhite);
    EXPECT_EQ(plot.pixel(650, 90), kWhite);
}

struct LineCase {
    const char* name;
    QPoint from;
    QPoint to;
    int pixels;
};

TEST(QtPaintDCTest, LinesSetOnePixelPerStepAndNeverTheEndPixel)
{
    const LineCase cases[] = {
        {"down right", {10, 10}, {20, 20}, 10},
        {"up left", {20, 20}, {10, 10}, 10},
        {"down left", {30, 5}, {20, 15}, 10},
        {"shallow", {5, 40}, {25, 45}, 20},
        {"steep", {40, 5}, {43, 30}, 25},
        {"to itself", {8, 8}, {8, 8}, 0},
    };
    for (const LineCase& c : cases) {
        const QImage image = Paint(QSize(50, 50), kWhite, [&](CDC& dc) {
            dc.MoveTo(c.from.x(), c.from.y());
            dc.LineTo(c.to.x(), c.to.y());
        });
        EXPECT_EQ(CountBlack(image), c.pixels) << c.name;
        EXPECT_EQ(image.pixel(c.to), kWhite) << c.name;
        if (c.pixels > 0) {
            EXPECT_TRUE(IsBlack(image, c.from.x(), c.from.y())) << c.name;
        }
    }
    // The exact diagonal: every pixel on it.
    const QImage diagonal = Paint(QSize(50, 50), kWhite, [](CDC& dc) {
        dc.MoveTo(10, 10);
        dc.LineTo(20, 20);
    });
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(IsBlack(diagonal, 10 + i, 10 + i)) << i;
}

TEST(QtPaintDCTest, LinesFromFarOutsideAreClippedNotWalked)
{
    const QImage image = Paint(QSize(64, 64), kWhite, [](CDC& dc) {
        dc.MoveTo(INT_MIN, 10);
        dc.LineTo(INT_MAX, 10);
        dc.MoveTo(20, INT_MAX);
        dc.LineTo(20, INT_MIN);
        dc.MoveTo(-2000000000, -2000000000);
        dc.LineTo(2000000000, 2000000000);
    });
    for (int i = 0; i < 64; ++i) {
        EXPECT_TRUE(IsBlack(image, i, 10)) << i;
        EXPECT_TRUE(IsBlack(image, 20, i)) << i;
        EXPECT_TRUE(IsBlack(image, i, i)) << i;
    }
    EXPECT_EQ(CountBlack(image), 64 * 3 - 3);
}

TEST(QtPaintDCTest, LabelsAreBlackGlyphsInAWhiteBoxSixteenPixelsHigh)
{
    CFont font = LabelFont("ＭＳ明朝");
    int width = 0;
    const QImage image = Paint(QSize(120, 50), kGrey, [&](CQtPaintDC& dc) {
        dc.SelectObject(&font);
        EXPECT_EQ(QFontInfo(dc.CurrentFont().font).family(), "IPAMincho");
        const QFontMetrics metrics(dc.CurrentFont().font);
        EXPECT_LE(metrics.ascent() + metrics.descent(), 16);
        width = metrics.horizontalAdvance("-120 [db]");
        dc.TextOut(10, 20, "-120 [db]", 9);
    });
    ASSERT_GT(width, 40);
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inBox = x >= 10 && x < 10 + width && y >= 20 && y < 36;
            const QRgb pixel = image.pixel(x, y);
            if (!inBox) {
                ASSERT_EQ(pixel, kGrey) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(pixel == kWhite || pixel == kBlack) << x << "," << y;
            black += pixel == kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(black, 50);
}

TEST(QtPaintDCTest, TheDialogFaceMapsToTheProportionalGothic)
{
    CFont font = LabelFont("ＭＳ Ｐゴシック");
    Paint(QSize(8, 8), kWhite, [&](CQtPaintDC& dc) {
        dc.SelectObject(&font);
        EXPECT_EQ(QFontInfo(dc.CurrentFont().font).family(), "IPAPGothic");
        EXPECT_EQ(dc.CurrentFont().cellHeight, 16);
    });
}

TEST(QtPaintDCTest, OnAHighDensitySurfaceAUnitIsOneDeviceIndependentPixel)
{
    const QImage image = Paint(QSize(720, 360), kWhite, [](CDC& dc) {
        dc.MoveTo(100, 60);
        dc.LineTo(700, 60);
    }, 2.0);
    for (int x = 200; x < 1400; ++x) {
        ASSERT_TRUE(IsBlack(image, x, 120)) << x;
        ASSERT_TRUE(IsBlack(image, x, 121)) << x;
    }
    EXPECT_EQ(image.pixel(1400, 120), kWhite);
    EXPECT_EQ(image.pixel(300, 122), kWhite);
    EXPECT_EQ(image.pixel(300, 119), kWhite);
}

}  // namespace
