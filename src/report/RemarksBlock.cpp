#include "report/RemarksBlock.h"

#include "i18n/Translate.h"
#include "pages/FmtText.h"
#include "pages/Page.h"
#include "report/ReportText.h"
#include "report/ValueCell.h"

namespace {

// Legend of the vane columns, at the right of a landscape block.
void DrawVaneLegend(TVrPage& p, double x, double b, double pw) {
    p.Font.SetStyle(fsBold);
    p.TextOut(Translate("Legenda"), x + 191, b - 7);
    p.Font.SetStyle(0);
    p.TextOut(Translate("Wytrzymałość na ścinanie w stanie naruszonym"), x + 191, b - 2);
    p.TextOut(Translate("Wytrzymałość na ścinanie bez naruszenia strukury"), x + 191, b + 2);
    p.TextOut(Translate("Wskaźnik wrażliwości strukturalnej gruntu spoistego"), x + 191, b + 6);
    p.SetTextJustify(jtMiddle | jtRight);
    p.TextOutF(GreekIndexedText("t", "min"), x + pw - 5, b - 2);
    p.TextOutF(GreekIndexedText("t", "max"), x + pw - 5, b + 2);
    TFmtText ir;
    ir.AddName(ReportFont);
    ir.AddText("I");
    ir.AddIndex(2);
    ir.AddText("R");
    p.TextOutF(ir, x + pw - 5, b + 6);
}

void DrawForTester(TVrPage& p, const TProtocol& t, double x, double b, double pw) {
    DrawBlockFrame(p, {x - 2, b - 12, x + pw, b + 10, true});
    SetLabelFont(p);
    p.TextOut(Translate("Uwagi / podsumowanie badania"), x + 3, b - 7);
    if (!t.Sheet.Portrait)
        DrawVaneLegend(p, x, b, pw);
    p.SetTextJustify(jtMiddle | jtLeft);
    p.TextOut(Translate("Badanie wykonał"), x + 96, b - 1.5);
    p.TextOut(Translate("Opracował i zweryfikował"), x + 96, b + 5.5);
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(ClBlack);
    ValueCell(p, TCellKind::Left, t.Remarks, x - 1, b - 4, 94, 13);
    ValueCell(p, TCellKind::Left, t.TestedBy, x + 132, b - 4, 55, 5);
    ValueCell(p, TCellKind::Left, t.PreparedBy, x + 132, b + 3, 55, 5);
}

void DrawForClient(TVrPage& p, const TProtocol& t, double x, double b, double pw) {
    DrawBlockFrame(p, {x - 2, b - 12, x + pw, b + 2, false});
    // Dotted boxes for the stamps; they keep their place at the block's left
    // on landscape pages too.
    p.Pen.SetColor(ClGrey);
    p.Brush.SetColor(ClWhite);
    p.Pen.SetStyle(psDot);
    p.Pen.SetWidth(0);
    p.Rectangle(x - 2, b + 3, x + 93, b + 17);
    p.Rectangle(x + 95, b + 3, x + 188, b + 17);
    p.Pen.SetWidth(0.18);
    p.Pen.SetStyle(psSolid);
    p.Brush.SetStyle(bsClear);

    SetLabelFont(p);
    p.TextOut(Translate("Uwagi / podsumowanie badania"), x + 3, b - 7);
    p.TextOut(Translate("Opracował i zweryfikował"), x + 132, b - 7);
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(ClBlack);
    ValueCell(p, TCellKind::Left, t.Remarks, x - 1, b - 4, 130, 5);
    ValueCell(p, TCellKind::Left, t.PreparedBy, x + 132, b - 4, 55, 5);

    p.SetTextJustify(jtMiddle | jtLeft);
    p.Font.SetColor(ClLabel);
    p.TextOut(Translate("Podpis i pieczątka"), x, b + 6);
    p.TextOut(Translate("Zleceniodawcy"), x, b + 10);
    p.SetTextJustify(jtMiddle | jtRight);
    p.TextOut(Translate("Podpis i pieczątka"), x + 186, b + 6);
    p.TextOut(Translate("Wykonawcy"), x + 187, b + 10);
}

} // namespace

void DrawRemarksBlock(TVrPage& p, const TProtocol& t, double x, double y, bool footerByClient) {
    const double b = y + 12;
    const double pw = t.Sheet.Portrait ? 188 : 276;
    p.Font.SetName(ReportFont);
    p.Pen.SetColor(ClBlack);
    p.Brush.SetStyle(bsClear);
    if (footerByClient)
        DrawForClient(p, t, x, b, pw);
    else
        DrawForTester(p, t, x, b, pw);
}
