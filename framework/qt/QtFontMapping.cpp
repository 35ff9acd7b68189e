#include "QtFontMapping.h"

#include "Font.h"

#include <QFontMetrics>

#include <map>
#include <utility>

namespace {

constexpr int kDefaultPixelSize = 12;
constexpr unsigned char kFixedPitch = 0x01;
constexpr unsigned char kFamilyMask = 0xF0;
constexpr unsigned char kFamilyRoman = 0x10;
constexpr unsigned char kFamilySwiss = 0x20;
constexpr unsigned char kFamilyModern = 0x30;
constexpr int kWeightBold = 700;

QFont BaseFont(const LOGFONT& logFont)
{
    QFont font(MapFaceName(logFont.lfFaceName));
    // Glyphs are drawn in plain black pixels, as the old device context drew them.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setFixedPitch((logFont.lfPitchAndFamily & kFixedPitch) != 0);
    switch (logFont.lfPitchAndFamily & kFamilyMask) {
    case kFamilyRoman:
        font.setStyleHint(QFont::Serif, QFont::NoAntialias);
        break;
    case kFamilySwiss:
        font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
        break;
    case kFamilyModern:
        font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
        break;
    default:
        break;
    }
    if (logFont.lfWeight >= kWeightBold)
        font.setBold(true);
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

int Cell(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose cell fits; searched once per font and cell height, since the
// view asks for the same font on every paint.
int PixelSizeForCell(QFont font, int cellHeight)
{
    static std::map<std::pair<QString, int>, int> known;
    const auto key = std::make_pair(font.key(), cellHeight);
    if (auto it = known.find(key); it != known.end())
        return it->second;
    int size = cellHeight;
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (Cell(font) <= cellHeight)
            break;
    }
    known.emplace(key, size);
    return size;
}

}  // namespace

QString MapFaceName(const std::string& faceName)
{
    static const std::map<std::string, QString> faces = {
        {"ＭＳ明朝", QStringLiteral("IPAMincho")},
        {"ＭＳ 明朝", QStringLiteral("IPAMincho")},
        {"ＭＳ Ｐ明朝", QStringLiteral("IPAPMincho")},
        {"ＭＳゴシック", QStringLiteral("IPAGothic")},
        {"ＭＳ ゴシック", QStringLiteral("IPAGothic")},
        {"ＭＳ Ｐゴシック", QStringLiteral("IPAPGothic")},
    };
    if (auto it = faces.find(faceName); it != faces.end())
        return it->second;
    return QString::fromStdString(faceName);
}

QtCellFont CellFontFor(const LOGFONT& logFont)
{
    QtCellFont cellFont;
    cellFont.font = BaseFont(logFont);
    if (logFont.lfHeight > 0) {
        cellFont.font.setPixelSize(PixelSizeForCell(cellFont.font, logFont.lfHeight));
        cellFont.cellHeight = logFont.lfHeight;
    } else {
        cellFont.font.setPixelSize(logFont.lfHeight < 0 ? -logFont.lfHeight : kDefaultPixelSize);
        cellFont.cellHeight = Cell(cellFont.font);
    }
    cellFont.ascent = QFontMetrics(cellFont.font).ascent();
    return cellFont;
}

QFont DialogFont(const std::string& faceName, int pointSize)
{
    QFont font(MapFaceName(faceName));
    font.setPixelSize((pointSize * 96 + 36) / 72);
    return font;
}

QSize DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average of 52 letters, rounded to the nearest pixel.
    return {(letters / 26 + 1) / 2, metrics.height()};
}
