#include "i18n/Localization.h"
#include "i18n/Translate.h"

#include <gtest/gtest.h>

namespace {

// Runs first in this file (and alone in its own process under CTest): a
// program that never chooses a language sees the Polish texts.
TEST(Localization, BeforeAnyChoiceThePolishTableIsActive) {
    EXPECT_EQ(LanguageMode(), LanguageModePolish);
    EXPECT_EQ(CurrentLanguage(), "PL");
    EXPECT_EQ(Translate(">2U"), "U");
    EXPECT_EQ(Translate(">1Profil"), "Profil");
    EXPECT_EQ(Translate("Strona", " "), "Strona ");
    EXPECT_EQ(Translate("Zapisać?"), "Zapisać?");
}

class LocalizationFixture : public ::testing::Test {
protected:
    void TearDown() override {
        SetLanguageChangedHandler({});
        DetectLanguage("quistra", 1045);
    }
};

struct TEdgeCase {
    const char* Key;
    const char* Suffix;
    const char* Polish;
    const char* English;
};

const TEdgeCase EdgeCases[] = {
    {"Zapisać?", "", "Zapisać?", "Save anyway?"},
    {">2U", "", "U", ""},
    {">MTITLE2-2", "", "+ ŚCINANIE KRZYŻAKAMI", "+ VANE TEST"},
    {"5>poziom", "", "poziom", "water"},
    {"Kontakt, zgłaszanie uwag i sugestii", ":",
     "Kontakt, zgłaszanie uwag i sugestii:", "Contact, suggestions, support:"},
    {"Strona", " ", "Strona ", "Page "},
    {"Grunty mineralne  cz.I", " ", "Grunty mineralne  cz.I ", "Mineral soils  part I "},
    {"Wykonano zgodnie z normami", ": PN-EN ISO 22476-2/PN-EN 1997-2",
     "Wykonano zgodnie z normami: PN-EN ISO 22476-2/PN-EN 1997-2",
     "Performed in accordance with the standards: PN-EN ISO 22476-2/PN-EN 1997-2"},
    {"Miejsce", "", "Miejsce", "Location"},
    {"NumerSondy", "", "NumerSondy", "HardwareSN"},
    {"Nie ma takiego klucza", "!", "Nie ma takiego klucza!", "?Nie ma takiego klucza"},
    {"Interfejs: PL (polski)", "", "Interfejs: PL (polski)", "?Interfejs: PL (polski)"},
};

TEST_F(LocalizationFixture, EdgeCasesInBothLanguages) {
    for (const TEdgeCase& c : EdgeCases) {
        SCOPED_TRACE(c.Key);
        ASSERT_TRUE(SetLanguage("PL"));
        EXPECT_EQ(Translate(c.Key, c.Suffix), c.Polish);
        ASSERT_TRUE(SetLanguage("EN"));
        EXPECT_EQ(Translate(c.Key, c.Suffix), c.English);
    }
}

TEST_F(LocalizationFixture, SetLanguageSwitchesTableModeAndCode) {
    SetLanguage("EN");
    EXPECT_EQ(LanguageMode(), LanguageModeEnglish);
    EXPECT_EQ(CurrentLanguage(), "EN");
    EXPECT_EQ(ActiveTable(), &EnglishTable());
    // An unknown code is stored but keeps the table (and mode) that was active.
    EXPECT_TRUE(SetLanguage("DE"));
    EXPECT_EQ(CurrentLanguage(), "DE");
    EXPECT_EQ(LanguageMode(), LanguageModeEnglish);
    EXPECT_EQ(Translate("tak"), "yes");
    SetLanguage("PL");
    EXPECT_EQ(LanguageMode(), LanguageModePolish);
    EXPECT_EQ(Translate("tak"), "tak");
}

TEST_F(LocalizationFixture, HandlerRunsAfterEverySwitchWithTheNewLanguageInPlace) {
    std::vector<std::string> seen;
    SetLanguageChangedHandler(
        [&] { seen.push_back(CurrentLanguage() + "/" + Translate("Zamknij")); });
    SetLanguage("EN");
    SetLanguage("XX");
    SetLanguage("PL");
    EXPECT_EQ(seen, (std::vector<std::string>{"EN/Close", "XX/Close", "PL/Zamknij"}));
    SetLanguageChangedHandler({});
    SetLanguage("EN");
    EXPECT_EQ(seen.size(), 3u);
}

struct TDetectCase {
    const char* FileName;
    int SystemId;
    const char* Code;
    int Mode;
    const char* SaveQuestion; // Translate("Zapisać?")
};

const TDetectCase DetectCases[] = {
    {"C:\\Program Files\\Quistra\\Sonda[EN].exe", 1045, "EN", LanguageModeEnglish, "Save anyway?"},
    {"sonda.exe", 1033, "PL", LanguageModePolish, "Zapisać?"},
    {"/opt/quistra/Sonda", 1031, "PL", LanguageModePolish, "Zapisać?"},
    {"sonda_probe", 1045, "EN", LanguageModeEnglish, "Save anyway?"},
    {"Probe [PL].exe", 1033, "PL", LanguageModePolish, "Zapisać?"},
    {"QuistraInstaller-sonda.exe", 1033, "PL", LanguageModePolish, "Zapisać?"},
    {"dynamic.exe", 1045, "EN", LanguageModeEnglish, "Save anyway?"},
    {"penetrometr.exe", 1045, "EN", LanguageModeEnglish, "Save anyway?"},
    // No marker: the system language decides.
    {"quistra", 1045, "PL", LanguageModePolish, "Zapisać?"},
    {"quistra", 1033, "EN", LanguageModeEnglish, "Save anyway?"},
    {"quistra", 2057, "EN", LanguageModeEnglish, "Save anyway?"},
    {"quistra", 1036, "FR", LanguageModePolish, "Zapisać?"},
    {"quistra", 3079, "DE", LanguageModePolish, "Zapisać?"},
    // The directory is no part of the name.
    {"/home/sonda/quistra", 1033, "EN", LanguageModeEnglish, "Save anyway?"},
};

TEST_F(LocalizationFixture, DetectionByFileNameMarkersThenSystemLanguage) {
    for (const TDetectCase& c : DetectCases) {
        SCOPED_TRACE(std::string(c.FileName) + " / " + std::to_string(c.SystemId));
        DetectLanguage(c.FileName, c.SystemId);
        EXPECT_EQ(DetectedLanguage(), c.Code);
        EXPECT_EQ(CurrentLanguage(), c.Code);
        EXPECT_EQ(LanguageMode(), c.Mode);
        EXPECT_EQ(Translate("Zapisać?"), c.SaveQuestion);
    }
}

TEST_F(LocalizationFixture, GermanSystemLeavesNoTableActive) {
    int calls = 0;
    SetLanguageChangedHandler([&] { ++calls; });
    SetLanguage("EN");
    DetectLanguage("quistra.exe", 1031);
    EXPECT_EQ(calls, 2); // detection ends with SetLanguage
    EXPECT_EQ(DetectedLanguage(), "DE");
    EXPECT_EQ(ActiveTable(), nullptr);
    // Without a table the key itself is shown, the suffix is not appended.
    EXPECT_EQ(Translate(">2U"), ">2U");
    EXPECT_EQ(Translate("Strona", " "), "Strona");
    EXPECT_EQ(Translate("Zapisać?"), "Zapisać?");
    // Switching later still works.
    SetLanguage("EN");
    EXPECT_EQ(Translate("Strona", " "), "Page ");
    EXPECT_EQ(DetectedLanguage(), "DE");
}

TEST(LanguageIds, FromLocaleNames) {
    const std::pair<const char*, int> cases[] = {
        {"de_DE", 1031},       {"de-AT", 3079}, {"de_CH.UTF-8", 2055},
        {"de_LU", 4103},       {"de_LI", 5127}, {"de", 1031},
        {"DE-de", 1031},       {"fr_FR", 1036}, {"fr_CA", 1036},
        {"pl_PL.UTF-8", 1045}, {"pl", 1045},    {"en_GB", 1033},
        {"C", 1033},           {"", 1033},      {"plx_PL", 1033},
        {"es_ES@euro", 1033},
    };
    for (const auto& [name, id] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LanguageIdFromLocaleName(name), id);
    }
}

TEST(LanguageIds, SystemIdsAndFileNames) {
    for (int id : {1031, 2055, 3079, 4103, 5127})
        EXPECT_EQ(LanguageFromSystemId(id), "DE") << id;
    EXPECT_EQ(LanguageFromSystemId(1036), "FR");
    EXPECT_EQ(LanguageFromSystemId(1045), "PL");
    EXPECT_EQ(LanguageFromSystemId(0), "EN");
    EXPECT_EQ(LanguageFromFileName("quistra"), "");
    EXPECT_EQ(LanguageFromFileName("Sonda [en] Probe [pl]"), "PL");
}

} // namespace
