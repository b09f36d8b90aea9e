#include "report/ValueCell.h"

#include "pages/Page.h"
#include "report/ReportText.h"

void ValueCell(TVrPage& p, TCellKind kind, const std::string& text, double x, double y, double w,
               double h) {
    // The text is drawn with one trailing blank so a right-aligned value
    // keeps a little room from the box edge.
    const std::string shown = text + " ";
    if (kind == TCellKind::Centre)
        p.Brush.SetStyle(bsSolid);
    p.Brush.SetColor(VrRgb(245, 245, 245));
    p.Pen.SetColor(ClSilver);
    p.Pen.SetWidth(0.18);
    switch (kind) {
    case TCellKind::Left:
        p.Rectangle(x, y, x + w, y + h);
        p.Brush.SetStyle(bsClear);
        p.SetTextJustify(jtMiddle | jtLeft);
        p.TextOutWrapped(shown, w - 1, h - 1, x + 1, y + h / 2);
        break;
    case TCellKind::Centre:
        p.Rectangle(x, y, x + w, y + h);
        p.Brush.SetStyle(bsClear);
        p.SetTextJustify(jtMiddle | jtCenter);
        p.TextOutWrapped(shown, w, h, x + w / 2, y + h / 2);
        break;
    case TCellKind::Right:
        p.Rectangle(x - w, y, x, y + h);
        p.Brush.SetStyle(bsClear);
        p.SetTextJustify(jtMiddle | jtRight);
        p.TextOutWrapped(shown, w, h, x - 1, y + h / 2);
        break;
    }
}

void SetLabelFont(TVrPage& p) {
    p.Font.SetHeight(3.8);
    p.SetTextJustify(jtMiddle | jtLeft);
    p.Font.SetColor(ClLabel);
    p.Font.SetStyle(0);
}

void DrawBlockFrame(TVrPage& p, const TBlockFrame& f) {
    p.Pen.SetWidth(0.18);
    p.Font.SetHeight(4.0);
    p.Pen.SetColor(ClGrey);
    p.Rectangle(f.X1, f.Y1, f.X2, f.Y2);
    p.Brush.SetColor(ClGrey);
    p.Rectangle(f.X1, f.Y1, f.X2, f.Y1 + 2);
    if (f.BottomBand)
        p.Rectangle(f.X1, f.Y2, f.X2, f.Y2 + 2);
    const double band = f.Y1 + 2;
    p.PolyLine({{f.X1, band}, {f.X1 + 3, band}, {f.X1, band + 3}});
    const double r = f.X2 - 0.18;
    p.PolyLine({{r, band}, {r - 3, band}, {r, band + 3}});
    p.Brush.SetStyle(bsClear);
}
