#pragma once

#include "pages/Surface.h"

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPoint>

#include <optional>
#include <string>
#include <vector>

class QPainter;

// The page drawing surface over a QPainter: the same code draws on a QImage
// (screen), a QPdfWriter and a QPrinter. Coordinates are the painter's device
// pixels. The font height asked for is the character cell height (ascent +
// descent, the printer metrics of the face), so the em size is derived from
// the face's own cell-to-em ratio; text boxes are laid out by Qt's text
// layout and their lines stacked one cell apart. The painter must stay active
// while the surface is used.
class TQtSurface final : public TVrSurface {
public:
    explicit TQtSurface(QPainter& painter);

    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(const std::vector<TVrPoint>& points) override;
    void Polyline(const std::vector<TVrPoint>& points) override;
    void DrawPicture(const TVrPicture& picture, int left, int top, int right, int bottom) override;

    void SetPenColor(TVrColor color) override;
    void SetPenStyle(uint8_t style) override;
    void SetPenWidth(int widthPx) override;
    void SetBrushColor(TVrColor color) override;
    void SetBrushStyle(uint8_t style) override;
    uint8_t BrushStyle() const override { return brushStyle_; }

    TVrFontState Font() const override { return font_; }
    void SetFont(const TVrFontState& font) override;
    void SetFontName(const std::string& name) override;
    void SetFontHeight(int cellHeightPx) override;
    void SetFontStyle(TVrFontStyle style) override;
    void SetFontColor(TVrColor color) override;
    void SetFontWidth(int averageWidthPx) override;
    void SetFontRotation(int tenthsOfDegree) override;

    TVrRect MeasureTextBox(const std::string& text, const TVrRect& start,
                           TVrTextBoxFlags flags) override;
    void DrawTextBox(const std::string& text, const TVrRect& box, TVrTextBoxFlags flags) override;
    TVrPoint TextExtent(const std::string& text) override;
    void TextOutAt(int x, int y, const std::string& text) override;

    // The Qt font the current state resolves to (for tests and diagnostics).
    const QFont& QtFont();

private:
    struct TLine {
        QString text;
        double width; // px
    };
    struct TLayoutKey {
        std::string text;
        bool wrap = false;
        int generation = -1;
    };
    const std::vector<TLine>& LayOut(const std::string& text, bool wrap, double widthPx);
    void RebuildFont();
    const QFontMetricsF& Metrics();
    QString TextFor(const std::string& text) const;
    void UseShapeTools();
    void UseTextTools();
    void FillTextBackground(const QRectF& rect);

    QPainter& painter_;
    QPen pen_;
    QBrush brush_;
    TVrColor penColor_ = 0;
    uint8_t penStyle_ = 0;
    int penWidth_ = 0;
    TVrColor brushColor_ = 0xFFFFFF;
    uint8_t brushStyle_ = 0;
    bool toolsDirty_ = true;
    TVrFontState font_;
    int averageWidth_ = 0;
    int rotation_ = 0; // tenths of a degree, counter-clockwise
    bool fontDirty_ = true;
    QFont qfont_;
    std::optional<QFontMetricsF> metrics_;
    double cellAscent_ = 0; // px from the cell's top to the baseline
    int fontGeneration_ = 0;
    std::vector<TLine> lines_;
    TLayoutKey layoutKey_;
    QPoint position_;
};
