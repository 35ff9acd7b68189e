#include "Drawing.h"
#include "ResourceParts.h"

#include <algorithm>

namespace {

struct CubeColors {
    std::uint8_t front;
    std::uint8_t top;
    std::uint8_t side;
    std::uint8_t edge;
};

// A cube seen from the front and a little from above and the right: a size x size front
// face with its top-left corner at (x, y), the top and right faces running depth pixels back
// at 45 degrees.
void DrawCube(ImageResource& image, int x, int y, int size, int depth, CubeColors colors)
{
    const int right = x + size - 1;
    const int bottom = y + size - 1;
    for (int k = 1; k <= depth; ++k) {
        DrawLine(image, {right + k, y - k}, {right + k, bottom - k}, colors.side);
        DrawLine(image, {x + k, y - k}, {right + k, y - k}, colors.top);
    }
    FillRect(image, x, y, size, size, colors.front);

    FrameRect(image, x, y, size, size, colors.edge);
    DrawLine(image, {x, y}, {x + depth, y - depth}, colors.edge);
    DrawLine(image, {right, y}, {right + depth, y - depth}, colors.edge);
    DrawLine(image, {right, bottom}, {right + depth, bottom - depth}, colors.edge);
    DrawLine(image, {x + depth, y - depth}, {right + depth, y - depth}, colors.edge);
    DrawLine(image, {right + depth, y - depth}, {right + depth, bottom - depth}, colors.edge);
}

// A square with rounded corners, dithered from two colours like a halftone.
void FillDitheredBadge(ImageResource& image, int size, int radius, std::uint8_t even, std::uint8_t odd)
{
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = std::max({radius - x, x - (size - 1 - radius), 0});
            const int dy = std::max({radius - y, y - (size - 1 - radius), 0});
            if (dx * dx + dy * dy <= radius * radius)
                SetPixel(image, x, y, (x + y) % 2 == 0 ? even : odd);
        }
    }
}

constexpr CubeColors kDarkCube = {kBlack, kGrey, kBlack, kSilver};
constexpr CubeColors kLightCube = {kWhite, kSilver, kGrey, kBlack};

// Three stacked cubes, two dark ones below and a light one on top, on a dithered dark blue
// badge; at 32 x 32 each cube carries a letter.
ImageResource DrawStackedCubes(int size)
{
    ImageResource image = NewColorImage(size, size, true);
    FillDitheredBadge(image, size, size / 8, kNavy, kBlack);
    const bool large = size >= 32;
    const int cube = large ? 11 : 5;
    const int depth = large ? 4 : 2;
    const int left = large ? 3 : 1;
    const int base = large ? 17 : 9;
    const int topX = left + (cube + 1) / 2;
    const int topY = base - cube;

    DrawCube(image, left, base, cube, depth, kDarkCube);
    DrawCube(image, left + cube, base, cube, depth, kDarkCube);
    DrawCube(image, topX, topY, cube, depth, kLightCube);
    if (large) {
        const int inset = (cube - kGlyphWidth) / 2;
        const int drop = (cube - kGlyphHeight) / 2;
        DrawGlyph(image, 'M', topX + inset, topY + drop, kTeal);
        DrawGlyph(image, 'F', left + inset, base + drop, kCyan);
        DrawGlyph(image, 'C', left + cube + inset, base + drop, kCyan);
    }
    return image;
}

// An arrow pointer with its tip on the hot spot and a question mark to its right.
CursorImage DrawHelpPointer(int size)
{
    const bool large = size >= 32;
    const int tip = large ? 2 : 1;
    ImageResource image = NewMonoImage(size, size);
    const std::vector<Point> arrow = large
        ? std::vector<Point>{{2, 2}, {2, 19}, {6, 15}, {9, 22}, {13, 21}, {10, 14}, {15, 14}}
        : std::vector<Point>{{1, 1}, {1, 12}, {4, 9}, {6, 14}, {9, 14}, {7, 9}, {10, 9}};
    FillPolygon(image, arrow, kMonoWhite);
    OutlineOpaque(image, kMonoBlack);
    if (large)
        DrawGlyphWithHalo(image, '?', 18, 4, kMonoBlack, kMonoWhite, 2);
    else
        DrawGlyphWithHalo(image, '?', 10, 2, kMonoBlack, kMonoWhite);
    return {std::move(image), tip, tip};
}

}  // namespace

IconGroup DrawApplicationIcon() { return {{DrawStackedCubes(32), DrawStackedCubes(16)}}; }

// A white sheet with its lower-right corner folded over, "DOC1" in red along the top and
// grey ruled lines below.
IconGroup DrawDocumentIcon()
{
    constexpr int kLeft = 2, kTop = 1, kRight = 29, kBottom = 30, kFold = 6;
    ImageResource image = NewColorImage(32, 32, true);
    const std::vector<Point> sheet = {
        {kLeft, kTop}, {kRight, kTop}, {kRight, kBottom - kFold}, {kRight - kFold, kBottom}, {kLeft, kBottom}};
    FillPolygon(image, sheet, kWhite);
    DrawPolyline(image, {sheet[0], sheet[1], sheet[2], sheet[3], sheet[4], sheet[0]}, kBlack);

    const char text[] = "DOC1";
    for (int i = 0; i < 4; ++i)
        DrawGlyph(image, text[i], kLeft + 2 + i * (kGlyphWidth + 1), kTop + 3, kRed);
    for (int y = kTop + 13; y <= kBottom - 3; y += 3) {
        const int end = y < kBottom - kFold ? kRight - 3 : kRight - kFold - 2;  // clear of the fold
        DrawLine(image, {kLeft + 3, y}, {end, y}, kGrey);
    }

    const std::vector<Point> flap = {
        {kRight - kFold, kBottom - kFold}, {kRight, kBottom - kFold}, {kRight - kFold, kBottom}};
    FillPolygon(image, flap, kSilver);
    DrawPolyline(image, {flap[0], flap[1], flap[2], flap[0]}, kBlack);
    return {{std::move(image)}};
}

CursorGroup DrawContextHelpCursor() { return {{DrawHelpPointer(32), DrawHelpPointer(16)}}; }
