#pragma once

#include "pages/PageTypes.h"

#include <string>
#include <vector>

// A picture drawn by DrawBitmap. The page only refers to it by name; the
// drawing surface resolves the name to its own picture data, so the engine
// holds no image formats. The caller keeps the object alive as long as the
// pages that refer to it.
struct TVrPicture {
    std::string Name;
};

// The small torque-wrench pictogram of the report's wrench legend.
const TVrPicture& WrenchPicture();

// The surface font as the engine sees it. Height is the character cell
// height (ascent + descent) in device pixels.
struct TVrFontState {
    std::string Name;
    int Height = 0;
    TVrFontStyle Style = 0;
    TVrColor Color = 0;
    int Charset = 1; // default character set
    int Pitch = 0;   // default pitch
    bool operator==(const TVrFontState&) const = default;
};

enum class TVrTextAlign : uint8_t { Left, Center, Right };

struct TVrTextBoxFlags {
    TVrTextAlign Align = TVrTextAlign::Left;
    bool WordWrap = false;
};

// The drawing surface the pages are replayed onto: the viewer's bitmap, a
// printer or a PDF file. All coordinates are integer device pixels.
//
// Font rules every implementation keeps: setting the colour keeps every
// other attribute; setting the name, height or style (or the whole state)
// rebuilds the font from name, height, style, character set and pitch, and
// so drops an average width or a rotation set before. Text is drawn in the
// font colour over the brush colour when the brush style is solid, and over
// nothing for every other brush style.
class TVrSurface {
public:
    virtual ~TVrSurface() = default;

    // Fills left..right-1 x top..bottom-1 with the brush, no outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // Outline with the pen, interior with the brush (right and bottom excluded).
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position; the current position becomes (x, y).
    virtual void LineTo(int x, int y) = 0;
    // Closed and filled with the brush.
    virtual void Polygon(const std::vector<TVrPoint>& points) = 0;
    // Open.
    virtual void Polyline(const std::vector<TVrPoint>& points) = 0;
    virtual void DrawPicture(const TVrPicture& picture, int left, int top, int right,
                             int bottom) = 0;

    virtual void SetPenColor(TVrColor color) = 0;
    virtual void SetPenStyle(uint8_t style) = 0;
    // Pixels; 0 is the thinnest line the device draws.
    virtual void SetPenWidth(int widthPx) = 0;

    virtual void SetBrushColor(TVrColor color) = 0;
    virtual void SetBrushStyle(uint8_t style) = 0;
    virtual uint8_t BrushStyle() const = 0;

    virtual TVrFontState Font() const = 0;
    virtual void SetFont(const TVrFontState& font) = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontHeight(int cellHeightPx) = 0;
    virtual void SetFontStyle(TVrFontStyle style) = 0;
    virtual void SetFontColor(TVrColor color) = 0;
    // Average character width in pixels, 0 = the face's natural width.
    virtual void SetFontWidth(int averageWidthPx) = 0;
    // Counter-clockwise, tenths of a degree.
    virtual void SetFontRotation(int tenthsOfDegree) = 0;

    // The rectangle the text needs when laid out from start's top-left
    // corner: several lines when it holds line breaks or (with WordWrap,
    // within start's width) wraps. Left and top are those of start.
    virtual TVrRect MeasureTextBox(const std::string& text, const TVrRect& start,
                                   TVrTextBoxFlags flags) = 0;
    virtual void DrawTextBox(const std::string& text, const TVrRect& box,
                             TVrTextBoxFlags flags) = 0;
    // Width and height in pixels of one line in the current font.
    virtual TVrPoint TextExtent(const std::string& text) = 0;
    // The top-left corner of the text's cell at (x, y), following the rotation.
    virtual void TextOutAt(int x, int y, const std::string& text) = 0;
};
