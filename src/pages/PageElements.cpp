#include "pages/PageElements.h"

// Attribute elements store their value in the page again when drawn, so the
// composing code and formatted text read what was last drawn.

void TVrPE_Font_Name::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Font.Name = Value;
    surface.SetFontName(Value);
}

void TVrPE_Font_Style::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Font.Style = Value;
    surface.SetFontStyle(Value);
}

void TVrPE_Font_Width::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    Page()->Font.Width = Value;
    surface.SetFontWidth(TruncPx(mapper.ScaleX(Value)));
}

void TVrPE_Font_Height::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    Page()->Font.Height = Value;
    surface.SetFontHeight(TruncPx(mapper.ScaleY(Value)));
}

void TVrPE_Font_Color::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Font.Color = Value;
    surface.SetFontColor(Value);
}

void TVrPE_Font_Rotate::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Font.Rotate = Value;
    surface.SetFontRotation(TruncPx(Value * 10));
}

void TVrPE_Pen_Color::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Pen.Color = Value;
    surface.SetPenColor(Value);
}

void TVrPE_Pen_Style::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Pen.Style = Value;
    surface.SetPenStyle(Value);
}

// Pen widths scale with the vertical factor and truncate: 0.25 mm is one
// pixel at 4 px/mm but 0 (the thinnest pen) at 3 px/mm.
void TVrPE_Pen_Width::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    Page()->Pen.Width = Value;
    surface.SetPenWidth(TruncPx(mapper.ScaleY(Value)));
}

// A colour after a clear brush makes the brush solid on the surface, so the
// next shape is filled; the page's recorded style is left as it was.
void TVrPE_Brush_Color::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Brush.Color = Value;
    surface.SetBrushColor(Value);
    if (surface.BrushStyle() == bsClear)
        surface.SetBrushStyle(bsSolid);
}

void TVrPE_Brush_Style::Draw(TVrSurface& surface, const TVrKalibrator&) {
    Page()->Brush.Style = Value;
    surface.SetBrushStyle(Value);
}

void TVrPE_TextJustify::Draw(TVrSurface&, const TVrKalibrator&) {
    Page()->Justify = Value;
}

// Shapes draw nothing when the mapper is not prepared (degenerate page).

void TVrPE_Rectangle::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p1, p2;
    if (Map(mapper, p1, p2))
        surface.Rectangle(p1.X, p1.Y, p2.X, p2.Y);
}

void TVrPE_FillRect::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p1, p2;
    if (Map(mapper, p1, p2))
        surface.FillRect(p1.X, p1.Y, p2.X, p2.Y);
}

void TVrPE_Line::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p1, p2;
    if (!Map(mapper, p1, p2))
        return;
    surface.MoveTo(p1.X, p1.Y);
    surface.LineTo(p2.X, p2.Y);
}

void TVrPE_RoundRect::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p1, p2;
    if (Map(mapper, p1, p2))
        surface.RoundRect(p1.X, p1.Y, p2.X, p2.Y, TruncPx(mapper.ScaleX(EllipseWidth)),
                          TruncPx(mapper.ScaleY(EllipseHeight)));
}

void TVrPE_DrawBitmap::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p1, p2;
    if (Map(mapper, p1, p2))
        surface.DrawPicture(Picture, p1.X, p1.Y, p2.X, p2.Y);
}

void TVrPE_MoveTo::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p;
    if (mapper.MapPointInt(X, Y, p))
        surface.MoveTo(p.X, p.Y);
}

void TVrPE_LineTo::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p;
    if (mapper.MapPointInt(X, Y, p))
        surface.LineTo(p.X, p.Y);
}

TVrPE_PolyLine::TVrPE_PolyLine(TVrPage* page, const TVrPointMm* points, int count, bool closed)
    : TVrPageElement(page, KindCode), Closed(closed) {
    if (points != nullptr && count > 0)
        Points.assign(points, points + count);
}

void TVrPE_PolyLine::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    if (Points.empty())
        return;
    std::vector<TVrPoint> device(Points.size());
    for (size_t i = 0; i < Points.size(); ++i)
        if (!mapper.MapPointInt(Points[i].X, Points[i].Y, device[i]))
            return;
    if (Closed)
        surface.Polygon(device);
    else
        surface.Polyline(device);
}

void DrawAnchoredTextBox(TVrSurface& surface, const std::string& text, TVrRect start, bool wordWrap,
                         TJustify justify) {
    TVrTextBoxFlags flags;
    flags.WordWrap = wordWrap;
    if (justify & jtCenter)
        flags.Align = TVrTextAlign::Center;
    else if (justify & jtRight)
        flags.Align = TVrTextAlign::Right;
    TVrRect r = surface.MeasureTextBox(text, start, flags);
    const int w = r.Width();
    const int h = r.Height();
    int dx = 0;
    int dy = 0;
    // Halves truncate toward zero: an odd width moves left by the smaller half.
    if (justify & jtCenter)
        dx += TruncPx(-w * 0.5);
    if (justify & jtRight)
        dx -= w;
    if (justify & jtMiddle)
        dy += TruncPx(-h * 0.5);
    if (justify & jtBottom)
        dy -= h;
    r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    surface.DrawTextBox(text, r, flags);
}

void TVrPE_TextOut::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p;
    if (mapper.MapPointInt(X, Y, p))
        DrawAnchoredTextBox(surface, Text, {p.X, p.Y, p.X, p.Y}, false, Page()->Justify);
}

// The box only limits the line length; the anchor is still the recorded point.
void TVrPE_TextOutWrapped::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    TVrPoint p;
    if (!mapper.MapPointInt(X, Y, p))
        return;
    const int w = TruncPx(mapper.ScaleX(BoxWidth));
    const int h = TruncPx(mapper.ScaleY(BoxHeight));
    DrawAnchoredTextBox(surface, Text, {p.X, p.Y, p.X + w, p.Y + h}, true, Page()->Justify);
}
