#include "Drawing.h"
#include "ResourceParts.h"

#include <cmath>

// The control pictures use the key colours of a 3-D look: silver face, white highlight, grey
// shadow and black dark shadow, which a loader may map to the current system colours.

namespace {

// Check boxes have a 9 x 9 interior; these draw into it, (x, y) being its top-left pixel.
constexpr int kInterior = 9;

void DrawTick(ImageResource& image, int x, int y, std::uint8_t color)
{
    for (int thickness = 0; thickness < 2; ++thickness)
        DrawPolyline(image, {{x + 1, y + 4 + thickness}, {x + 3, y + 6 + thickness}, {x + 7, y + 2 + thickness}},
                     color);
}

void DrawCross(ImageResource& image, int x, int y, std::uint8_t color)
{
    DrawLine(image, {x + 1, y + 1}, {x + 7, y + 7}, color);
    DrawLine(image, {x + 7, y + 1}, {x + 1, y + 7}, color);
}

void FillHatched(ImageResource& image, int x, int y)
{
    for (int row = 0; row < kInterior; ++row) {
        for (int column = 0; column < kInterior; ++column)
            SetPixel(image, x + column, y + row, (row + column) % 2 == 0 ? kGrey : kWhite);
    }
}

// A 13 x 13 box pressed into the face, with its 9 x 9 interior at (x + 2, y + 2).
void DrawSunkenBox(ImageResource& image, int x, int y, std::uint8_t interior)
{
    constexpr int kSize = 13;
    const int far = kSize - 1;
    DrawLine(image, {x, y + far}, {x, y}, kGrey);
    DrawLine(image, {x, y}, {x + far, y}, kGrey);
    DrawLine(image, {x + far, y}, {x + far, y + far}, kWhite);
    DrawLine(image, {x + far, y + far}, {x, y + far}, kWhite);
    DrawLine(image, {x + 1, y + far - 1}, {x + 1, y + 1}, kBlack);
    DrawLine(image, {x + 1, y + 1}, {x + far - 1, y + 1}, kBlack);
    DrawLine(image, {x + far - 1, y + 1}, {x + far - 1, y + far - 1}, kSilver);
    DrawLine(image, {x + far - 1, y + far - 1}, {x + 1, y + far - 1}, kSilver);
    FillRect(image, x + 2, y + 2, kInterior, kInterior, interior);
}

// A 12 x 12 round button pressed into the face, shaded like the box.
void DrawSunkenRadio(ImageResource& image, int x, int y, std::uint8_t interior, std::uint8_t dot, bool checked)
{
    constexpr double kCentre = 5.5;
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 12; ++column) {
            const double d = std::hypot(column - kCentre, row - kCentre);
            const bool upperLeft = row + column < 11;
            if (d > 6.0)
                continue;
            std::uint8_t color = interior;
            if (d > 4.5)
                color = upperLeft ? kGrey : kWhite;
            else if (d > 3.5)
                color = upperLeft ? kBlack : kSilver;
            else if (checked && d <= 1.6)
                color = dot;
            SetPixel(image, x + column, y + row, color);
        }
    }
}

struct ButtonState {
    bool checked;
    std::uint8_t interior;  // white, or silver while pressed or disabled
    std::uint8_t mark;      // black, or grey when disabled
};

}  // namespace

// Cells of 14 x 13 pixels: a row of check boxes, a row of radio buttons and a row of
// three-state boxes, each in five states.
ImageResource Draw3dCheckBitmap()
{
    constexpr int kCellWidth = 14, kCellHeight = 13;
    constexpr ButtonState kStates[5] = {
        {false, kWhite, kBlack},   // normal
        {true, kWhite, kBlack},    // checked
        {false, kSilver, kBlack},  // pressed
        {true, kSilver, kBlack},   // pressed and checked
        {true, kSilver, kGrey},    // disabled and checked
    };
    ImageResource image = NewColorImage(5 * kCellWidth, 3 * kCellHeight, false);
    FillRect(image, 0, 0, image.width, image.height, kSilver);
    for (int column = 0; column < 5; ++column) {
        const ButtonState& state = kStates[column];
        const int x = column * kCellWidth;
        DrawSunkenBox(image, x, 0, state.interior);
        if (state.checked)
            DrawTick(image, x + 2, 2, state.mark);

        DrawSunkenRadio(image, x, kCellHeight, state.interior, state.mark, state.checked);

        const int y = 2 * kCellHeight;
        DrawSunkenBox(image, x, y, state.interior);
        if (state.checked) {
            FillHatched(image, x + 2, y + 2);
            DrawTick(image, x + 2, y + 2, state.mark);
        }
    }
    return image;
}

// A small raised button with an arrow pointing down.
ImageResource DrawMiniFrameMenuBitmap()
{
    ImageResource image = NewColorImage(12, 10, false);
    FillRect(image, 0, 0, 12, 10, kSilver);
    for (int row = 0; row < 4; ++row)
        DrawLine(image, {2 + row, 3 + row}, {8 - row, 3 + row}, kBlack);
    return image;
}

// Three 13 x 13 states side by side: empty, crossed, hatched.
ImageResource DrawCheckListBoxNtBitmap()
{
    ImageResource image = NewColorImage(39, 13, false);
    for (int state = 0; state < 3; ++state)
        DrawSunkenBox(image, state * 13, 0, kWhite);
    DrawCross(image, 13 + 2, 2, kBlack);
    FillHatched(image, 26 + 2, 2);
    return image;
}

// Three flat 11 x 11 states side by side: empty, ticked, grey tick.
ImageResource DrawCheckListBox95Bitmap()
{
    ImageResource image = NewColorImage(33, 11, false);
    for (int state = 0; state < 3; ++state) {
        FillRect(image, state * 11, 0, 11, 11, kWhite);
        FrameRect(image, state * 11, 0, 11, 11, kGrey);
    }
    DrawTick(image, 11 + 1, 1, kBlack);
    DrawTick(image, 22 + 1, 1, kGrey);
    return image;
}
