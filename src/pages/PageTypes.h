#pragma once

#include <cstdint>

// Small value types shared by the page engine and its drawing surfaces.

// A colour laid out 0x00BBGGRR: red in the low byte (white 0xFFFFFF, black 0).
using TVrColor = uint32_t;

constexpr TVrColor VrRgb(int red, int green, int blue) {
    return TVrColor(red & 0xFF) | TVrColor(green & 0xFF) << 8 | TVrColor(blue & 0xFF) << 16;
}
constexpr int VrRed(TVrColor c) {
    return int(c & 0xFF);
}
constexpr int VrGreen(TVrColor c) {
    return int(c >> 8 & 0xFF);
}
constexpr int VrBlue(TVrColor c) {
    return int(c >> 16 & 0xFF);
}

// A rectangle of doubles: millimetres for page rectangles and margins,
// device pixels for view rectangles and device margins.
struct TRange {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    bool operator==(const TRange&) const = default;
};

enum TOrientation : uint8_t { orHorizontal = 0, orVertical = 1 };

// A point or a rectangle in integer device pixels.
struct TVrPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TVrPoint&) const = default;
};
struct TVrRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TVrRect&) const = default;
};

// Text justification flags, one byte; the bit values are part of the
// recorded pages' meaning and never change.
using TJustify = uint8_t;
constexpr TJustify jtTop = 1;
constexpr TJustify jtMiddle = 2;
constexpr TJustify jtBottom = 4;
constexpr TJustify jtLeft = 8;
constexpr TJustify jtCenter = 16;
constexpr TJustify jtRight = 32;
constexpr TJustify jtDefault = jtTop | jtLeft; // 9

// Font style set.
using TVrFontStyle = uint8_t;
constexpr TVrFontStyle fsBold = 1;
constexpr TVrFontStyle fsItalic = 2;
constexpr TVrFontStyle fsUnderline = 4;
constexpr TVrFontStyle fsStrikeOut = 8;

// Pen styles (byte values as recorded).
enum TVrPenStyle : uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6,
};

// Brush styles (byte values as recorded).
enum TVrBrushStyle : uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

// Millimetres (or any double) to device pixels: truncation toward zero, as
// every conversion in the engine does. Values beyond the int range are
// clamped so that absurd input cannot overflow.
int TruncPx(double value);
