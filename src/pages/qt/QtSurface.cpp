#include "pages/qt/QtSurface.h"

#include "pages/SymbolFont.h"
#include "pages/qt/QtFonts.h"
#include "pages/qt/QtPictures.h"

#include <QHash>
#include <QMutex>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QRawFont>
#include <QTextLayout>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(TVrColor c) {
    return QColor(VrRed(c), VrGreen(c), VrBlue(c));
}

QPolygon ToQPolygon(const std::vector<TVrPoint>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TVrPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    return polygon;
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

// The cell of a face as printers measure it: ascent and descent from the
// OS/2 table's Windows metrics (usWinAscent, usWinDescent), which is what
// the report's heights mean. Qt's own metrics take the typographic values
// (Tahoma: 0.97 em instead of 1.21 em), so they would draw text 24 % too big.
struct TFaceCell {
    double cellPerEm = 1.2;
    double ascentPerEm = 1.0;
};

TFaceCell FaceCell(const QFont& font) {
    static QHash<QString, TFaceCell> cache;
    static QMutex lock; // pages may be drawn on several threads at once
    QMutexLocker locked(&lock);
    const QString key = font.family() + QLatin1Char(font.bold() ? 'b' : '-') +
                        QLatin1Char(font.italic() ? 'i' : '-');
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont probe(font);
    probe.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(probe);
    const QByteArray os2 = raw.fontTable("OS/2");
    const double unitsPerEm = raw.unitsPerEm();
    TFaceCell cell;
    if (os2.size() >= 78 && unitsPerEm > 0) {
        const auto* d = reinterpret_cast<const uchar*>(os2.constData());
        const double winAscent = qFromBigEndian<quint16>(d + 74);
        const double winDescent = qFromBigEndian<quint16>(d + 76);
        cell = {(winAscent + winDescent) / unitsPerEm, winAscent / unitsPerEm};
    } else {
        const QFontMetricsF fm(probe);
        if (fm.height() > 0)
            cell = {fm.height() / 1000.0, fm.ascent() / 1000.0};
    }
    if (cell.cellPerEm <= 0.1)
        cell = TFaceCell{};
    cache.insert(key, cell);
    return cell;
}

double AlignFactor(TVrTextAlign align) {
    return align == TVrTextAlign::Center ? 0.5 : align == TVrTextAlign::Right ? 1.0 : 0.0;
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
    painter_.drawPolygon(ToQPolygon(points));
}

void TQtSurface::Polyline(const std::vector<TVrPoint>& points) {
    UseShapeTools();
    painter_.drawPolyline(ToQPolygon(points));
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
    QFont f(family);
    f.setBold(font_.Style & fsBold);
    f.setItalic(font_.Style & fsItalic);
    f.setUnderline(font_.Style & fsUnderline);
    f.setStrikeOut(font_.Style & fsStrikeOut);
    // Unhinted metrics keep the cell height and advances at the size asked
    // for; hinting would round ascent and descent up on their own.
    f.setHintingPreference(QFont::PreferNoHinting);
    // A point size from the device's resolution keeps fractional pixel sizes.
    const TFaceCell cell = FaceCell(f);
    const double em = std::max(1, font_.Height) / cell.cellPerEm;
    const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
    f.setPointSizeF(em * 72.0 / std::max(1, dpi));
    cellAscent_ = em * cell.ascentPerEm;
    if (averageWidth_ > 0) {
        const double natural = QFontMetricsF(f, painter_.device()).averageCharWidth();
        if (natural > 0)
            f.setStretch(std::clamp(int(std::lround(100.0 * averageWidth_ / natural)), 1, 4000));
    }
    qfont_ = f;
    metrics_.emplace(qfont_, painter_.device());
    fontDirty_ = false;
    ++fontGeneration_;
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

// Lines are broken by Qt's text layout (at line breaks and, when wrapping,
// between words within the width) and stacked one cell height apart with
// the baseline at the cell's ascent, as printers place them.
const std::vector<TQtSurface::TLine>& TQtSurface::LayOut(const std::string& text, bool wrap,
                                                         double widthPx) {
    QString s = TextFor(text);
    s.remove(QLatin1Char('\r'));
    s.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(s, QtFont(), painter_.device());
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    lines_.clear();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? std::max(1.0, widthPx) : 1e9);
        QString part = s.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back() == QChar::LineSeparator || part.back() == ' '))
            part.chop(1);
        lines_.push_back({part, line.naturalTextWidth()});
    }
    layout.endLayout();
    if (lines_.empty())
        lines_.push_back({QString(), 0});
    layoutKey_ = {text, wrap, fontGeneration_};
    return lines_;
}

TVrRect TQtSurface::MeasureTextBox(const std::string& text, const TVrRect& start,
                                   TVrTextBoxFlags flags) {
    const auto& lines = LayOut(text, flags.WordWrap, start.Width());
    double widest = 0;
    for (const TLine& line : lines)
        widest = std::max(widest, line.width);
    return {start.Left, start.Top, start.Left + CeilPx(widest),
            start.Top + static_cast<int>(lines.size()) * font_.Height};
}

void TQtSurface::DrawTextBox(const std::string& text, const TVrRect& box, TVrTextBoxFlags flags) {
    // The box was usually measured just before: reuse that layout.
    QtFont();
    const bool measured = layoutKey_.text == text && layoutKey_.wrap == flags.WordWrap &&
                          layoutKey_.generation == fontGeneration_;
    const auto& lines = measured ? lines_ : LayOut(text, flags.WordWrap, box.Width());
    FillTextBackground(QRectF(box.Left, box.Top, box.Width(), box.Height()));
    UseTextTools();
    const double factor = AlignFactor(flags.Align);
    for (size_t i = 0; i < lines.size(); ++i) {
        const double x = box.Left + (box.Width() - lines[i].width) * factor;
        const double baseline = box.Top + double(i) * font_.Height + cellAscent_;
        painter_.drawText(QPointF(x, baseline), lines[i].text);
    }
}

TVrPoint TQtSurface::TextExtent(const std::string& text) {
    return {int(std::lround(Metrics().horizontalAdvance(TextFor(text)))), font_.Height};
}

void TQtSurface::TextOutAt(int x, int y, const std::string& text) {
    const QString s = TextFor(text);
    const QRectF cell(0, 0, Metrics().horizontalAdvance(s), font_.Height);
    UseTextTools();
    if (rotation_ == 0) {
        FillTextBackground(cell.translated(x, y));
        painter_.drawText(QPointF(x, y + cellAscent_), s);
        return;
    }
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-rotation_ / 10.0); // counter-clockwise on the page
    FillTextBackground(cell);
    painter_.drawText(QPointF(0, cellAscent_), s);
    painter_.restore();
}
