#include "base/Numbers.h"
#include "pages/Page.h"
#include "report/CardContext.h"
#include "report/CardData.h"
#include "report/ReportText.h"
#include "soils/SoilSymbols.h"

namespace {

constexpr double SoilPartWidth = 15; // of the 25 mm profile column; the rest is the water part

// The layers that reach into the card, from the one at startDepth down.
template <typename F> void ForEachLayer(const TCardContext& c, bool includeEnd, F&& f) {
    for (const TGeoProfileItem* layer = c.Test.Profile.FindLayer(c.StartDepth, c.End); layer;
         layer = layer->Next) {
        if (includeEnd ? layer->Start > c.End : layer->Start >= c.End)
            break;
        const double y1 = c.ClampY(c.Y(layer->Start));
        const double bottom = layer->Start + layer->Size;
        const double y2 = bottom > c.End ? c.Y(c.End) : c.Y(bottom);
        f(*layer, y1, y2);
    }
}

// A water-level triangle with its tip on the level line.
void WaterMark(TVrPage& p, double x, double y, double size, bool filled) {
    const TVrPointMm tip{x, y};
    const TVrPointMm right{x + size / 2, y - 0.8 * size};
    const TVrPointMm left{x - size / 2, y - 0.8 * size};
    if (filled) {
        p.Brush.SetColor(p.Pen.Color);
        p.PolyLine({tip, right, left});
        p.Brush.SetStyle(bsClear);
    }
    p.MoveTo(tip.X, tip.Y);
    p.LineTo(right.X, right.Y);
    p.LineTo(left.X, left.Y);
    p.LineTo(tip.X, tip.Y);
}

void DrawWaterLevels(TCardContext& c) {
    TVrPage& p = c.Page;
    const TGeoProfile& g = c.Test.Profile;
    const double w = c.L.Profile.Left + SoilPartWidth;
    p.SetTextJustify(jtTop | jtCenter);
    p.Font.SetHeight(3.0);
    p.Font.SetStyle(0);
    p.Pen.SetColor(ClBlue);
    p.Pen.SetWidth(0.5);
    p.Font.SetColor(ClBlue);
    auto level = [&](double depth, double x1, bool filled) {
        if (!(c.StartDepth <= depth && depth <= c.End))
            return;
        const double y = c.Y(depth);
        p.Line(x1, y, x1 + 5, y);
        p.Pen.SetWidth(0.3);
        p.TextOut(FormatNumber(depth, 2), x1 + 2.5, y);
        // A level right at the top of the card would put its mark into the captions.
        if (depth - c.StartDepth >= 0.1)
            WaterMark(p, x1 + 2.5, y, 3.5, filled);
    };
    level(g.Water1, w, true);
    level(g.Water2, w + 5, false);
    p.Pen.SetWidth(0.3);
    // An absent level (NoValue) lies far above: it is limited to the card's top.
    p.Line(w + 5, c.ClampY(c.Y(g.Water1)), w + 5, c.ClampY(c.Y(g.Water2)));
}

void DrawLayerMeans(TCardContext& c) {
    TVrPage& p = c.Page;
    const TSheetOptions& o = c.Test.Sheet;
    p.SetTextJustify(jtBottom | jtCenter);
    p.Font.SetHeight(3.3);
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(VrRgb(0, 80, 0));
    ForEachLayer(c, true, [&](const TGeoProfileItem& layer, double y1, double y2) {
        if (layer.Gleba)
            return;
        const TGeoProfileItem* at = c.Test.Profile.FindLayer(layer.Start, c.End);
        if (at && at->Category == 1)
            return;
        const double y = (y1 + y2) / 2 + 1.5;
        if (o.PrintDensityState && HasValue(layer.IDAvg))
            p.TextOut(FormatNumber(layer.IDAvg, 2), c.L.Means.Left + 5, y);
        if (o.PrintIsIndex && HasValue(layer.ISAvg))
            p.TextOut(FormatNumber(layer.ISAvg, 2), c.L.Means.Left + 15, y);
    });
    p.Font.SetColor(ClBlack);
}

} // namespace

void DrawProfileColumn(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardLayout& l = c.L;
    if (c.Test.Sheet.PrintProfile) {
        const double soil = l.Profile.Left;
        p.Brush.SetStyle(bsSolid);
        p.SetTextJustify(jtMiddle | jtCenter);
        p.Font.SetStyle(0);
        // The layer colour also backs the layer means column.
        ForEachLayer(c, false, [&](const TGeoProfileItem& layer, double y1, double y2) {
            p.Brush.SetColor(static_cast<TVrColor>(layer.Color));
            p.FillRect(soil, y1, soil + SoilPartWidth, y2);
            p.FillRect(l.Means.Left, y1, l.Means.Right, y2);
        });
        p.Brush.SetStyle(bsClear);
        ForEachLayer(c, true, [&](const TGeoProfileItem& layer, double y1, double y2) {
            p.Pen.SetColor(ClBlack);
            p.Line(soil, y2, soil + SoilPartWidth, y2);
            p.Line(l.Means.Left, y2, l.Means.Right, y2);
            if (!layer.Next)
                p.Line(soil, y2, soil + 25, y2);
            p.Pen.SetColor(ClSilver);
            p.Line(soil + SoilPartWidth, y1, soil + SoilPartWidth, y2);
        });
        DrawWaterLevels(c);
        p.Pen.SetWidth(0.18);
        p.SetTextJustify(jtMiddle | jtCenter);
        p.Font.SetColor(ClBlack);
        p.Font.SetHeight(3.3);
        ForEachLayer(c, true, [&](const TGeoProfileItem& layer, double y1, double y2) {
            DrawLayerSymbol(layer, p, y2 - y1, (y1 + y2) / 2 + 0.2, soil + 7.5);
        });
    }
    DrawLayerMeans(c);
}
