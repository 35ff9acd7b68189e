#pragma once

#include "ResourceTypes.h"

#include <cstdint>
#include <vector>

// Small pixel-drawing helpers for the resource pictures. Everything clips at the image's
// edges; drawing on an image with a mask makes the touched pixels opaque.

// Indices into the standard 16-colour palette.
enum PaletteIndex : std::uint8_t {
    kBlack = 0,
    kDarkRed = 1,
    kDarkGreen = 2,
    kOlive = 3,
    kNavy = 4,
    kPurple = 5,
    kTeal = 6,
    kSilver = 7,
    kGrey = 8,
    kRed = 9,
    kLime = 10,
    kYellow = 11,
    kBlue = 12,
    kMagenta = 13,
    kCyan = 14,
    kWhite = 15,
};

// Monochrome images: index 0 is black, 1 is white.
inline constexpr std::uint8_t kMonoBlack = 0;
inline constexpr std::uint8_t kMonoWhite = 1;

struct Point {
    int x;
    int y;
};

// A 16-colour image, all black; with a mask, all transparent.
ImageResource NewColorImage(int width, int height, bool withMask);
// A monochrome image with a mask, all transparent.
ImageResource NewMonoImage(int width, int height);

bool IsOpaque(const ImageResource& image, int x, int y);
void SetPixel(ImageResource& image, int x, int y, std::uint8_t color);
void FillRect(ImageResource& image, int x, int y, int width, int height, std::uint8_t color);
void FrameRect(ImageResource& image, int x, int y, int width, int height, std::uint8_t color);
void DrawLine(ImageResource& image, Point from, Point to, std::uint8_t color);
void DrawPolyline(ImageResource& image, const std::vector<Point>& points, std::uint8_t color);

// Fills every pixel inside the polygon or on its edges; the vertices are pixel positions.
void FillPolygon(ImageResource& image, const std::vector<Point>& vertices, std::uint8_t color);

// Opaque pixels that touch a transparent pixel or the image's edge (left, right, above or
// below) take the colour: a one-pixel border around every shape drawn so far.
void OutlineOpaque(ImageResource& image, std::uint8_t color);

// A character of the 5 x 7 glyph set ('1', '?', 'C', 'D', 'F', 'M', 'O'), each glyph pixel a
// square of scale x scale pixels, its top-left corner at (x, y).
void DrawGlyph(ImageResource& image, char ch, int x, int y, std::uint8_t color, int scale = 1);

// The same glyph on a one-pixel halo of the second colour, so it stands out on any ground.
void DrawGlyphWithHalo(ImageResource& image, char ch, int x, int y, std::uint8_t color,
                       std::uint8_t haloColor, int scale = 1);

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
