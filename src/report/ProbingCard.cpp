#include "report/ProbingCard.h"

#include "base/Numbers.h"
#include "i18n/Translate.h"
#include "pages/FmtText.h"
#include "pages/Page.h"
#include "report/CardContext.h"
#include "report/CardData.h"
#include "report/ReportText.h"
#include "report/ValueCell.h"

#include <cstdio>

namespace {

// Caption lines above the card: bottom-justified, 5 mm and 1 mm above the top rule.
double Line1(const TCardContext& c) {
    return c.Top - 5;
}
double Line2(const TCardContext& c) {
    return c.Top - 1;
}

bool WaterBelow(double level, double depthM) {
    return HasValue(level) && level >= depthM + 0.5;
}

void ResetTextState(TVrPage& p) {
    p.Font.SetName(ReportFont);
    p.Pen.SetColor(ClBlack);
    p.Brush.SetStyle(bsClear);
}

// Steps 2 and 3: correction note and wrench legend below the card.
void DrawNotes(TCardContext& c) {
    TVrPage& p = c.Page;
    const TSheetOptions& o = c.Test.Sheet;
    const double left = c.L.Left;
    const double pw = c.L.PageWidth;
    ResetTextState(p);
    p.Font.SetHeight(2.8);
    p.SetTextJustify(jtBottom | jtLeft);

    bool secondLine = false;
    if (o.CorrectMode == 1) {
        p.TextOut("* " + Translate("zastosowano współczynnik korekcyjny wg IBPG"), left,
                  c.Bottom + 7);
    } else if (o.CorrectMode == 2) {
        p.TextOut("* " +
                      Translate("zastosowano dedykowany współczynnik korekcyjny (wg użytkownika)"),
                  left, c.Bottom + 7);
        p.TextOut(Translate("Opis wsp.") + ": " + o.UserCorr.Description, left + 2.5,
                  c.Bottom + 10);
        secondLine = true;
    }

    // The legend moves to the right when the second correction line takes its place.
    p.Font.SetColor(VrRgb(80, 80, 80));
    const double textX = secondLine ? left + pw - 83 : left + 5;
    const double iconX = secondLine ? left + pw - 88 : left;
    p.TextOut(Translate("Odczyt z klucza dynamometrycznego") + " [Nm]", textX, c.Bottom + 11);
    p.DrawBitmap(WrenchPicture(), iconX, c.Bottom + 7.5, iconX + 4, c.Bottom + 11.5);
    p.Font.SetColor(ClBlack);
    ResetTextState(p);
}

// Step 4: grey frame with bands above and below and two corner triangles.
void DrawFrame(TCardContext& c) {
    DrawBlockFrame(c.Page,
                   {c.L.Left - 2, c.Top - 12, c.L.Left + c.L.PageWidth, c.Bottom + 2, true});
    c.Page.Pen.SetColor(ClBlack);
}

void DrawDepthCaptions(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardLayout& l = c.L;
    if (c.Test.Sheet.PrintProfile) {
        p.TextOut(Translate("gł."), l.DepthLabels.Centre(), Line1(c));
        p.TextOut("[m]", l.DepthLabels.Centre(), Line2(c));
        p.TextOut(Translate("Głębokość"), l.MetreLabels.Centre(), Line1(c));
        p.TextOut(Translate("[m] p.p.t."), l.MetreLabels.Centre(), Line2(c));
    } else {
        const double x = (l.DepthLabels.Left + l.MetreLabels.Right) / 2;
        p.TextOut(Translate("Głębokość"), x, Line1(c));
        p.TextOut(Translate("[m] p.p.t."), x, Line2(c));
    }
}

// True when the profile caption spans the whole column (both water levels
// lie deep enough to leave the water part's top free for "poziom wody").
bool DrawProfileCaption(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardColumn& col = c.L.Profile;
    const TGeoProfile& g = c.Test.Profile;
    if (WaterBelow(g.Water1, c.StartDepth) && WaterBelow(g.Water2, c.StartDepth)) {
        p.TextOut(Translate(">1Profil"), col.Centre(), Line1(c));
        p.TextOut(Translate(">1litologiczny"), col.Centre(), Line2(c));
        return true;
    }
    const double soil = col.Left + 7.5;
    const double water = col.Left + 20;
    p.TextOut(Translate(">2Profil"), soil, Line1(c));
    p.TextOut(Translate(">2litolog."), soil, Line2(c));
    p.TextOut(Translate(">3Poz."), water, Line1(c));
    p.TextOut(Translate(">3wody"), water, Line2(c));
    return false;
}

void DrawVaneCaptions(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardLayout& l = c.L;
    if (l.Shear.Present) {
        p.TextOut(Translate("Ścinanie"), l.Shear.Centre(), Line1(c));
        p.TextOutF(GreekIndexedText("t", "min"), l.TauMin.Centre(), Line1(c));
        p.TextOut(Translate("[MPa]"), l.TauMin.Centre(), Line2(c));
        p.TextOutF(GreekIndexedText("t", "max"), l.TauMax.Centre(), Line1(c));
        p.TextOut(Translate("[MPa]"), l.TauMax.Centre(), Line2(c));
    }
    if (l.IR.Present) {
        p.TextOut(Translate("Wr.str."), l.IR.Centre(), Line1(c));
        p.TextOutF(IndexedText("I", "R"), l.IR.Centre(), Line2(c));
    }
    if (l.ILMean.Present && l.ILMin.Present && l.ILMax.Present) {
        p.TextOut(Translate("Stopień plastycz."), (l.ILMean.Left + l.ILMax.Right) / 2, Line1(c));
    } else {
        for (const TCardColumn* col : {&l.ILMean, &l.ILMin, &l.ILMax})
            if (col->Present)
                p.TextOut(Translate("St.pl."), col->Centre(), Line1(c));
    }
    if (l.ILMean.Present)
        p.TextOutF(IndexedText("I", Translate("L śr")), l.ILMean.Centre(), Line2(c));
    if (l.ILMin.Present)
        p.TextOutF(IndexedText("I", "L min"), l.ILMin.Centre(), Line2(c));
    if (l.ILMax.Present)
        p.TextOutF(IndexedText("I", "L max"), l.ILMax.Centre(), Line2(c));
}

// Steps 5 to 9: column captions and scales.
void DrawCaptions(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardLayout& l = c.L;
    const TSheetOptions& o = c.Test.Sheet;
    p.Font.SetStyle(fsBold);
    p.Font.SetHeight(4.0);
    p.Font.SetColor(ClBlack);
    p.SetTextJustify(jtBottom | jtCenter);

    DrawDepthCaptions(c);
    const bool wholeProfileCaption = o.PrintProfile && DrawProfileCaption(c);

    std::string blows = Translate("Ilość uderzeń");
    if (o.CorrectMode != 0)
        blows += "*";
    if (l.D > 60)
        blows += " " + Translate("co 10cm poł. sondy");
    p.TextOut(blows, l.Diagram.Centre(), Line1(c));
    p.TextOut(Translate("Tab.odczytów"), l.Readings.Centre(), Line1(c));

    if (o.PrintIdChart) {
        p.TextOut(Translate(">4Wykres stopnia"), l.IdChart.Centre(), Line1(c));
        p.TextOutF(IndexedText(Translate(">4zagęszczenia I"), "D"), l.IdChart.Centre(), Line2(c));
    }
    if (o.PrintIsIndex) {
        if (l.IsValues.Width() > 15) {
            p.TextOut(Translate("6>Wskaźnik"), l.IsValues.Centre(), Line1(c));
            p.TextOutF(IndexedText(Translate("6>zagęszczenia I"), "S"), l.IsValues.Centre(),
                       Line2(c));
        } else {
            p.TextOut(Translate("W.z."), l.IsValues.Centre(), Line1(c));
            p.TextOutF(IndexedText("I", "S"), l.IsValues.Centre(), Line2(c));
        }
    }
    if (l.Vane)
        DrawVaneCaptions(c);
    if (o.PrintDensityState) {
        p.TextOut(Translate("St.z."), l.IdValues.Centre(), Line1(c));
        p.TextOutF(IndexedText("I", "D"), l.IdValues.Centre(), Line2(c));
        p.TextOutF(IndexedText("I", Translate("D śr.")), l.Means.Left + 5, Line1(c));
    }
    if (o.PrintIsIndex)
        p.TextOutF(IndexedText("I", Translate("S śr.")), l.Means.Left + 14, Line1(c));
    if (o.PrintDensityState || o.PrintIsIndex)
        p.TextOut(Translate("dla warstw"), l.Means.Centre(), c.Top);

    if (wholeProfileCaption) {
        const double water = l.Profile.Left + 20;
        p.Font.SetColor(ClBlue);
        p.Font.SetHeight(3.3);
        p.Font.SetStyle(0);
        p.TextOut(Translate("5>poziom"), water, c.Top + 5);
        p.TextOut(Translate("5>wody"), water, c.Top + 8);
    }

    p.SetTextJustify(jtBottom | jtCenter);
    p.Font.SetColor(ClBlack);
    p.Font.SetHeight(3.3);
    p.Font.SetStyle(fsBold);
    p.TextOut(c.Test.ProbeType == ProbeDPSHB ? "N20" : "N10", l.Readings.Left + 7, Line2(c));
    p.TextOut(Translate("gł.") + "[m]", l.Readings.Left + 17.5, Line2(c));

    p.Font.SetStyle(0);
    for (int k = 1; k <= 5; ++k)
        p.TextOut(std::to_string(10 * k), l.Diagram.Left + k * l.D / 6, Line2(c));

    if (l.Shear.Present) {
        // 0 to 0.5 MPa over 20 mm; the labels are "0" and the comma-formatted
        // value without its leading zero, so they read 0,1 ... 0,4.
        p.Font.SetHeight(2.8);
        for (int k = 1; k <= 4; ++k)
            p.TextOut("0" + FormatNumber(0.1 * k, 1).substr(1), l.Shear.Left + 4 * k, Line2(c));
        p.Font.SetHeight(3.3);
    }
}

// Step 10: the depth of every row, beside the depth staff and in the readings table.
void DrawDepthLabels(TCardContext& c) {
    TVrPage& p = c.Page;
    p.SetTextJustify(jtBottom | jtRight);
    for (const TCardRow& row : c.Rows) {
        const std::string text = FormatNumber(row.Z, 1);
        p.TextOut(text, c.L.DepthLabels.Right - 1, row.LineY);
        p.TextOut(text, c.L.Readings.Left + 20, row.LineY);
    }
}

// Steps 12 to 17: rules, the depth staff, metre and reading lines, scale
// lines and column rules.
void DrawGrid(TCardContext& c) {
    TVrPage& p = c.Page;
    const TCardLayout& l = c.L;
    const TSheetOptions& o = c.Test.Sheet;
    const double right = l.LastRight();

    p.Pen.SetColor(ClBlack);
    p.Pen.SetStyle(psSolid);
    p.Pen.SetWidth(0.5);
    p.Line(l.Left, c.Top, right, c.Top);
    p.Pen.SetWidth(0.3);
    if (o.PrintIdChart)
        p.Line(l.IdChart.Left, c.Bottom, l.IdChart.Right, c.Bottom);
    p.Line(l.IdChart.Right, c.Bottom, right, c.Bottom);

    for (int i = 0; i < c.Metres; ++i) {
        const double y0 = c.Top + 30.0 * i;
        p.Brush.SetColor(ClBlack);
        for (int k = 1; k <= 9; k += 2)
            p.Rectangle(l.Staff.Left, y0 + 3 * k, l.Staff.Right, y0 + 3 * (k + 1));
        p.Brush.SetStyle(bsClear);
        p.Rectangle(l.Staff.Left, y0, l.Staff.Right, y0 + 30);
    }

    p.Pen.SetWidth(0.3);
    for (int i = 0; i < c.Metres; ++i) {
        const double y = c.Top + 30.0 * (i + 1);
        p.Line(l.DepthLabels.Left, y, l.DepthLabels.Right, y);
        p.Line(l.MetreLabels.Left, y, l.IdValues.Right, y);
        if (l.Vane)
            p.Line(l.Shear.Left, y, right, y);
    }
    p.Pen.SetWidth(0.3);
    p.Line(l.Left, c.Bottom, l.Diagram.Right, c.Bottom);

    p.Pen.SetStyle(psDot);
    p.Pen.SetColor(ClGrey);
    p.Pen.SetWidth(0);
    for (int i = 0; i < c.Metres; ++i) {
        for (int j = 1; j < l.RowsPerMetre; ++j) {
            const double y = c.Top + 30.0 * i + l.RowPitch * j;
            p.Line(l.DepthLabels.Left, y, l.DepthLabels.Right, y);
            p.Line(l.MetreLabels.Left, y, l.MetreLabels.Right, y);
            p.Line(l.Diagram.Left, y, l.Readings.Right, y);
            if (o.PrintIsIndex)
                p.Line(l.IsValues.Left, y, l.IsValues.Right, y);
            if (l.Vane)
                p.Line(l.Shear.Left, y, right, y);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        const double x = l.Diagram.Left + k * l.D / 6;
        p.Line(x, c.Top, x, c.Bottom);
    }
    if (l.Shear.Present)
        for (int k = 1; k <= 5; ++k) {
            const double x = l.Shear.Left + k * (l.Shear.Width() / 5);
            p.Line(x, c.Top, x, c.Bottom);
        }

    p.Pen.SetStyle(psSolid);
    p.Pen.SetColor(ClBlack);
    auto vertical = [&](double x) { p.Line(x, c.Top, x, c.Bottom); };
    vertical(l.Left);
    vertical(l.DepthLabels.Right);
    if (o.PrintProfile) {
        vertical(l.Profile.Left + 15);
        vertical(l.Profile.Right);
    }
    vertical(l.Diagram.Right);
    vertical(l.Readings.Left + 13);
    vertical(l.Readings.Left + 22);
    if (o.PrintDensityState)
        vertical(l.IdValues.Right);
    for (int i = 0; i <= c.Metres; ++i) {
        const double y = c.Top + 30.0 * i;
        p.Line(l.Diagram.Left, y, l.Diagram.Right, y);
        if (o.PrintIsIndex)
            p.Line(l.IsValues.Left, y, l.IsValues.Right, y);
    }
    p.Line(l.Readings.Left + 13, c.Bottom, l.Readings.Left + 54, c.Bottom);
    if (o.PrintIdChart)
        vertical(l.IdChart.Right);
    if (o.PrintIsIndex)
        vertical(l.IsValues.Right);
    vertical(l.Means.Right);
    vertical(l.Means.Left + 10);
    // These rules look at the options only: without vane tests the absent
    // columns collapse onto the layer means' right edge.
    if (o.PrintShearChart) {
        vertical(l.Shear.Right);
        vertical(l.TauMin.Right);
        vertical(l.TauMax.Right);
    }
    if (o.PrintIR)
        vertical(l.IR.Right);
    if (o.PrintILMean)
        vertical(l.ILMean.Right);
    if (o.PrintILMin)
        vertical(l.ILMin.Right);
    if (o.PrintILMax)
        vertical(l.ILMax.Right);
}

// Step 18: "7 m" ... at the bottom of each metre.
void DrawMetreLabels(TCardContext& c) {
    TVrPage& p = c.Page;
    p.Font.SetHeight(5.5);
    p.Font.SetStyle(fsBold);
    p.SetTextJustify(jtBottom | jtRight);
    for (int i = 0; i < c.Metres; ++i)
        p.TextOut(FormatNumber(c.StartDepth + i + 1, 0) + " m", c.L.MetreLabels.Right - 1,
                  c.Top + 30.0 * (i + 1) - 0.5);
}

// Steps 20 to 22: page number and identification line.
void DrawFooter(TCardContext& c, int pageNumber, int pageCount) {
    TVrPage& p = c.Page;
    ResetTextState(p);
    p.Font.SetHeight(3.5);
    p.Font.SetStyle(fsBold);
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%d / %d", pageNumber, pageCount);
    const TPageNumberPoint at = PageNumberPoint(c.Test.Sheet.Portrait);
    p.SetTextJustify(at.Justify);
    p.TextOut(Translate("Strona", " ") + numbers, at.X, at.Y);

    ResetTextState(p);
    p.Font.SetHeight(2.5);
    p.SetTextJustify(jtBottom | jtRight);
    p.TextOut(IdentificationText(ReportInEnglish()), c.L.Left + c.L.PageWidth - 2, c.Bottom + 7);
    p.SetTextJustify(jtBottom | jtCenter);
}

} // namespace

TPageNumberPoint PageNumberPoint(bool portrait) {
    // Portrait: (186, 278) from the 12 mm margin origin is 12 mm left of and
    // 7 mm above the bottom-right corner of A4. On a landscape page that
    // point would lie below the 210 mm high paper, and its own bottom-right
    // corner is taken by the identification line of a card with the compact
    // header (card bottom 65 + 4 x 30 mm, line 7 mm below, frame below that):
    // the number stands in the free middle of the page, 5 mm above the bottom
    // edge so that it clears the frame.
    if (portrait)
        return {186, 278, TJustify(jtBottom | jtRight)};
    return {(297 - 12 - 12) / 2.0, 210 - 5 - 12, TJustify(jtBottom | jtCenter)};
}

std::string IdentificationText(bool english) {
    return std::string("Ardelven Quistra") + " " + "v. 2.42" +
           (english ? " - report generated by the program" : " - raport wygenerowany programem");
}

void DrawProbingCard(TVrPage& page, const TProtocol& test, int pageNumber, double left, double top,
                     int pageCount, double startDepth, int metres) {
    TCardContext c(page, test, left, top, startDepth, metres);
    DrawNotes(c);
    DrawFrame(c);
    DrawCaptions(c);
    DrawDepthLabels(c);
    DrawCardDataUnderGrid(c);
    DrawGrid(c);
    DrawMetreLabels(c);
    DrawCardDataOverGrid(c);
    DrawFooter(c, pageNumber, pageCount);
}
