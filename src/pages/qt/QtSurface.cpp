#include "pages/qt/QtSurface.h"

#include "pages/SymbolFont.h"
#include "pages/qt/QtFonts.h"
#include "pages/qt/QtPictures.h"

#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(TVrColor c) {
    return QColor(VrRed(c), VrGreen(c), VrBlue(c));
}

Qt::PenStyle ToQtPenStyle(uint8_t style) {
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default: // solid and inside-frame
        return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtBrushStyle(uint8_t style) {
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::BDiagPattern; // rising lines, as printers draw a forward diagonal
    case bsBDiagonal:
        return Qt::FDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// Cell height (ascent + descent) per em of a face, measured once per
// family and style at a large size where hinting does not matter.
double CellPerEm(const QString& family, bool bold, bool italic) {
    static QHash<QString, double> cache;
    const QString key = family + QLatin1Char(bold ? 'b' : '-') + QLatin1Char(italic ? 'i' : '-');
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont probe(family);
    probe.setBold(bold);
    probe.setItalic(italic);
    probe.setPixelSize(1000);
    const double height = QFontMetricsF(probe).height();
    const double ratio = height > 0 ? height / 1000.0 : 1.2;
    cache.insert(key, ratio);
    return ratio;
}

int Qt_Flags(TVrTextBoxFlags flags) {
    int f = Qt::AlignTop | Qt::TextDontClip;
    switch (flags.Align) {
    case TVrTextAlign::Center:
        f |= Qt::AlignHCenter;
        break;
    case TVrTextAlign::Right:
        f |= Qt::AlignRight;
        break;
    default:
        f |= Qt::AlignLeft;
        break;
    }
    if (flags.WordWrap)
        f |= Qt::TextWordWrap;
    return f;
}

// Pixel sizes of measured text: the smallest whole pixels that hold it.
int CeilPx(double value) {
    return static_cast<int>(std::ceil(value - 1e-6));
}

} // namespace

TQtSurface::TQtSurface(QPainter& painter) : painter_(painter) {
    RegisterReportFonts();
    font_.Name = "Tahoma";
    font_.Height = 13;
    painter_.setRenderHint(QPainter::Antialiasing, false); // crisp rules, like paper
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

// --- tools -----------------------------------------------------------------

void TQtSurface::SetPenColor(TVrColor color) {
    penColor_ = color;
    toolsDirty_ = true;
}
void TQtSurface::SetPenStyle(uint8_t style) {
    penStyle_ = style;
    toolsDirty_ = true;
}
void TQtSurface::SetPenWidth(int widthPx) {
    penWidth_ = std::max(0, widthPx);
    toolsDirty_ = true;
}
void TQtSurface::SetBrushColor(TVrColor color) {
    brushColor_ = color;
    toolsDirty_ = true;
}
void TQtSurface::SetBrushStyle(uint8_t style) {
    brushStyle_ = style;
    toolsDirty_ = true;
}

void TQtSurface::UseShapeTools() {
    if (toolsDirty_) {
        // Dashed styles exist for thin pens only; a wider pen draws solid.
        const Qt::PenStyle style =
            penWidth_ > 1 && penStyle_ != psClear ? Qt::SolidLine : ToQtPenStyle(penStyle_);
        pen_ = QPen(QBrush(ToQColor(penColor_)), penWidth_, style, Qt::RoundCap, Qt::RoundJoin);
        brush_ = QBrush(ToQColor(brushColor_), ToQtBrushStyle(brushStyle_));
        toolsDirty_ = false;
    }
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
}

void TQtSurface::UseTextTools() {
    painter_.setPen(ToQColor(font_.Color));
    painter_.setFont(QtFont());
}

// --- shapes ----------------------------------------------------------------

void TQtSurface::FillRect(int left, int top, int right, int bottom) {
    UseShapeTools();
    const QRect r = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    painter_.fillRect(r, brush_);
}

void TQtSurface::Rectangle(int x1, int y1, int x2, int y2) {
    UseShapeTools();
    // The outline runs on the first and the last pixel inside the rectangle:
    // the right and bottom coordinates are excluded.
    const QRect r(QPoint(std::min(x1, x2), std::min(y1, y2)),
                  QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    painter_.drawRect(r.adjusted(0, 0, -1, -1));
}

void TQtSurface::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) {
    UseShapeTools();
    const QRectF r(QPointF(std::min(x1, x2), std::min(y1, y2)),
                   QPointF(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    painter_.drawRoundedRect(r, ellipseWidth * 0.5, ellipseHeight * 0.5, Qt::AbsoluteSize);
}

void TQtSurface::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void TQtSurface::LineTo(int x, int y) {
    UseShapeTools();
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}

void TQtSurface::Polygon(const std::vector<TVrPoint>& points) {
    UseShapeTools();
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TVrPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    painter_.drawPolygon(polygon);
}

void TQtSurface::Polyline(const std::vector<TVrPoint>& points) {
    UseShapeTools();
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TVrPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    painter_.drawPolyline(polygon);
}

void TQtSurface::DrawPicture(const TVrPicture& picture, int left, int top, int right, int bottom) {
    painter_.save();
    DrawPagePicture(painter_, picture, QRectF(QPointF(left, top), QPointF(right, bottom)));
    painter_.restore();
}

// --- font ------------------------------------------------------------------

void TQtSurface::SetFont(const TVrFontState& font) {
    font_ = font;
    averageWidth_ = 0;
    rotation_ = 0;
    fontDirty_ = true;
}
void TQtSurface::SetFontName(const std::string& name) {
    TVrFontState f = font_;
    f.Name = name;
    SetFont(f);
}
void TQtSurface::SetFontHeight(int cellHeightPx) {
    TVrFontState f = font_;
    f.Height = cellHeightPx;
    SetFont(f);
}
void TQtSurface::SetFontStyle(TVrFontStyle style) {
    TVrFontState f = font_;
    f.Style = style;
    SetFont(f);
}
void TQtSurface::SetFontColor(TVrColor color) {
    font_.Color = color;
}
void TQtSurface::SetFontWidth(int averageWidthPx) {
    averageWidth_ = std::max(0, averageWidthPx);
    fontDirty_ = true;
}
void TQtSurface::SetFontRotation(int tenthsOfDegree) {
    rotation_ = tenthsOfDegree;
}

const QFont& TQtSurface::QtFont() {
    if (fontDirty_)
        RebuildFont();
    return qfont_;
}

void TQtSurface::RebuildFont() {
    // "Symbol" text is drawn as Greek letters in the ordinary face.
    const std::string& name = IsSymbolFontName(font_.Name) ? std::string() : font_.Name;
    const QString family = ReportFontFamily(name);
    const bool bold = font_.Style & fsBold;
    const bool italic = font_.Style & fsItalic;
    QFont f(family);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(font_.Style & fsUnderline);
    f.setStrikeOut(font_.Style & fsStrikeOut);
    // A point size from the device's resolution keeps fractional pixel sizes.
    const double em = std::max(1, font_.Height) / CellPerEm(family, bold, italic);
    const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
    f.setPointSizeF(em * 72.0 / std::max(1, dpi));
    if (averageWidth_ > 0) {
        const double natural = QFontMetricsF(f, painter_.device()).averageCharWidth();
        if (natural > 0)
            f.setStretch(std::clamp(int(std::lround(100.0 * averageWidth_ / natural)), 1, 4000));
    }
    qfont_ = f;
    metrics_.emplace(qfont_, painter_.device());
    fontDirty_ = false;
}

const QFontMetricsF& TQtSurface::Metrics() {
    if (fontDirty_)
        RebuildFont();
    return *metrics_;
}

QString TQtSurface::TextFor(const std::string& text) const {
    return QString::fromStdString(IsSymbolFontName(font_.Name) ? SymbolFontToUnicode(text) : text);
}

// --- text ------------------------------------------------------------------

void TQtSurface::FillTextBackground(const QRectF& rect) {
    if (brushStyle_ == bsSolid)
        painter_.fillRect(rect, ToQColor(brushColor_));
}

TVrRect TQtSurface::MeasureTextBox(const std::string& text, const TVrRect& start,
                                   TVrTextBoxFlags flags) {
    const QString s = TextFor(text);
    TVrTextBoxFlags left = flags;
    left.Align = TVrTextAlign::Left; // the size does not depend on the alignment
    const double width = flags.WordWrap ? std::max(1, start.Width()) : 0;
    const QRectF box = Metrics().boundingRect(QRectF(0, 0, width, 0), Qt_Flags(left), s);
    return {start.Left, start.Top, start.Left + CeilPx(box.width()),
            start.Top + CeilPx(box.height())};
}

void TQtSurface::DrawTextBox(const std::string& text, const TVrRect& box, TVrTextBoxFlags flags) {
    const QRectF r(box.Left, box.Top, box.Width(), box.Height());
    FillTextBackground(r);
    UseTextTools();
    painter_.drawText(r, Qt_Flags(flags), TextFor(text));
}

TVrPoint TQtSurface::TextExtent(const std::string& text) {
    const QFontMetricsF& fm = Metrics();
    return {int(std::lround(fm.horizontalAdvance(TextFor(text)))), int(std::lround(fm.height()))};
}

void TQtSurface::TextOutAt(int x, int y, const std::string& text) {
    const QString s = TextFor(text);
    const QFontMetricsF& fm = Metrics();
    const QRectF cell(0, 0, fm.horizontalAdvance(s), fm.height());
    UseTextTools();
    if (rotation_ == 0) {
        FillTextBackground(cell.translated(x, y));
        painter_.drawText(QPointF(x, y + fm.ascent()), s);
        return;
    }
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-rotation_ / 10.0); // counter-clockwise on the page
    FillTextBackground(cell);
    painter_.drawText(QPointF(0, fm.ascent()), s);
    painter_.restore();
}
