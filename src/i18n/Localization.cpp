#include "i18n/Localization.h"

#include "base/Text.h"
#include "i18n/EmbeddedTables.h"

#include <array>

namespace {

struct TLanguageState {
    TLanguageState() {
        Polish.Load(EmbeddedLangPl());
        English.Load(EmbeddedLangEn());
    }

    TTranslationTable Polish{TMissingKey::ShowKey};
    TTranslationTable English{TMissingKey::MarkMissing};
    const TTranslationTable* Active = &Polish;
    std::string Detected = "PL";
    std::string Current = "PL";
    int Mode = LanguageModePolish;
    std::function<void()> Changed;
};

// The tables are embedded and never change, so they are loaded once, on the
// first use, whoever comes first (DetectLanguage at start-up, or a Translate
// in a program or test that never chose a language).
TLanguageState& State() {
    static TLanguageState state;
    return state;
}

struct TFileNameMarker {
    std::string_view Marker;
    std::string_view Code;
};

// In this order; a later match overrides an earlier one, so "SONDA [EN]"
// starts in English and "SONDA_PROBE" too.
constexpr std::array<TFileNameMarker, 7> FileNameMarkers{{
    {"INSTALLER", "EN"},
    {"DYNAMIC", "EN"},
    {"SONDA", "PL"},
    {"PROBE", "EN"},
    {"PENETRO", "EN"},
    {"[EN]", "EN"},
    {"[PL]", "PL"},
}};

// The Windows language identifiers of German, by the region of a locale
// name: Germany (first, also for any other region), Switzerland, Austria,
// Luxembourg, Liechtenstein.
struct TGermanRegion {
    std::string_view Region;
    int LanguageId;
};
constexpr std::array<TGermanRegion, 5> GermanRegions{{
    {"de", 1031},
    {"ch", 2055},
    {"at", 3079},
    {"lu", 4103},
    {"li", 5127},
}};
constexpr int FrenchLanguageId = 1036;
constexpr int PolishLanguageId = 1045;
constexpr int EnglishLanguageId = 1033;

std::string_view FileNameWithoutDirectory(std::string_view path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string LanguageFromFileName(std::string_view executableFileName) {
    std::string name = ToUpperPolish(FileNameWithoutDirectory(executableFileName));
    std::string code;
    for (const TFileNameMarker& marker : FileNameMarkers)
        if (name.find(marker.Marker) != std::string::npos)
            code = marker.Code;
    return code;
}

std::string LanguageFromSystemId(int systemLanguageId) {
    for (const TGermanRegion& german : GermanRegions)
        if (german.LanguageId == systemLanguageId)
            return "DE";
    if (systemLanguageId == FrenchLanguageId)
        return "FR";
    if (systemLanguageId == PolishLanguageId)
        return "PL";
    return "EN";
}

int LanguageIdFromLocaleName(std::string_view localeName) {
    // language[_-]region[.codeset][@modifier], for example "de_AT.UTF-8".
    std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    size_t split = name.find_first_of("_-");
    std::string language;
    for (char c : name.substr(0, split))
        language += AsciiLower(c);
    std::string region;
    if (split != std::string_view::npos)
        for (char c : name.substr(name.find_last_of("_-") + 1))
            region += AsciiLower(c);

    if (language == "de") {
        for (const TGermanRegion& german : GermanRegions)
            if (region == german.Region)
                return german.LanguageId;
        return GermanRegions[0].LanguageId;
    }
    if (language == "fr")
        return FrenchLanguageId;
    if (language == "pl")
        return PolishLanguageId;
    return EnglishLanguageId;
}

void DetectLanguage(std::string_view executableFileName, int systemLanguageId) {
    std::string code = LanguageFromFileName(executableFileName);
    if (code.empty())
        code = LanguageFromSystemId(systemLanguageId);
    TLanguageState& state = State();
    state.Detected = code;
    state.Current = code;
    // No table is active until SetLanguage picks one; with "DE" or "FR" none
    // is, and the interface stays Polish (mode 1 says so to its readers).
    state.Active = nullptr;
    state.Mode = LanguageModePolish;
    SetLanguage(code);
}

bool SetLanguage(std::string_view code) {
    TLanguageState& state = State();
    if (code == "PL") {
        state.Active = &state.Polish;
        state.Mode = LanguageModePolish;
    } else if (code == "EN") {
        state.Active = &state.English;
        state.Mode = LanguageModeEnglish;
    }
    state.Current = code;
    if (state.Changed)
        state.Changed();
    return true;
}

std::string CurrentLanguage() {
    return State().Current;
}

std::string DetectedLanguage() {
    return State().Detected;
}

int LanguageMode() {
    return State().Mode;
}

void SetLanguageChangedHandler(std::function<void()> handler) {
    State().Changed = std::move(handler);
}

const TTranslationTable& PolishTable() {
    return State().Polish;
}

const TTranslationTable& EnglishTable() {
    return State().English;
}

const TTranslationTable* ActiveTable() {
    return State().Active;
}
