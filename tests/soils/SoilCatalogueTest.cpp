#include "soils/SoilCatalogue.h"

#include "i18n/Localization.h"
#include "i18n/Translate.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SoilCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { SetLanguage("PL"); }
    void TearDown() override { SetLanguage("PL"); }
};

// The catalogue in menu order, as runs of one class.
struct TClassRun {
    int Section;
    int SoilClass;
    std::vector<const char*> Captions;
};

const std::vector<TClassRun> ExpectedRuns = {
    {1,
     0,
     {"nN - nasyp niebudowlany (PN)", "nB - nasyp budowlany (PN)", "Żl - żużel (PN)",
      "żl - żużel (ISO)", "C - cegła (PN)", "c - cegła (ISO)"}},
    {2,
     6,
     {"H - grunt próchniczy (PN)", "H - grunt próchniczy, humus (ISO)", "Nm - namuł (PN)",
      "T - torf (PN)", "T - torf (ISO)"}},
    {3,
     0,
     {"Kr - kreda (PN)", "kr - kreda (ISO)", "kp - kreda pisząca (ISO)", "Gy - gytia (PN)",
      "gy - gytia (ISO)", "L[bi] - łupek bitumiczny (PN)", "cd - węgiel brunatny (ISO)",
      "ck - węgiel kamienny (ISO)"}},
    {4, 0, {"Gleba"}},
    {5,
     5,
     {"I[pi] - ił pylasty (PN)", "siCl - ił pylasty (ISO)", "I - ił (PN)", "Cl - ił (ISO)",
      "I[p] - ił piaszczysty (PN)", "saCl - ił piaszczysty (ISO)"}},
    {5,
     4,
     {"sasiCl - glina ilasta (ISO)", "G[piz] - glina pylasta zwięzła (PN)",
      "G[z] - glina zwięzła (PN)", "G[pz] - glina piaszczysta zwięzła (PN)",
      "G[pi] - glina pylasta (PN)", "saclSi - glina pylasta (ISO)", "G - glina (PN)",
      "G[p] - glina piaszczysta (PN)"}},
    {5,
     3,
     {"PI - pył (PN)", "Si - pył (ISO)", "PI[p] - pył piaszczysty (PN)",
      "saSi - pył piaszczysty (ISO)", "clSi - pył ilasty (ISO)"}},
    {5, 4, {"P[g] - piasek gliniasty (PN)"}},
    {5,
     2,
     {"P[pi] - piasek pylasty (PN)", "ciSa - piasek pylasty (ISO)", "clSa - piasek ilasty (ISO)"}},
    {6,
     2,
     {"P[d] - piasek drobny (PN)", "FSa - piasek drobny (ISO)", "P[s] - piasek średni (PN)",
      "MSa - piasek średni (ISO)", "P[r] - piasek gruby (PN)", "CSa - piasek gruby (ISO)",
      "Sa - piasek (ISO)"}},
    {6, 1, {"grSa - pospółka (ISO)", "P[og] - pospółka gliniasta (PN)", "P[o] - pospółka (PN)"}},
    {6,
     7,
     {"Ż[g] - żwir gliniasty (PN)", "saGr - żwir piaszczysty (ISO)", "siGr - żwir pylasty (ISO)",
      "clGr - żwir ilasty (ISO)", "Ż - żwir (PN)", "Gr - żwir (ISO)"}},
    {6,
     8,
     {"KO - otoczaki (PN)", "KR[g] - rumosz gliniasty (PN)", "KR - rumosz (PN)",
      "Kw[g] - zwietrzelina gliniasta (PN)", "KW - zwietrzelina (PN)", "Co - kamienie (ISO)",
      "Bo - głazy (ISO)", "Lbo - duże głazy (ISO)"}},
};

TEST_F(SoilCatalogueTest, EveryEntryWithItsSectionAndClassInMenuOrder) {
    std::vector<std::tuple<int, std::string, int>> expected, actual;
    for (const TClassRun& run : ExpectedRuns)
        for (const char* caption : run.Captions)
            expected.emplace_back(run.Section, caption, run.SoilClass);
    int section = 0;
    for (const TSoilCatalogueSection& s : SoilCatalogueSections()) {
        ++section;
        for (const TSoilCatalogueEntry& entry : s.Entries)
            actual.emplace_back(section, entry.Caption, entry.SoilClass);
    }
    EXPECT_EQ(actual.size(), 67u);
    EXPECT_EQ(actual, expected);
}

TEST_F(SoilCatalogueTest, SectionsCountsAndColumns) {
    struct TSectionCase {
        const char* Caption;
        const char* HeaderText;
        size_t Entries;
        bool NewColumn;
    };
    const TSectionCase expected[] = {
        {"Grunty nasypowe", "GRUNTY NASYPOWE", 6, false},
        {"Grunty organiczne", "GRUNTY ORGANICZNE", 5, false},
        {"Grunty nietypowe", "GRUNTY NIETYPOWE", 8, false},
        {"Gleby", "GLEBY", 1, false},
        {"Grunty mineralne  cz.I", "GRUNTY MINERALNE", 23, true},
        {"Grunty mineralne  cz.II", "GRUNTY MINERALNE", 24, true},
    };
    auto sections = SoilCatalogueSections();
    ASSERT_EQ(sections.size(), std::size(expected));
    for (size_t i = 0; i < sections.size(); ++i) {
        SCOPED_TRACE(expected[i].Caption);
        EXPECT_STREQ(sections[i].Caption, expected[i].Caption);
        EXPECT_STREQ(sections[i].HeaderText, expected[i].HeaderText);
        EXPECT_EQ(sections[i].Entries.size(), expected[i].Entries);
        EXPECT_EQ(sections[i].NewColumn, expected[i].NewColumn);
    }
}

TEST(SoilClassPresets, TypeCategoryAndColourPerClass) {
    struct TPresetCase {
        int SoilClass;
        int16_t SoilType;
        int16_t Category;
        bool SetsColour;
        int Red, Green, Blue;
    };
    const TPresetCase cases[] = {
        {0, SoilTypeOther, SoilCategoryUnknown, false, 0, 0, 0},
        {1, SoilTypeGravellySand, SoilCategoryNonCohesive, true, 255, 240, 120},
        {2, SoilTypeSand, SoilCategoryNonCohesive, true, 255, 255, 150},
        {3, SoilTypeOther, SoilCategoryCohesive, true, 255, 205, 150},
        {4, SoilTypeOther, SoilCategoryCohesive, true, 210, 150, 100},
        {5, SoilTypeOther, SoilCategoryCohesive, true, 255, 130, 140},
        {6, SoilTypeOther, SoilCategoryOrganic, true, 255, 0, 255},
        {7, SoilTypeOther, SoilCategoryNonCohesive, true, 255, 128, 100},
        {8, SoilTypeOther, SoilCategoryNonCohesive, true, 180, 180, 180},
        {9, SoilTypeOther, SoilCategoryUnknown, false, 0, 0, 0},
        {-1, SoilTypeOther, SoilCategoryUnknown, false, 0, 0, 0},
    };
    for (const TPresetCase& c : cases) {
        SCOPED_TRACE(c.SoilClass);
        TSoilClassPreset preset = SoilClassPreset(c.SoilClass);
        EXPECT_EQ(preset.SoilType, c.SoilType);
        EXPECT_EQ(preset.Category, c.Category);
        EXPECT_EQ(preset.SetsColour, c.SetsColour);
        if (c.SetsColour) {
            // 0x00BBGGRR: red in the low byte.
            EXPECT_EQ(preset.Colour & 0xFF, c.Red);
            EXPECT_EQ((preset.Colour >> 8) & 0xFF, c.Green);
            EXPECT_EQ((preset.Colour >> 16) & 0xFF, c.Blue);
        }
    }
}

std::vector<TSoilMenuItem> Headers(const std::vector<TSoilMenuItem>& menu) {
    std::vector<TSoilMenuItem> headers;
    std::copy_if(menu.begin(), menu.end(), std::back_inserter(headers),
                 [](const TSoilMenuItem& item) { return item.IsHeader; });
    return headers;
}

TEST_F(SoilCatalogueTest, PolishMenuHeadersAreDisabledPaddedUpperCaseWithTwoColumnBreaks) {
    std::vector<TSoilMenuItem> menu = BuildSoilCatalogueMenu();
    ASSERT_EQ(menu.size(), 73u);
    std::vector<TSoilMenuItem> headers = Headers(menu);
    ASSERT_EQ(headers.size(), 6u);
    const char* captions[] = {"GRUNTY NASYPOWE          ",  "GRUNTY ORGANICZNE          ",
                              "GRUNTY NIETYPOWE          ", "GLEBY             ",
                              "GRUNTY MINERALNE  CZ.I ",    "GRUNTY MINERALNE  CZ.II "};
    for (size_t i = 0; i < headers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(headers[i].Caption, captions[i]);
        EXPECT_FALSE(headers[i].Enabled);
        EXPECT_EQ(headers[i].BreakBefore, i >= 4);
    }
    EXPECT_EQ(headers[4].HeaderText, "GRUNTY MINERALNE");
    // Entries follow their header, enabled, tagged with their class.
    EXPECT_EQ(menu[1].Caption, "nN - nasyp niebudowlany (PN)");
    EXPECT_TRUE(menu[1].Enabled);
    EXPECT_FALSE(menu[1].BreakBefore);
    EXPECT_EQ(menu[1].Tag, 0);
    EXPECT_EQ(menu.back().Caption, "Lbo - duże głazy (ISO)");
    EXPECT_EQ(menu.back().Tag, 8);
}

TEST_F(SoilCatalogueTest, EnglishMenuIsFullyTranslated) {
    SetLanguage("EN");
    std::vector<TSoilMenuItem> menu = BuildSoilCatalogueMenu();
    std::vector<TSoilMenuItem> headers = Headers(menu);
    ASSERT_EQ(headers.size(), 6u);
    EXPECT_EQ(headers[0].Caption, "MADE GROUND          ");
    EXPECT_EQ(headers[0].HeaderText, "MADE GROUND");
    EXPECT_EQ(headers[3].Caption, "TOPSOIL             ");
    EXPECT_EQ(headers[5].Caption, "MINERAL SOILS  PART II ");
    auto fineSand = std::find_if(menu.begin(), menu.end(), [](const TSoilMenuItem& item) {
        return item.Caption == "P[d] - fine sand (PN)";
    });
    ASSERT_NE(fineSand, menu.end());
    EXPECT_EQ(fineSand->Tag, 2);
    for (const TSoilMenuItem& item : menu) {
        EXPECT_NE(item.Caption.front(), '?') << item.Caption;
        EXPECT_NE(item.HeaderText.rfind("?", 0), 0u) << item.HeaderText;
    }
}

TSoilEditorState Pick(const std::vector<std::pair<std::string, int>>& picks,
                      TSoilEditorState editor = {}) {
    for (const auto& [caption, soilClass] : picks)
        ApplySoilCatalogueEntry(editor, caption, soilClass);
    return editor;
}

TEST_F(SoilCatalogueTest, FineSandPresetsSandNonCohesiveAndItsColour) {
    TSoilEditorState editor = Pick({{"P[d] - piasek drobny (PN)", 2}});
    EXPECT_EQ(editor.DescriptionLines, std::vector<std::string>{"P[d]"});
    EXPECT_EQ(editor.SoilType, SoilTypeSand);
    EXPECT_EQ(editor.Category, SoilCategoryNonCohesive);
    EXPECT_EQ(editor.Colour, 0x0096FFFF); // RGB(255, 255, 150)
    EXPECT_FALSE(editor.Topsoil);
    EXPECT_EQ(editor.Focus, TSoilEditorFocus::Start);
}

TEST_F(SoilCatalogueTest, ClayeySandIsCohesiveOther) {
    TSoilEditorState editor = Pick({{"P[g] - piasek gliniasty (PN)", 4}});
    EXPECT_EQ(editor.DescriptionLines, std::vector<std::string>{"P[g]"});
    EXPECT_EQ(editor.SoilType, SoilTypeOther);
    EXPECT_EQ(editor.Category, SoilCategoryCohesive);
    EXPECT_EQ(editor.Colour, 0x006496D2); // RGB(210, 150, 100)
}

TEST_F(SoilCatalogueTest, TopsoilClearsTypeAndGradingAndKeepsColour) {
    TSoilEditorState before;
    before.SoilType = SoilTypeSand;
    before.GradingKnown = true;
    before.WellGraded = true;
    before.Category = SoilCategoryOrganic;
    before.Colour = 0x00123456;
    before.StartText = "1,0";
    TSoilEditorState editor = Pick({{"Gleba", 0}}, before);
    EXPECT_EQ(editor.DescriptionLines, std::vector<std::string>{"Gleba"});
    EXPECT_TRUE(editor.Topsoil);
    EXPECT_EQ(editor.SoilType, SoilTypeNone);
    EXPECT_FALSE(editor.GradingKnown);
    EXPECT_FALSE(editor.WellGraded);
    EXPECT_EQ(editor.Category, SoilCategoryUnknown);
    EXPECT_EQ(editor.Colour, 0x00123456);
    EXPECT_EQ(editor.Focus, TSoilEditorFocus::Size);
}

TEST_F(SoilCatalogueTest, MadeGroundAfterSandResetsTypeKeepsColourAddsLine) {
    TSoilEditorState topsoil = Pick({{"Gleba", 0}});
    TSoilEditorState editor =
        Pick({{"P[s] - piasek średni (PN)", 2}, {"nN - nasyp niebudowlany (PN)", 0}}, topsoil);
    EXPECT_EQ(editor.DescriptionLines, (std::vector<std::string>{"Gleba", "P[s]", "nN"}));
    EXPECT_FALSE(editor.Topsoil); // a defined soil layer again
    EXPECT_EQ(editor.SoilType, SoilTypeOther);
    EXPECT_EQ(editor.Category, SoilCategoryUnknown);
    EXPECT_EQ(editor.Colour, 0x0096FFFF); // the sand's colour stays
}

TEST_F(SoilCatalogueTest, EnglishCaptionsStillGiveTheSymbolAndTopsoil) {
    SetLanguage("EN");
    std::vector<TSoilMenuItem> menu = BuildSoilCatalogueMenu();
    auto find = [&](const std::string& caption) {
        auto it = std::find_if(menu.begin(), menu.end(),
                               [&](const TSoilMenuItem& item) { return item.Caption == caption; });
        EXPECT_NE(it, menu.end()) << caption;
        return it == menu.end() ? TSoilMenuItem{} : *it;
    };
    TSoilEditorState editor;
    ApplySoilCatalogueEntry(editor, find("P[d] - fine sand (PN)"));
    EXPECT_EQ(editor.DescriptionLines, std::vector<std::string>{"P[d]"});
    EXPECT_EQ(editor.SoilType, SoilTypeSand);
    ApplySoilCatalogueEntry(editor, find(Translate("Gleba")));
    EXPECT_EQ(editor.DescriptionLines, (std::vector<std::string>{"P[d]", "Topsoil"}));
    EXPECT_TRUE(editor.Topsoil);
    EXPECT_EQ(editor.SoilType, SoilTypeNone);
    // The Polish word is no topsoil marker in English.
    ApplySoilCatalogueEntry(editor, "Gleba", 0);
    EXPECT_FALSE(editor.Topsoil);
}

} // namespace
