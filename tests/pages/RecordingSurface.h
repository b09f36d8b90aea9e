#pragma once

#include "pages/Surface.h"

#include <string>
#include <vector>

// A drawing surface that writes every call as one line of text and measures
// text with fixed metrics: each character (byte) is max(1, height / 4)
// pixels wide and a line is the font height high.
class TRecordingSurface final : public TVrSurface {
public:
    std::vector<std::string> Calls;
    TVrFontState CurrentFont{"Tahoma", 40, 0, 0, 1, 0};
    int AverageWidth = 0;
    int Rotation = 0;
    uint8_t Brush = 0;

    static int CharWidth(int height) { return height / 4 > 1 ? height / 4 : 1; }
    // The width of one line of text at a font height.
    static int WidthOf(const std::string& text, int height) {
        return static_cast<int>(text.size()) * CharWidth(height);
    }

    void FillRect(int l, int t, int r, int b) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(const std::vector<TVrPoint>& points) override;
    void Polyline(const std::vector<TVrPoint>& points) override;
    void DrawPicture(const TVrPicture& picture, int l, int t, int r, int b) override;
    void SetPenColor(TVrColor color) override;
    void SetPenStyle(uint8_t style) override;
    void SetPenWidth(int widthPx) override;
    void SetBrushColor(TVrColor color) override;
    void SetBrushStyle(uint8_t style) override;
    uint8_t BrushStyle() const override { return Brush; }
    TVrFontState Font() const override { return CurrentFont; }
    void SetFont(const TVrFontState& font) override;
    void SetFontName(const std::string& name) override;
    void SetFontHeight(int cellHeightPx) override;
    void SetFontStyle(TVrFontStyle style) override;
    void SetFontColor(TVrColor color) override;
    void SetFontWidth(int averageWidthPx) override;
    void SetFontRotation(int tenths) override;
    TVrRect MeasureTextBox(const std::string& text, const TVrRect& start,
                           TVrTextBoxFlags flags) override;
    void DrawTextBox(const std::string& text, const TVrRect& box, TVrTextBoxFlags flags) override;
    TVrPoint TextExtent(const std::string& text) override;
    void TextOutAt(int x, int y, const std::string& text) override;

    // The calls that start with the prefix, e.g. "TextOutAt".
    std::vector<std::string> Matching(const std::string& prefix) const;
};
