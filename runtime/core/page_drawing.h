// Pages of drawing operations: what a report lays out and a renderer (a
// painter on a printer or page image, or the PDF writer) replays.
//
// Positions and sizes are in thousandths of an inch from the top-left
// corner of the sheet. Text is bytes in Windows-1252, one character per byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

inline constexpr int kUnitsPerInch = 1000;

// The sheet a report is laid out on unless told otherwise, in thousandths
// of an inch; the paper table (paper_sizes.cpp) names it "A4".
inline constexpr int kA4Width = 8268;
inline constexpr int kA4Height = 11693;

// Colours are 0xRRGGBB.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kLightGrey = 0xC0C0C0;

enum class FontFace : std::uint8_t {
    Sans,  // the proportional report font
    Mono,  // the fixed-pitch font that dictionary text is set in
};

struct FontSpec {
    FontFace face = FontFace::Sans;
    int points = 8;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class DrawKind : std::uint8_t { Text, Line, Box };

// One drawing operation.
// - Text: `text` with its cell's top-left corner at (x, y) (the baseline
//   lies one font ascent lower); cut at `width` when it is above 0.
// - Line: from (x, y) to (x + width, y + height), one thin pen.
// - Box: the rectangle (x, y, width, height) filled with `colour`, no border.
struct DrawOp {
    DrawKind kind = DrawKind::Text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t colour = kBlack;
    FontSpec font;
    std::string text;

    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

DrawOp TextOp(int x, int y, std::string text, FontSpec font, int width = 0);
DrawOp LineOp(int x, int y, int dx, int dy);
DrawOp BoxOp(int x, int y, int width, int height, std::uint32_t fill);

// The same operation moved by (dx, dy).
DrawOp Moved(DrawOp op, int dx, int dy);

// One sheet: its size and its operations in drawing order. A layout made for
// a wider sheet than this one is drawn smaller as a whole: every position
// and size of its operations is multiplied by `scale` (1 draws them as they
// are), so that the layout's extent of width / scale by height / scale
// fills the sheet.
struct Page {
    int width = kA4Width;
    int height = kA4Height;
    double scale = 1.0;
    std::vector<DrawOp> ops;
};

}  // namespace rt
