#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The fixed catalogue of PN and ISO soil types offered by the layer editor.
// Picking an entry appends its soil symbol to the layer description and
// presets the layer type, the vane-test soil category and the layer colour.

struct TSoilCatalogueEntry {
    // Polish caption "symbol - name (PN)" or "... (ISO)" ("Gleba" alone has
    // neither); also the translation key of the menu item.
    const char* Caption;
    int SoilClass; // 0..8, see SoilClassPreset
};

struct TSoilCatalogueSection {
    const char* Caption;       // translation key of the header item's caption
    const char* CaptionSuffix; // suffix passed to Translate with the caption
    int Padding;               // blanks after the caption; they only widen the item
    const char* HeaderText;    // translation key of the text drawn on the header
    bool NewColumn;            // the header starts a new menu column
    std::span<const TSoilCatalogueEntry> Entries;
};

// The six sections in menu order: made ground, organic soils, unusual soils,
// topsoil, mineral soils part I and part II (67 entries in all).
std::span<const TSoilCatalogueSection> SoilCatalogueSections();

// Layer type (TGeoProfileItem::SoilType) and vane-test soil category
// (TGeoProfileItem::Category) values the catalogue presets.
constexpr int16_t SoilTypeNone = 0;
constexpr int16_t SoilTypeSand = 1;            // "piasek"
constexpr int16_t SoilTypeGravellySand = 2;    // "pospółka"
constexpr int16_t SoilTypeOther = 3;           // "inny"
constexpr int16_t SoilCategoryUnknown = 0;     // "nieznany"
constexpr int16_t SoilCategoryCohesive = 1;    // "spoisty"
constexpr int16_t SoilCategoryNonCohesive = 2; // "niespoisty"
constexpr int16_t SoilCategoryOrganic = 3;     // "organiczny"

// What picking an entry of a soil class presets.
struct TSoilClassPreset {
    int16_t SoilType;
    int16_t Category;
    bool SetsColour; // false: the layer keeps its colour
    int32_t Colour;  // 0x00BBGGRR
};

// Classes: 0 made ground, unusual soils, topsoil; 1 gravelly sands; 2 sands;
// 3 silts; 4 loams and clayey sand; 5 clays; 6 organic soils; 7 gravels;
// 8 stony soils, boulders, weathered rock. Any other value presets as 0.
TSoilClassPreset SoilClassPreset(int soilClass);

// One item of the catalogue popup menu, described without a toolkit: the
// layer editor turns the list into its menu.
struct TSoilMenuItem {
    std::string Caption;    // translated; a header's caption only sets its width
    std::string HeaderText; // header items: translated text drawn white on navy
    bool IsHeader = false;
    bool Enabled = true;      // headers cannot be picked
    bool BreakBefore = false; // a new menu column starts with this item
    int Tag = -1;             // entries: the soil class
};

// The menu in the current interface language: per section a header item and
// one item per entry. Rebuilt each time the editor fills itself, so the
// captions follow a language switch.
std::vector<TSoilMenuItem> BuildSoilCatalogueMenu();

enum class TSoilEditorFocus { None, Start, Size };

// The fields of the layer editor a catalogue pick works on.
struct TSoilEditorState {
    std::vector<std::string> DescriptionLines; // soil symbol text, one line each
    bool Topsoil = false;                      // "gleba" chosen, else a defined soil layer
    int16_t SoilType = SoilTypeNone;           // none of the three radios = SoilTypeNone
    bool GradingKnown = false;                 // "tak" or "nie" chosen
    bool WellGraded = false;                   // "tak"
    int16_t Category = SoilCategoryUnknown;
    int32_t Colour = 0x00FFFFFF; // 0x00BBGGRR swatch
    std::string StartText;       // top depth field as typed
    std::string SizeText;        // thickness field as typed
    TSoilEditorFocus Focus = TSoilEditorFocus::None;
};

// Applies a picked menu item (its translated caption and soil class) to the
// editor: presets type and category by class, appends the symbol (the caption
// before its first "-") as a new description line, recognises topsoil by the
// translated word "Gleba", moves the focus to the first depth field still to
// fill, and proposes the class colour.
void ApplySoilCatalogueEntry(TSoilEditorState& editor, std::string_view caption, int soilClass);
void ApplySoilCatalogueEntry(TSoilEditorState& editor, const TSoilMenuItem& picked);
