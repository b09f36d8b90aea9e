#include "ReportPage.h"

#include "pages/FmtText.h"

#include <string>

void ComposeReportLikePage(TVrPages& pages) {
    pages.Clear();
    pages.Margins = {12, 12, 186, 252};
    pages.SetBuffering(true);
    TVrPage* page = pages.NewPage();
    page->MeasureByBox = false;
    page->Font.SetName("Tahoma");
    page->Pen.SetColor(0);
    page->Brush.SetStyle(bsClear);

    // Header: 24 value cells.
    page->Font.SetHeight(3.8);
    for (int i = 0; i < 24; ++i) {
        const double x = (i % 4) * 46.0;
        const double y = (i / 4) * 6.0;
        page->Brush.SetColor(VrRgb(245, 245, 245));
        page->Pen.SetColor(VrRgb(192, 192, 192));
        page->Pen.SetWidth(0.18);
        page->Rectangle(x, y, x + 44, y + 5);
        page->Brush.SetStyle(bsClear);
        page->SetTextJustify(jtMiddle | jtLeft);
        page->TextOutWrapped("Wartość pola " + std::to_string(i) + " ", 43, 4, x + 1, y + 2.5);
    }

    // Probing card: 10 metres of 10 rows.
    const double top = 50;
    page->Pen.SetStyle(psDot);
    page->Pen.SetColor(VrRgb(128, 128, 128));
    page->Pen.SetWidth(0);
    for (int row = 1; row < 100; ++row)
        page->Line(0, top + row * 2.0, 186, top + row * 2.0);
    page->Pen.SetStyle(psSolid);
    page->Pen.SetColor(0);
    for (int m = 0; m < 10; ++m) {
        page->Brush.SetColor(0);
        for (int k = 1; k < 10; k += 2)
            page->Rectangle(8, top + m * 20 + 2 * k, 10, top + m * 20 + 2 * k + 2);
        page->Brush.SetStyle(bsClear);
        page->Rectangle(8, top + m * 20, 10, top + m * 20 + 20);
    }
    page->Font.SetHeight(2.8);
    page->SetTextJustify(jtBottom | jtRight);
    TFmtText id;
    for (int row = 0; row < 100; ++row) {
        const double y = top + row * 2.0 + 2;
        page->TextOut(std::to_string(row / 10) + "," + std::to_string(row % 10), 7, y);
        page->Brush.SetColor(VrRgb(0, 128, 255));
        page->FillRect(40, y - 1.8, 40 + (row * 7 % 45), y);
        page->Brush.SetStyle(bsClear);
        page->TextOut(std::to_string(row * 7 % 45), 100, y);
        page->TextOut(std::to_string(row % 3) + ",5" + std::to_string(row % 10), 112, y);
        id.Clear();
        id.AddText("0,").AddText(std::to_string(row % 97)).AddIndex(2).AddText("D");
        page->TextOutF(id, 130, y);
        page->MoveTo(150, y - 1);
        page->LineTo(150 + (row * 13 % 30), y - 1);
        page->PolyLine({{170, y - 2}, {172, y - 2}, {170, y}});
        page->Font.SetColor(VrRgb(0, 0, 255));
        page->TextOut(std::to_string(row % 9) + ",0", 122, y);
        page->Font.SetColor(0);
        page->Pen.SetWidth(0.3);
        page->Line(176, y, 186, y);
        page->TextOut(row % 2 ? "zg" : "szg", 184, y);
    }
    page->DrawBitmap(WrenchPicture(), 0, 260, 4, 264);
    pages.SetBuffering(false);
}
