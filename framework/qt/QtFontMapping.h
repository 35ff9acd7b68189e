#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <string>

struct LOGFONT;

// A font ready for drawing text in cells: the Qt font, and the cell it is drawn in (the
// cell's height and where the baseline lies below its top).
struct QtCellFont {
    QFont font;
    int cellHeight = 0;
    int ascent = 0;
};

// The installed family that stands in for a face name the program asks for: the Japanese
// Windows faces map to the IPA faces from fonts-ipafont-mincho and fonts-ipafont-gothic; any
// other name is passed on as it is.
QString MapFaceName(const std::string& faceName);

// The font for a request. A positive height is the whole cell: the largest pixel size whose
// ascent and descent fit in it is taken, and the cell keeps the height asked for. A negative
// height is the characters' pixel size; zero takes the default size.
QtCellFont CellFontFor(const LOGFONT& logFont);

// The font of a dialog template, a point size at 96 dots an inch.
QFont DialogFont(const std::string& faceName, int pointSize);

// A dialog's base units for that font: the average width of the letters A-Z and a-z and the
// height of a line, in pixels. A template's x and width are in quarters of the first, y and
// height in eighths of the second.
QSize DialogBaseUnits(const QFont& font);
