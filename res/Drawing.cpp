#include "Drawing.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::uint32_t kStandardPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

struct Glyph {
    char ch;
    std::string_view rows[kGlyphHeight];
};

constexpr Glyph kGlyphs[] = {
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
};

const Glyph& FindGlyph(char ch)
{
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.ch == ch)
            return glyph;
    }
    throw std::invalid_argument("no glyph for this character");
}

bool Inside(const ImageResource& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

std::size_t IndexOf(const ImageResource& image, int x, int y)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width)
        + static_cast<std::size_t>(x);
}

ImageResource NewImage(int width, int height, int bitsPerPixel, bool withMask)
{
    ImageResource image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.pixels.assign(count, 0);
    if (withMask)
        image.mask.assign(count, 1);
    return image;
}

// On the segment from a to b, both ends included.
bool OnSegment(Point p, Point a, Point b)
{
    const long cross = static_cast<long>(b.x - a.x) * (p.y - a.y) - static_cast<long>(b.y - a.y) * (p.x - a.x);
    return cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y)
        && p.y <= std::max(a.y, b.y);
}

// Even-odd rule; a ray to the right crosses an edge when the edge spans the point's row
// half-open, so a vertex on the ray is counted once.
bool InsidePolygon(Point p, const std::vector<Point>& vertices)
{
    bool inside = false;
    for (std::size_t i = 0, j = vertices.size() - 1; i < vertices.size(); j = i++) {
        const Point a = vertices[i];
        const Point b = vertices[j];
        if (OnSegment(p, a, b))
            return true;
        if ((a.y > p.y) != (b.y > p.y)) {
            const double crossX = a.x + static_cast<double>(p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < crossX)
                inside = !inside;
        }
    }
    return inside;
}

}  // namespace

ImageResource NewColorImage(int width, int height, bool withMask)
{
    ImageResource image = NewImage(width, height, 4, withMask);
    image.palette.assign(std::begin(kStandardPalette), std::end(kStandardPalette));
    return image;
}

ImageResource NewMonoImage(int width, int height)
{
    ImageResource image = NewImage(width, height, 1, true);
    image.palette = {0x000000, 0xFFFFFF};
    return image;
}

bool IsOpaque(const ImageResource& image, int x, int y)
{
    return Inside(image, x, y) && (image.mask.empty() || image.mask[IndexOf(image, x, y)] == 0);
}

void SetPixel(ImageResource& image, int x, int y, std::uint8_t color)
{
    if (!Inside(image, x, y))
        return;
    const std::size_t index = IndexOf(image, x, y);
    image.pixels[index] = color;
    if (!image.mask.empty())
        image.mask[index] = 0;
}

void FillRect(ImageResource& image, int x, int y, int width, int height, std::uint8_t color)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            SetPixel(image, column, row, color);
    }
}

void FrameRect(ImageResource& image, int x, int y, int width, int height, std::uint8_t color)
{
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    DrawPolyline(image, {{x, y}, {right, y}, {right, bottom}, {x, bottom}, {x, y}}, color);
}

void DrawLine(ImageResource& image, Point from, Point to, std::uint8_t color)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    for (;;) {
        SetPixel(image, p.x, p.y, color);
        if (p.x == to.x && p.y == to.y)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

void DrawPolyline(ImageResource& image, const std::vector<Point>& points, std::uint8_t color)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(image, points[i - 1], points[i], color);
}

void FillPolygon(ImageResource& image, const std::vector<Point>& vertices, std::uint8_t color)
{
    if (vertices.size() < 3)
        return;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (InsidePolygon({x, y}, vertices))
                SetPixel(image, x, y, color);
        }
    }
}

void OutlineOpaque(ImageResource& image, std::uint8_t color)
{
    std::vector<Point> border;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (IsOpaque(image, x, y)
                && (!IsOpaque(image, x - 1, y) || !IsOpaque(image, x + 1, y) || !IsOpaque(image, x, y - 1)
                    || !IsOpaque(image, x, y + 1)))
                border.push_back({x, y});
        }
    }
    for (const Point p : border)
        SetPixel(image, p.x, p.y, color);
}

void DrawGlyph(ImageResource& image, char ch, int x, int y, std::uint8_t color, int scale)
{
    const Glyph& glyph = FindGlyph(ch);
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < kGlyphWidth; ++column) {
            if (glyph.rows[row][static_cast<std::size_t>(column)] == '#')
                FillRect(image, x + column * scale, y + row * scale, scale, scale, color);
        }
    }
}

void DrawGlyphWithHalo(ImageResource& image, char ch, int x, int y, std::uint8_t color,
                       std::uint8_t haloColor, int scale)
{
    const Glyph& glyph = FindGlyph(ch);
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < kGlyphWidth; ++column) {
            if (glyph.rows[row][static_cast<std::size_t>(column)] == '#')
                FillRect(image, x + column * scale - 1, y + row * scale - 1, scale + 2, scale + 2, haloColor);
        }
    }
    DrawGlyph(image, ch, x, y, color, scale);
}
