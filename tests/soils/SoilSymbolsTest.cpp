#include "soils/SoilSymbols.h"

#include "model/GeoProfile.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The items of a formatted text as one line: "H4 Tahoma-text ...".
std::string Items(const TFmtText& text) {
    std::ostringstream out;
    for (int i = 0; i < text.Count(); ++i) {
        const TFmtTextItem* item = text.Item(i);
        out << (i ? " " : "");
        switch (item->Kind()) {
        case 1:
            out << "N:" << static_cast<const TFT_Name*>(item)->Name;
            break;
        case 4:
            out << "H" << static_cast<const TFT_Height*>(item)->Height;
            break;
        case 11:
            out << "I" << int(static_cast<const TFT_Index*>(item)->Mode);
            break;
        case 101:
            out << "'" << static_cast<const TFT_Text*>(item)->Text << "'";
            break;
        }
    }
    return out.str();
}

TEST(SoilSymbolText, BuildsSubscriptsAndPi) {
    struct Case {
        const char* line;
        const char* items;
    };
    const Case cases[] = {
        {"G[pz]", "H4 'G' I2 H3.3 'p' 'z' I1 H4"},
        {"P[d]", "H4 'P' I2 H3.3 'd' I1 H4"},
        {"PI[p]", "H4 N:Symbol H5 'p' N:Tahoma I2 H3.3 'p' I1 H4"},
        {"I[pi]", "H4 'I' I2 H3.3 N:Symbol H4.5 'p ' N:Tahoma I1 H4"},
        // The word "piasek" is plain letters; "pisząca" starts with pi, and
        // the Polish letter stays one character.
        {"Piasek", "H4 'P' 'i' 'a' 's' 'e' 'k'"},
        {"pisząca", "H4 N:Symbol H5 'p' N:Tahoma 's' 'z' 'ą' 'c' 'a'"},
        // Ending inside a subscript simply stays there.
        {"P[d", "H4 'P' I2 H3.3 'd'"},
        {"", "H4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Items(SoilSymbolText(c.line)), c.items) << c.line;
}

struct LayerFixture : ::testing::Test {
    TVrPages pages;
    TVrPage* page = pages.NewPage();

    // The anchors (y) of the recorded formatted texts, and their first letters.
    std::vector<double> LineYs() const {
        std::vector<double> ys;
        for (int i = 0; i < page->Count(); ++i)
            if (auto* e = dynamic_cast<TVrPE_TextOutF*>(page->Element(i)))
                ys.push_back(e->Y);
        return ys;
    }
};

TEST_F(LayerFixture, LinesAreCentredFourMillimetresApart) {
    TGeoProfileItem layer(0, "P[d]#G[pz]#Gp", 0);
    DrawLayerSymbol(layer, *page, 20, 100, 50);
    EXPECT_EQ(LineYs(), (std::vector<double>{96, 100, 104}));
    auto* first = dynamic_cast<TVrPE_TextOutF*>(page->Element(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->X, 50);
    EXPECT_EQ(Items(first->Text), "H4 'P' I2 H3.3 'd' I1 H4");
    EXPECT_EQ(layer.Name, "P[d]#G[pz]#Gp");
}

TEST_F(LayerFixture, TheBandLimitsTheLines) {
    struct Case {
        const char* name;
        double band;
        size_t lines;
    };
    const Case cases[] = {
        {"P[d]##G", 40, 1},                      // lines after an empty one are left out
        {"A#B#C", 7, 1},                         // 7 mm holds one 4 mm line
        {"A#B#C", 3, 1},                         // still one line
        {"A#B#C", 8, 2},                         // 8 * 0.25 + 0.00001 = 2
        {"1#2#3#4#5#6#7#8#9#10#11#12", 200, 10}, // at most ten
        {"", 20, 1},                             // an empty name records one empty line
    };
    for (const Case& c : cases) {
        page->Clear();
        TGeoProfileItem layer(0, c.name, 0);
        DrawLayerSymbol(layer, *page, c.band, 100, 0);
        EXPECT_EQ(LineYs().size(), c.lines) << c.name << " in " << c.band << " mm";
    }
    // Ten lines around y 100: from 82 to 118.
    EXPECT_EQ(LineYs().size(), 1u);
    page->Clear();
    TGeoProfileItem twelve(0, "1#2#3#4#5#6#7#8#9#10#11#12", 0);
    DrawLayerSymbol(twelve, *page, 200, 100, 0);
    EXPECT_EQ(LineYs().front(), 82);
    EXPECT_EQ(LineYs().back(), 118);
}

TEST_F(LayerFixture, NegativeOrHugeBandsDoNotBreak) {
    TGeoProfileItem layer(0, "A#B", 0);
    DrawLayerSymbol(layer, *page, -50, 100, 0);
    EXPECT_TRUE(LineYs().empty());
    DrawLayerSymbol(layer, *page, 1e300, 100, 0);
    EXPECT_EQ(LineYs().size(), 2u);
}

} // namespace
