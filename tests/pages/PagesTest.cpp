#include "RecordingSurface.h"

#include "pages/FmtText.h"
#include "pages/PageElements.h"
#include "pages/Pages.h"
#include "pages/SymbolFont.h"

#include <gtest/gtest.h>

namespace {

// A4 portrait at zoom 4 with the report's 12 mm origin: kx = ky = 4.
struct PageFixture : ::testing::Test {
    TVrPages pages;
    TRecordingSurface surface;
    TVrPage* page = nullptr;

    void SetUp() override {
        pages.Margins = {12, 12, 186, 252};
        pages.ViewRange = {0, 0, 840, 1188};
        pages.SetViewSurface(&surface);
        page = pages.NewPage();
    }
    std::vector<std::string> Render() {
        surface.Calls.clear();
        pages.RenderPage(0);
        return surface.Calls;
    }
};

TEST(Kalibrator, MapsTheMarginOriginAndTruncatesTowardZero) {
    TVrKalibrator k;
    k.Calibration = clCompToComp;
    k.Source = {0, 0, 210, 297};
    k.SourceMargins = {12, 12, 186, 252};
    k.Dest = {0, 0, 840, 1188};
    ASSERT_TRUE(k.Prepare());
    EXPECT_DOUBLE_EQ(k.Kx(), 4.0);
    EXPECT_DOUBLE_EQ(k.Ky(), 4.0);
    TVrPoint p;
    ASSERT_TRUE(k.MapPointInt(0, 0, p));
    EXPECT_EQ(p, (TVrPoint{48, 48}));
    double X = 0, Y = 0;
    ASSERT_TRUE(k.MapPoint(10.3, 0, X, Y));
    EXPECT_NEAR(X, 89.2, 1e-9);
    ASSERT_TRUE(k.MapPointInt(10.3, 0, p));
    EXPECT_EQ(p.X, 89);
    // -12.3 mm lands 1.2 px left of the paper edge: toward zero gives -1, not -2.
    ASSERT_TRUE(k.MapPointInt(-12.3, -12.3, p));
    EXPECT_EQ(p, (TVrPoint{-1, -1}));
    // Destination margins shift the result left and up (printer offsets).
    k.DestMargins = {100, 100, 0, 0};
    ASSERT_TRUE(k.MapPointInt(0, 0, p));
    EXPECT_EQ(p, (TVrPoint{-52, -52}));
}

TEST(Kalibrator, DegeneratePageFailsAndScalesToZero) {
    TVrKalibrator k;
    k.Calibration = clCompToComp;
    k.Source = {0, 0, 0, 297};
    k.Dest = {0, 0, 840, 1188};
    EXPECT_FALSE(k.Prepare());
    double X = 0, Y = 0;
    EXPECT_FALSE(k.MapPoint(1, 1, X, Y));
    EXPECT_EQ(k.ScaleX(10), 0.0);
    EXPECT_EQ(k.ScaleY(10), 0.0);
}

TEST(Pages, ActivePageIsClampedToThePages) {
    struct Case {
        int pages;
        int set;
        int expected;
    };
    for (Case c : {Case{3, 5, 2}, Case{3, -7, -1}, Case{0, 0, -1}, Case{3, 1, 1}}) {
        TVrPages pages;
        for (int i = 0; i < c.pages; ++i)
            pages.NewPage();
        pages.SetActivePage(c.set);
        EXPECT_EQ(pages.ActivePage(), c.expected) << c.pages << " pages, set " << c.set;
    }
}

TEST(Pages, NewPageActivatesTheFirstAndClearResets) {
    TVrPages pages;
    int calls = 0;
    pages.OnChange = [&](TVrPages&) { ++calls; };
    EXPECT_EQ(pages.ActivePage(), -1);
    TVrPage* first = pages.NewPage();
    EXPECT_EQ(pages.ActivePage(), 0);
    EXPECT_EQ(first->Index(), 0);
    pages.NewPage();
    pages.SetActivePage(1);
    TVrPage* third = pages.NewPage();
    EXPECT_EQ(third->Index(), 2);
    EXPECT_EQ(pages.ActivePage(), 1);
    EXPECT_EQ(calls, 4);
    pages.Clear();
    EXPECT_EQ(pages.Count(), 0);
    EXPECT_EQ(pages.ActivePage(), -1);
    EXPECT_EQ(calls, 5);
}

TEST(Pages, OrientationSwapsThePageAndReachesTheObserverWhileBuffering) {
    TVrPages pages;
    int calls = 0;
    pages.OnChange = [&](TVrPages&) { ++calls; };
    pages.SetBuffering(true);
    calls = 0;
    pages.SetOrientation(orHorizontal);
    EXPECT_EQ(pages.Range, (TRange{0, 0, 297, 210}));
    pages.SetOrientation(orHorizontal);
    EXPECT_EQ(pages.Range, (TRange{0, 0, 297, 210}));
    pages.SetOrientation(orVertical);
    EXPECT_EQ(pages.Range, (TRange{0, 0, 210, 297}));
    EXPECT_EQ(calls, 3);
}

TEST(Pages, BufferingHoldsNotificationsBackAndEndsWithOne) {
    TVrPages pages;
    int calls = 0;
    pages.OnChange = [&](TVrPages&) { ++calls; };
    pages.SetBuffering(true);
    TVrPage* page = pages.NewPage();
    page->Font.SetName("Tahoma");
    page->Rectangle(0, 0, 10, 10);
    page->TextOut("x", 1, 1);
    EXPECT_EQ(calls, 0);
    pages.SetBuffering(false);
    EXPECT_EQ(calls, 1);
    page->Line(0, 0, 1, 1); // not buffering: every recording notifies
    EXPECT_EQ(calls, 2);
}

TEST_F(PageFixture, EveryRecordingOperationAppendsItsKind) {
    const TVrPointMm triangle[] = {{0, 0}, {3, 0}, {0, 3}};
    TFmtText label;
    label.AddText("I");
    page->Font.SetName("Tahoma");
    page->Font.SetStyle(fsBold);
    page->Font.SetWidth(1);
    page->Font.SetHeight(4);
    page->Font.SetColor(0);
    page->Font.SetRotate(90);
    page->Pen.SetColor(0);
    page->Pen.SetStyle(psDot);
    page->Pen.SetWidth(0.18);
    page->Brush.SetColor(0xC0C0C0);
    page->Brush.SetStyle(bsClear);
    page->Rectangle(0, 0, 1, 1);
    page->TextOut("a", 0, 0);
    page->TextOutF(label, 0, 0);
    page->FillRect(0, 0, 1, 1);
    page->Line(0, 0, 1, 1);
    page->MoveTo(0, 0);
    page->LineTo(1, 1);
    page->PolyLine(triangle, 3);
    page->DrawBitmap(WrenchPicture(), 0, 0, 4, 4);
    page->RoundRect(0, 0, 10, 10, 4, 4);
    page->TextOutWrapped("a", 10, 5, 0, 0);
    page->SetTextJustify(jtMiddle | jtLeft);
    const int expected[] = {1,   2,   3,   4,   6,   10,  12,  14,  15,  16,  17, 100,
                            101, 102, 103, 106, 109, 110, 111, 112, 113, 115, 150};
    ASSERT_EQ(page->Count(), int(std::size(expected)));
    for (int i = 0; i < page->Count(); ++i)
        EXPECT_EQ(page->Element(i)->Kind(), expected[i]) << "element " << i;
    // The setters keep the value for the composing code to read back.
    EXPECT_EQ(page->Font.Name, "Tahoma");
    EXPECT_EQ(page->Font.Rotate, 90);
    EXPECT_EQ(page->Pen.Width, 0.18);
    EXPECT_EQ(page->Brush.Style, bsClear);
    page->Clear();
    EXPECT_EQ(page->Count(), 0);
}

TEST_F(PageFixture, RenderFillsTheBackgroundAndDrawsShapesInPixels) {
    const TVrPointMm triangle[] = {{0, 0}, {3, 0}, {0, 3}};
    page->Rectangle(0, 0, 10.3, 10);
    page->Line(1, 1, 2, 2);
    page->PolyLine(triangle, 3);
    page->PolyLine(triangle, 0);
    page->RoundRect(0, 0, 10, 10, 4, 2);
    page->DrawBitmap(WrenchPicture(), 0, 0, 4, 4);
    const std::vector<std::string> expected = {
        "BrushColor(16777215)",
        "FillRect(0,0,840,1188)",
        "PenColor(0)",
        "PenWidth(0)",
        "Rectangle(48,48,89,88)",
        "MoveTo(52,52)",
        "LineTo(56,56)",
        "Polygon(48:48 60:48 48:60)",
        "RoundRect(48,48,88,88,16,8)",
        "DrawPicture(wrench,48,48,64,64)",
    };
    EXPECT_EQ(Render(), expected);
}

TEST_F(PageFixture, RenderOutsideThePagesDrawsNothing) {
    page->Rectangle(0, 0, 1, 1);
    pages.RenderPage(1);
    pages.RenderPage(-1);
    EXPECT_TRUE(surface.Calls.empty());
}

TEST_F(PageFixture, PenWidthTruncatesAtTheZoom) {
    page->Pen.SetWidth(0.25);
    EXPECT_EQ(Render().back(), "PenWidth(1)"); // 0.25 mm x 4 px/mm
    pages.ViewRange = {0, 0, 630, 891};
    EXPECT_EQ(Render().back(), "PenWidth(0)"); // 0.75 px: the thinnest pen
}

TEST_F(PageFixture, BrushColourAfterAClearBrushFillsTheNextShape) {
    page->Brush.SetStyle(bsClear);
    page->Brush.SetColor(VrRgb(128, 128, 128));
    page->Rectangle(0, 0, 1, 1);
    Render();
    EXPECT_EQ(surface.Brush, bsSolid);
    EXPECT_EQ(page->Brush.Style, bsClear); // the page keeps what was recorded
    EXPECT_EQ(page->Brush.Color, VrRgb(128, 128, 128));
}

// Font height 44 px makes every character 11 px wide on the recording surface.
TEST_F(PageFixture, TextIsAnchoredByTheJustification) {
    struct Case {
        TJustify justify;
        const char* expected;
    };
    const Case cases[] = {
        {jtTop | jtLeft, "DrawTextBox(W,88,88,99,132,L,nowrap)"},
        {jtTop | jtCenter, "DrawTextBox(W,83,88,94,132,C,nowrap)"}, // 5 px left, not 6
        {jtTop | jtRight, "DrawTextBox(W,77,88,88,132,R,nowrap)"},  // ends at the anchor
        {jtMiddle | jtLeft, "DrawTextBox(W,88,66,99,110,L,nowrap)"},
        {jtBottom | jtRight, "DrawTextBox(W,77,44,88,88,R,nowrap)"},
    };
    for (const Case& c : cases) {
        page->Clear();
        page->Font.SetHeight(11);
        page->SetTextJustify(c.justify);
        page->TextOut("W", 10, 10);
        EXPECT_EQ(surface.WidthOf("W", 44), 11);
        EXPECT_EQ(Render().back(), c.expected) << "justify " << int(c.justify);
    }
}

TEST_F(PageFixture, WrappedTextIsLimitedByTheBoxButAnchoredAtThePoint) {
    page->Font.SetHeight(2); // 8 px font, 2 px characters
    page->SetTextJustify(jtMiddle | jtLeft);
    page->TextOutWrapped("aaaa bbbb cccc", 5, 4, 10, 10); // box 20 x 16 px
    // Two lines "aaaa bbbb" (18 px) and "cccc": 16 px high, centred on y 88.
    EXPECT_EQ(Render().back(), "DrawTextBox(aaaa bbbb cccc,88,80,106,96,L,wrap)");
}

TEST_F(PageFixture, ThePageDrawsTheSameTwice) {
    page->Font.SetHeight(11);
    page->TextOut("A", 10, 10);
    page->SetTextJustify(jtBottom | jtRight);
    page->Font.SetRotate(90);
    page->TextOut("B", 10, 10);
    const auto first = Render();
    EXPECT_EQ(page->Justify, jtBottom | jtRight);
    const auto second = Render();
    EXPECT_EQ(first, second);
}

TEST(SymbolFont, LatinLettersBecomeGreek) {
    EXPECT_EQ(SymbolFontToUnicode("ptam"), "πταμ");
    EXPECT_EQ(SymbolFontToUnicode("P 1,5"), "Π 1,5");
    EXPECT_TRUE(IsSymbolFontName("Symbol"));
    EXPECT_TRUE(IsSymbolFontName("SYMBOL"));
    EXPECT_FALSE(IsSymbolFontName("Tahoma"));
}

} // namespace
