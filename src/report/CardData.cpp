#include "report/CardData.h"

#include "base/Numbers.h"
#include "i18n/Translate.h"
#include "pages/FmtText.h"
#include "pages/Page.h"
#include "report/CardContext.h"
#include "report/ReportText.h"

#include <algorithm>

namespace {

constexpr TVrColor ClVaneResidual = VrRgb(120, 100, 255);
constexpr TVrColor ClVanePeak = VrRgb(60, 180, 60);
constexpr TVrColor ClBars = VrRgb(120, 100, 60);

// Prints a set value right-justified against a column's right edge.
void ValueAt(TVrPage& p, bool show, double value, int decimals, double x, double y) {
    if (show && HasValue(value))
        p.TextOut(FormatNumber(value, decimals), x, y);
}

// Item 1: I_D values (outside cohesive layers) and the vane results.
void DrawIdAndVaneValues(TCardContext& c) {
    TVrPage& p = c.Page;
    const TSheetOptions& o = c.Test.Sheet;
    const TCardLayout& l = c.L;
    p.Font.SetStyle(fsBold);
    p.SetTextJustify(jtBottom | jtRight);
    for (const TCardRow& row : c.Rows) {
        if (!row.Cohesive && row.Included) {
            const bool set = HasValue(row.Included->ID);
            p.Font.SetColor(set ? ClGreen : ClRed);
            if (o.PrintDensityState)
                p.TextOut(set ? FormatNumber(row.Included->ID, 2) : "-,--", l.IdValues.Left + 8,
                          row.LineY);
        }
        if (row.Any && row.VaneEligible) {
            const TMeasure& m = *row.Any;
            p.Font.SetColor(ClVaneResidual);
            ValueAt(p, o.PrintShearChart, m.TauRes, 3, l.TauMin.Right - 1, row.LineY);
            ValueAt(p, o.PrintILMin, m.ILRes, 2, l.ILMin.Right - 1, row.LineY);
            p.Font.SetColor(ClVanePeak);
            ValueAt(p, o.PrintShearChart, m.TauPeak, 3, l.TauMax.Right - 1, row.LineY);
            ValueAt(p, o.PrintILMax, m.ILPeak, 2, l.ILMax.Right - 1, row.LineY);
            p.Font.SetColor(ClGreen);
            ValueAt(p, o.PrintIR, m.IR, 2, l.IR.Right - 1, row.LineY);
            ValueAt(p, o.PrintILMean, m.ILAvg, 2, l.ILMean.Right - 1, row.LineY);
        }
    }
}

// Item 2: I_S values, or the red note when the state could not be derived.
void DrawIsValues(TCardContext& c) {
    TVrPage& p = c.Page;
    const TSheetOptions& o = c.Test.Sheet;
    p.Font.SetHeight(3.3);
    p.Font.SetStyle(0);
    for (const TCardRow& row : c.Rows) {
        if (row.Cohesive)
            continue;
        if (!row.Included)
            continue;
        p.SetTextJustify(jtBottom | jtLeft);
        if (!row.Included->State.empty()) {
            p.Font.SetColor(ClGreen);
            p.SetTextJustify(jtBottom | jtCenter);
            ValueAt(p, o.PrintIsIndex, row.Included->IS, 2, c.L.IsValues.Centre(), row.LineY);
        } else {
            p.Font.SetColor(ClRed);
            if (o.PrintDensityState)
                p.TextOut(Translate("błąd obliczeń!"), c.L.IdValues.Right, row.LineY);
        }
    }
    p.Font.SetColor(ClBlack);
}

// Item 3: one bar per reading, 0..60 blows across the diagram.
void DrawBlowBars(TCardContext& c) {
    if (!c.Test.Sheet.ColumnChart)
        return;
    TVrPage& p = c.Page;
    p.Brush.SetColor(ClBars);
    for (const TCardRow& row : c.Rows)
        if (row.Included)
            p.FillRect(c.L.Diagram.Left, row.LineY - c.L.RowPitch, c.L.BlowX(row.Included->NKor),
                       row.LineY);
}

// Item 4: residual (upper half) and peak (lower half) shear strength bars,
// 40 mm per MPa; 0.6 MPa reaches 4 mm past the diagram.
void DrawShearBars(TCardContext& c) {
    if (!c.L.Vane || !c.Test.Sheet.PrintShearChart)
        return;
    TVrPage& p = c.Page;
    const double x0 = c.L.Shear.Left;
    auto length = [](double tau) { return 40 * (HasValue(tau) ? std::clamp(tau, 0.0, 0.6) : 0.0); };
    for (const TCardRow& row : c.Rows)
        if (row.Any && row.VaneEligible) {
            p.Brush.SetColor(ClVaneResidual);
            p.FillRect(x0, row.LineY - c.L.RowPitch, x0 + length(row.Any->TauRes), c.Middle(row));
        }
    for (const TCardRow& row : c.Rows)
        if (row.Any && row.VaneEligible) {
            p.Brush.SetColor(ClVanePeak);
            p.FillRect(x0, c.Middle(row), x0 + length(row.Any->TauPeak), row.LineY);
        }
}

// Item 5: density-state bands of the I_D diagram (PN-B-04452 limits 0.33,
// 0.67 and 0.80), their names running downwards and the limit labels.
void DrawIdDiagram(TCardContext& c) {
    if (!c.Test.Sheet.PrintIdChart)
        return;
    TVrPage& p = c.Page;
    const TCardColumn& col = c.L.IdChart;
    auto b = [&](double id) { return col.Left + 30 * id; };
    struct TBand {
        double from, to;
        TVrColor color;
        const char* name;
    };
    const TBand bands[] = {{0, 0.33, VrRgb(240, 240, 240), "luźny"},
                           {0.33, 0.67, VrRgb(220, 220, 220), "średnio zagęszczony"},
                           {0.67, 0.8, VrRgb(200, 200, 200), "zagęszczony"},
                           {0.8, 1.0, VrRgb(180, 180, 180), "bardzo zagęszczony"}};
    for (const TBand& band : bands) {
        p.Brush.SetColor(band.color);
        p.FillRect(b(band.from), c.Top, band.to >= 1.0 ? col.Right : b(band.to), c.Bottom);
    }
    p.Pen.SetWidth(0);
    p.Pen.SetColor(ClGrey);
    p.Pen.SetStyle(psDash);
    for (double limit : {0.33, 0.67, 0.8})
        p.Line(b(limit), c.Top, b(limit), c.Bottom);
    p.Pen.SetStyle(psSolid);
    p.Brush.SetStyle(bsClear);

    // Rotated -90 degrees a formatted text is not anchored: it starts at the
    // point and runs downwards with its cell to the left, so the 3 mm shift
    // right centres a 4.5 mm high name on its band.
    p.SetTextJustify(jtMiddle | jtCenter);
    p.Font.SetStyle(0);
    p.Font.SetHeight(4.5);
    p.Font.SetColor(ClBlack);
    p.Font.SetRotate(-90);
    for (const TBand& band : bands)
        p.TextOutF(PlainFmtText(Translate(band.name)), 3 + (b(band.from) + b(band.to)) / 2,
                   c.Top + 10.5);
    p.Font.SetStyle(fsBold);
    p.Font.SetHeight(3.3);
    p.TextOutF(PlainFmtText("0,33"), b(0.33) + 3.3, c.Top + 1.5);
    p.TextOutF(PlainFmtText("0,67"), b(0.67) + 3.3, c.Top + 1.5);
    p.TextOutF(PlainFmtText("0,80"), b(0.8) + 3.3, c.Top + 1.5);
    p.Font.SetRotate(0);
}

// Item 7: corrected blow counts, narrowed to fit the 13 mm column.
void DrawCorrectedCounts(TCardContext& c) {
    TVrPage& p = c.Page;
    p.SetTextJustify(jtBottom | jtRight);
    p.Font.SetHeight(4.0);
    p.Font.SetStyle(0);
    p.Font.SetColor(ClBlue);
    p.Font.SetWidth(3.0);
    for (const TCardRow& row : c.Rows)
        if (row.Included)
            p.TextOut(std::to_string(row.Included->NKor), c.L.Readings.Left + 10, row.LineY + 0.6);
    p.Font.SetWidth(0);
}

// Item 8: torque-wrench readings at the diagram's right edge, black on a
// white halo so they stay legible over the bars.
void DrawWrenchReadings(TCardContext& c) {
    TVrPage& p = c.Page;
    p.SetTextJustify(jtBottom | jtRight);
    p.Font.SetHeight(3.3);
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(ClBlack);
    const double right = c.L.Diagram.Right;
    for (const TCardRow& row : c.Rows) {
        if (!row.Any || !HasValue(row.Any->Torque))
            continue;
        const std::string text = FormatNumber(row.Any->Torque, 1);
        p.DrawBitmap(WrenchPicture(), right - 5, row.LineY - 3.4, right - 1, row.LineY + 0.6);
        p.Font.SetColor(ClWhite);
        for (double dy : {0.6, 0.4})
            for (double dx : {-0.1, 0.1})
                p.TextOut(text, right - 6 + dx, row.LineY + dy);
        p.Font.SetColor(ClBlack);
        p.TextOut(text, right - 6, row.LineY + 0.5);
    }
}

// Item 9: the step line over the bars; a row without a reading breaks it.
void DrawStepChart(TCardContext& c) {
    TVrPage& p = c.Page;
    const double pitch = c.L.RowPitch;
    if (c.Test.Sheet.StepChart) {
        p.Font.SetColor(ClBlack);
        p.Pen.SetColor(ClRed);
        p.Pen.SetWidth(0.25);
        bool start = true;
        for (const TCardRow& row : c.Rows) {
            if (!row.Included) {
                start = true;
                continue;
            }
            const double x = c.L.BlowX(row.Included->NKor);
            if (start) {
                p.MoveTo(x, row.LineY - pitch);
                start = false;
            }
            p.LineTo(x, row.LineY - pitch);
            p.LineTo(x, row.LineY);
        }
    }
    p.Pen.SetWidth(0.5);
    for (const TCardRow& row : c.Rows)
        if (row.Included) {
            const double x = c.L.BlowX(row.Included->NKor);
            p.Line(x, row.LineY - pitch, x, row.LineY);
        }
}

// Item 10: the I_D line through the row middles, broken in cohesive layers
// and where I_D is missing, with a short tick at each point.
void DrawIdLine(TCardContext& c) {
    if (!c.Test.Sheet.PrintIdChart)
        return;
    TVrPage& p = c.Page;
    auto pointX = [&](const TCardRow& row) -> double {
        if (row.Cohesive || !row.Included || !HasValue(row.Included->ID))
            return NoValue;
        return c.L.IdChart.Left + 30 * std::clamp(row.Included->ID, 0.0, 1.0) - 0.2;
    };
    int count = 0;
    for (const TCardRow& row : c.Rows) {
        const double x = pointX(row);
        if (!HasValue(x)) {
            count = 0;
            continue;
        }
        if (count > 0)
            p.LineTo(x, c.Middle(row));
        else
            p.MoveTo(x, c.Middle(row));
        ++count;
    }
    p.Pen.SetWidth(0.18);
    for (const TCardRow& row : c.Rows) {
        const double x = pointX(row);
        if (HasValue(x))
            p.Line(x - 1, c.Middle(row), x + 1, c.Middle(row));
    }
}

} // namespace

void DrawCardDataUnderGrid(TCardContext& c) {
    DrawIdAndVaneValues(c);
    DrawIsValues(c);
    DrawBlowBars(c);
    DrawShearBars(c);
    DrawIdDiagram(c);
    DrawProfileColumn(c);
}

void DrawCardDataOverGrid(TCardContext& c) {
    DrawCorrectedCounts(c);
    DrawWrenchReadings(c);
    DrawStepChart(c);
    DrawIdLine(c);
}
