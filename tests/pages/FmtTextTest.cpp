#include "RecordingSurface.h"

#include "pages/FmtText.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

namespace {

// One millimetre is one pixel and no margins, so an anchor (x, y) mm is the
// device point (x, y). The surface font starts 40 px high; on the recording
// surface a character is height / 4 pixels wide ("I" 10 px at 40, "D" 8 px at 32).
struct FmtFixture : ::testing::Test {
    TVrPages pages;
    TRecordingSurface surface;
    TVrPage* page = nullptr;

    void SetUp() override {
        pages.ViewRange = {0, 0, 210, 297};
        pages.SetViewSurface(&surface);
        page = pages.NewPage();
        page->MeasureByBox = false;
        surface.CurrentFont.Height = 40;
    }
    std::vector<std::string> Runs() {
        surface.Calls.clear();
        pages.RenderPage(0);
        return surface.Matching("TextOutAt");
    }
    static TFmtText DensityIndexLabel() {
        TFmtText t;
        t.AddText("I").AddIndex(fiLower).AddText("D").AddIndex(fiNormal).AddText("I");
        return t;
    }
};

TEST_F(FmtFixture, LowerIndexShrinksLowersAndReturns) {
    page->TextOutF(DensityIndexLabel(), 10, 100);
    // TextOutAt(text, x, y, font height, rotation)
    const std::vector<std::string> expected = {
        "TextOutAt(I,10,100,40,0)",
        "TextOutAt(D,20,117,32,0)", // 100 + 8 + 9.6 = 117.6
        "TextOutAt(I,28,100,40,0)",
    };
    EXPECT_EQ(Runs(), expected);
    // The surface font is the same afterwards.
    EXPECT_EQ(surface.CurrentFont.Height, 40);
}

TEST_F(FmtFixture, CentredLineStartsHalfItsWidthLeft) {
    TFmtText t;
    t.AddText("I").AddIndex(fiLower).AddText("D");
    page->SetTextJustify(jtCenter | jtTop);
    page->TextOutF(t, 100, 100);
    const auto runs = Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], "TextOutAt(I,91,100,40,0)"); // W = 10 + 8
    EXPECT_EQ(runs[1], "TextOutAt(D,101,117,32,0)");
}

TEST_F(FmtFixture, TwoLowerIndicesShrinkAndLowerTwice) {
    TFmtText t;
    t.AddText("I").AddIndex(fiLower).AddIndex(fiLower).AddText("x");
    page->TextOutF(t, 10, 100);
    // 40 -> 32 (Y 117.6) -> 25: Y + 7 + 7.5 = 132.1
    EXPECT_EQ(Runs().back(), "TextOutAt(x,20,132,25,0)");
}

TEST_F(FmtFixture, UpperIndexRisesBySixtyPerCent) {
    TFmtText t;
    t.AddText("m").AddIndex(fiUpper).AddText("2").AddIndex(fiNormal).AddText("s");
    page->TextOutF(t, 10, 100);
    // 100 + 8 - 19.2 = 88.8; back: 88.8 + 19.2 = 108, then - 8 = 100
    const std::vector<std::string> expected = {
        "TextOutAt(m,10,100,40,0)", "TextOutAt(2,20,88,32,0)", "TextOutAt(s,28,100,40,0)"};
    EXPECT_EQ(Runs(), expected);
}

TEST_F(FmtFixture, BottomMovesUpByTheCellHeightWithoutBoxMeasuring) {
    page->SetTextJustify(jtBottom | jtLeft);
    page->TextOutF(DensityIndexLabel(), 10, 100);
    EXPECT_EQ(Runs().front(), "TextOutAt(I,10,60,40,0)"); // up by h0 = 40

    // Measured by box the height is that of the box the runs span: the
    // first run's box goes up 40, then each run starts at the far corner.
    page->MeasureByBox = true;
    const auto runs = Runs();
    // Runs at y 100 -> 60, 77.6 -> 45.6, 28 -> -12: the box is 112 high.
    EXPECT_EQ(runs.front(), "TextOutAt(I,10,-12,40,0)");
}

TEST_F(FmtFixture, HeightItemScalesWithTheZoom) {
    pages.ViewRange = {0, 0, 840, 1188}; // 4 px/mm
    TFmtText t;
    t.AddText("A").AddHeight(4).AddText("b");
    page->TextOutF(t, 10, 10);
    // 16 px font, moved down by 40 - 16 = 24.
    EXPECT_EQ(Runs().back(), "TextOutAt(b,50,64,16,0)");
}

TEST_F(FmtFixture, RotatedMinusNinetyIsNotAnchoredAndRunsDownwards) {
    page->Font.SetRotate(-90);
    page->SetTextJustify(jtCenter | jtMiddle);
    TFmtText t;
    t.AddText("AB").AddHeight(32).AddText("C");
    page->TextOutF(t, 10, 100);
    const std::vector<std::string> expected = {
        "TextOutAt(AB,10,100,40,-900)",
        // Down by the width of "AB" (20) and by 40 - 32 for the smaller
        // font; still rotated after the height change.
        "TextOutAt(C,10,128,32,-900)",
    };
    EXPECT_EQ(Runs(), expected);
}

TEST_F(FmtFixture, UprightNinetyAnchorsAlongTheOtherAxis) {
    // Measured by box, an upright run spans 40 px both ways (W = H = 40);
    // the quarter turn is exact, so nothing drifts across a pixel.
    page->MeasureByBox = true;
    page->Font.SetRotate(90);
    page->SetTextJustify(jtCenter | jtBottom);
    TFmtText t;
    t.AddText("ABCD"); // 40 px along the line, 40 px cell
    page->TextOutF(t, 100, 100);
    EXPECT_EQ(Runs().front(), "TextOutAt(ABCD,60,120,40,900)");
}

TEST_F(FmtFixture, TheElementKeepsItsOwnCopy) {
    TFmtText builder = DensityIndexLabel();
    page->TextOutF(builder, 10, 100);
    builder.Clear();
    builder.AddText("changed");
    EXPECT_EQ(Runs().size(), 3u);
    EXPECT_EQ(Runs().front(), "TextOutAt(I,10,100,40,0)");
}

TEST_F(FmtFixture, EmptyTextAndUnknownIndexModesDrawNothingOrMoveNothing) {
    page->TextOutF(TFmtText(), 10, 100);
    EXPECT_TRUE(Runs().empty());
    TFmtText t;
    t.AddText("a").AddIndex(7).AddText("b");
    page->Clear();
    page->TextOutF(t, 10, 100);
    EXPECT_EQ(Runs().back(), "TextOutAt(b,20,100,40,0)");
}

TEST(FmtText, CopyClonesEveryItem) {
    TFmtText a;
    a.AddName("Symbol").AddHeight(4.5).AddIndex(fiLower).AddText("p");
    TFmtText b = a;
    a.Clear();
    ASSERT_EQ(b.Count(), 4);
    EXPECT_EQ(b.Item(0)->Kind(), 1);
    EXPECT_EQ(static_cast<TFT_Height*>(b.Item(1))->Height, 4.5);
    EXPECT_EQ(b.Item(2)->Kind(), 11);
    EXPECT_EQ(static_cast<TFT_Text*>(b.Item(3))->Text, "p");
    EXPECT_EQ(b.Item(4), nullptr);
}

} // namespace
