#include "soils/SoilCatalogue.h"

#include "base/Text.h"
#include "i18n/Translate.h"

#include <array>

namespace {

constexpr int32_t Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// Within a section, runs of entries with the same class stand together.
constexpr TSoilCatalogueEntry MadeGround[] = {
    {"nN - nasyp niebudowlany (PN)", 0},
    {"nB - nasyp budowlany (PN)", 0},
    {"Żl - żużel (PN)", 0},
    {"żl - żużel (ISO)", 0},
    {"C - cegła (PN)", 0},
    {"c - cegła (ISO)", 0},
};

constexpr TSoilCatalogueEntry OrganicSoils[] = {
    {"H - grunt próchniczy (PN)", 6},
    {"H - grunt próchniczy, humus (ISO)", 6},
    {"Nm - namuł (PN)", 6},
    {"T - torf (PN)", 6},
    {"T - torf (ISO)", 6},
};

constexpr TSoilCatalogueEntry UnusualSoils[] = {
    {"Kr - kreda (PN)", 0},
    {"kr - kreda (ISO)", 0},
    {"kp - kreda pisząca (ISO)", 0},
    {"Gy - gytia (PN)", 0},
    {"gy - gytia (ISO)", 0},
    {"L[bi] - łupek bitumiczny (PN)", 0},
    {"cd - węgiel brunatny (ISO)", 0},
    {"ck - węgiel kamienny (ISO)", 0},
};

constexpr TSoilCatalogueEntry Topsoil[] = {
    {"Gleba", 0},
};

constexpr TSoilCatalogueEntry MineralSoilsPart1[] = {
    // clays
    {"I[pi] - ił pylasty (PN)", 5},
    {"siCl - ił pylasty (ISO)", 5},
    {"I - ił (PN)", 5},
    {"Cl - ił (ISO)", 5},
    {"I[p] - ił piaszczysty (PN)", 5},
    {"saCl - ił piaszczysty (ISO)", 5},
    // loams
    {"sasiCl - glina ilasta (ISO)", 4},
    {"G[piz] - glina pylasta zwięzła (PN)", 4},
    {"G[z] - glina zwięzła (PN)", 4},
    {"G[pz] - glina piaszczysta zwięzła (PN)", 4},
    {"G[pi] - glina pylasta (PN)", 4},
    {"saclSi - glina pylasta (ISO)", 4},
    {"G - glina (PN)", 4},
    {"G[p] - glina piaszczysta (PN)", 4},
    // silts
    {"PI - pył (PN)", 3},
    {"Si - pył (ISO)", 3},
    {"PI[p] - pył piaszczysty (PN)", 3},
    {"saSi - pył piaszczysty (ISO)", 3},
    {"clSi - pył ilasty (ISO)", 3},
    // clayey sand is a cohesive soil in PN-86/B-02480: it presets as a loam
    {"P[g] - piasek gliniasty (PN)", 4},
    // silty and clayey sands
    {"P[pi] - piasek pylasty (PN)", 2},
    {"ciSa - piasek pylasty (ISO)", 2},
    {"clSa - piasek ilasty (ISO)", 2},
};

constexpr TSoilCatalogueEntry MineralSoilsPart2[] = {
    // sands
    {"P[d] - piasek drobny (PN)", 2},
    {"FSa - piasek drobny (ISO)", 2},
    {"P[s] - piasek średni (PN)", 2},
    {"MSa - piasek średni (ISO)", 2},
    {"P[r] - piasek gruby (PN)", 2},
    {"CSa - piasek gruby (ISO)", 2},
    {"Sa - piasek (ISO)", 2},
    // gravelly sands
    {"grSa - pospółka (ISO)", 1},
    {"P[og] - pospółka gliniasta (PN)", 1},
    {"P[o] - pospółka (PN)", 1},
    // gravels
    {"Ż[g] - żwir gliniasty (PN)", 7},
    {"saGr - żwir piaszczysty (ISO)", 7},
    {"siGr - żwir pylasty (ISO)", 7},
    {"clGr - żwir ilasty (ISO)", 7},
    {"Ż - żwir (PN)", 7},
    {"Gr - żwir (ISO)", 7},
    // stony soils, boulders, weathered rock
    {"KO - otoczaki (PN)", 8},
    {"KR[g] - rumosz gliniasty (PN)", 8},
    {"KR - rumosz (PN)", 8},
    {"Kw[g] - zwietrzelina gliniasta (PN)", 8},
    {"KW - zwietrzelina (PN)", 8},
    {"Co - kamienie (ISO)", 8},
    {"Bo - głazy (ISO)", 8},
    {"Lbo - duże głazy (ISO)", 8},
};

// The two mineral sections are captioned with a trailing blank instead of
// padding; the other headers are widened by blanks so their drawn header text
// fits the item.
const std::array<TSoilCatalogueSection, 6> Sections{{
    {"Grunty nasypowe", "", 10, "GRUNTY NASYPOWE", false, MadeGround},
    {"Grunty organiczne", "", 10, "GRUNTY ORGANICZNE", false, OrganicSoils},
    {"Grunty nietypowe", "", 10, "GRUNTY NIETYPOWE", false, UnusualSoils},
    {"Gleby", "", 13, "GLEBY", false, Topsoil},
    {"Grunty mineralne  cz.I", " ", 0, "GRUNTY MINERALNE", true, MineralSoilsPart1},
    {"Grunty mineralne  cz.II", " ", 0, "GRUNTY MINERALNE", true, MineralSoilsPart2},
}};

constexpr TSoilClassPreset OtherUnknown{SoilTypeOther, SoilCategoryUnknown, false, 0};

constexpr std::array<TSoilClassPreset, 9> ClassPresets{{
    OtherUnknown,                                                              // 0
    {SoilTypeGravellySand, SoilCategoryNonCohesive, true, Rgb(255, 240, 120)}, // 1
    {SoilTypeSand, SoilCategoryNonCohesive, true, Rgb(255, 255, 150)},         // 2
    {SoilTypeOther, SoilCategoryCohesive, true, Rgb(255, 205, 150)},           // 3
    {SoilTypeOther, SoilCategoryCohesive, true, Rgb(210, 150, 100)},           // 4
    {SoilTypeOther, SoilCategoryCohesive, true, Rgb(255, 130, 140)},           // 5
    {SoilTypeOther, SoilCategoryOrganic, true, Rgb(255, 0, 255)},              // 6
    {SoilTypeOther, SoilCategoryNonCohesive, true, Rgb(255, 128, 100)},        // 7
    {SoilTypeOther, SoilCategoryNonCohesive, true, Rgb(180, 180, 180)},        // 8
}};

// The menu upper-cases ASCII letters only, like the header captions always did.
std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

std::span<const TSoilCatalogueSection> SoilCatalogueSections() {
    return Sections;
}

TSoilClassPreset SoilClassPreset(int soilClass) {
    if (soilClass < 0 || soilClass >= static_cast<int>(ClassPresets.size()))
        return OtherUnknown;
    return ClassPresets[static_cast<size_t>(soilClass)];
}

std::vector<TSoilMenuItem> BuildSoilCatalogueMenu() {
    std::vector<TSoilMenuItem> menu;
    for (const TSoilCatalogueSection& section : Sections) {
        TSoilMenuItem header;
        header.Caption = AsciiUpper(Translate(section.Caption, section.CaptionSuffix) +
                                    std::string(static_cast<size_t>(section.Padding), ' '));
        header.HeaderText = Translate(section.HeaderText);
        header.IsHeader = true;
        header.Enabled = false;
        header.BreakBefore = section.NewColumn;
        menu.push_back(std::move(header));
        for (const TSoilCatalogueEntry& entry : section.Entries) {
            TSoilMenuItem item;
            item.Caption = Translate(entry.Caption);
            item.Tag = entry.SoilClass;
            menu.push_back(std::move(item));
        }
    }
    return menu;
}

void ApplySoilCatalogueEntry(TSoilEditorState& editor, std::string_view caption, int soilClass) {
    const TSoilClassPreset preset = SoilClassPreset(soilClass);
    editor.SoilType = preset.SoilType;
    editor.Category = preset.Category;

    // The symbol is what stands before the first "-": "P[d]" of
    // "P[d] - piasek drobny (PN)", the whole caption of "Gleba".
    const std::string symbol = Trim(GetToken(caption, '-', 0));
    editor.DescriptionLines.push_back(symbol);

    // Compared with the translated word, so the English entry counts as well.
    if (symbol == Translate("Gleba")) {
        editor.Topsoil = true;
        editor.SoilType = SoilTypeNone;
        editor.GradingKnown = false;
        editor.WellGraded = false;
    } else {
        editor.Topsoil = false;
    }

    editor.Focus = editor.StartText.empty() ? TSoilEditorFocus::Start : TSoilEditorFocus::Size;

    if (preset.SetsColour)
        editor.Colour = preset.Colour;
}

void ApplySoilCatalogueEntry(TSoilEditorState& editor, const TSoilMenuItem& picked) {
    ApplySoilCatalogueEntry(editor, picked.Caption, picked.Tag);
}
