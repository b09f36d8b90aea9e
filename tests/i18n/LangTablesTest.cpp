// Checks of the two embedded tables as data: their byte format, the context
// keys of the Polish table, the order and groups of the English table, and
// that the English texts are English.
#include "i18n/EmbeddedTables.h"
#include "i18n/Localization.h"

#include "base/Cp1250.h"
#include "base/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// The lines of an embedded table, CR LF removed.
std::vector<std::string> Lines(std::string_view table) {
    std::vector<std::string> lines = Split(Cp1250ToUtf8(table), '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // after the last CR LF
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    return lines;
}

void ExpectCrLfWindows1250(std::string_view table) {
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.substr(table.size() - 2), "\r\n");
    for (size_t i = 0; i < table.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(table[i]);
        if (byte == '\n') {
            EXPECT_EQ(table[i - 1], '\r') << "bare LF at byte " << i;
        }
        if (byte == '\r') {
            EXPECT_EQ(table[i + 1], '\n') << "bare CR at byte " << i;
        }
        // Windows-1250 leaves these five bytes undefined.
        EXPECT_TRUE(byte != 0x81 && byte != 0x83 && byte != 0x88 && byte != 0x90 && byte != 0x98)
            << "undefined Windows-1250 byte at " << i;
    }
    // A UTF-8 file would decode to the wrong letters: "Ä…" instead of "ą".
    EXPECT_EQ(Cp1250ToUtf8(table).find("Ä"), std::string::npos);
}

TEST(LangTables, BothAreWindows1250WithCrLf) {
    ExpectCrLfWindows1250(EmbeddedLangPl());
    ExpectCrLfWindows1250(EmbeddedLangEn());
}

TEST(LangTables, PolishTableHoldsOnlyContextKeysMappedToPlainPolish) {
    std::vector<std::string> lines = Lines(EmbeddedLangPl());
    EXPECT_EQ(lines.size(), 57u);
    const auto& rows = PolishTable().Rows();
    EXPECT_EQ(rows.size(), 47u);
    for (const TTranslationRow& row : rows) {
        SCOPED_TRACE(row.Key);
        // A context key carries a ">", a "!" or a leading digit.
        bool prefixed = row.Key.find('>') != std::string::npos || row.Key[0] == '!' ||
                        (row.Key[0] >= '0' && row.Key[0] <= '9');
        EXPECT_TRUE(prefixed);
        EXPECT_FALSE(row.Text.empty());
        EXPECT_NE(row.Text, row.Key);
    }
    const std::pair<const char*, const char*> telling[] = {
        {">Głębokość", "Głębokość"},
        {">początkowa (p.p.t.)", "początkowa (p.p.t.)"},
        {">2litolog.", "litolog."},
        {"6>zagęszczenia I", "zagęszczenia I"},
        {">8na występowanie zwierciadła wody", "na występowanie zwierciadła wody"},
        {">MTITLE3-2", "STOŻKOWO-KRZYŻAKOWĄ"},
        {">Wsk. CU", "Wsk. CU"},
        {">WspKor2", "kor."},
        {">2U", "U"},
        {"2OBCIĄŻENIE", "OBCIĄŻENIE"},
        {"2WTÓRNE", "WTÓRNE"},
        {"!P", "P"},
    };
    for (const auto& [key, text] : telling)
        EXPECT_EQ(PolishTable().Translate(key, ""), text) << key;
}

TEST(LangTables, EveryContextKeyHasEnglishExceptThePolishOnlyOnes) {
    const std::set<std::string> polishOnly{"1OBCIĄŻENIE", "2OBCIĄŻENIE", "1PIERWOTNE", "2WTÓRNE",
                                           "!L",          "!S",          "!P"};
    for (const TTranslationRow& row : PolishTable().Rows())
        EXPECT_EQ(EnglishTable().Find(row.Key) != nullptr, polishOnly.count(row.Key) == 0)
            << row.Key;
}

// The English table starts with the interface texts in their fixed order:
// 451 keyed rows in 24 groups separated by blank lines. Further groups carry
// the texts that other parts of the program pass through Translate.
TEST(LangTables, EnglishTableStartsWithTheListedRowsInTheirGroups) {
    std::vector<std::string> lines = Lines(EmbeddedLangEn());
    std::vector<std::vector<std::string>> groups(1);
    for (const std::string& line : lines) {
        if (line.empty())
            groups.emplace_back();
        else
            groups.back().push_back(GetToken(line, ':', 0));
    }
    const size_t listedSizes[] = {136, 46, 3, 3,  7,  1,  3, 5, 4, 33, 1, 5,
                                  6,   4,  4, 12, 67, 12, 2, 3, 3, 43, 4, 44};
    ASSERT_GE(groups.size(), std::size(listedSizes));
    size_t listed = 0;
    for (size_t g = 0; g < std::size(listedSizes); ++g) {
        EXPECT_EQ(groups[g].size(), listedSizes[g])
            << "group " << g + 1 << " starts with " << (groups[g].empty() ? "" : groups[g][0]);
        listed += groups[g].size();
    }
    EXPECT_EQ(listed, 451u);
    EXPECT_EQ(groups[0].front(), "Oznaczenie sondy");
    EXPECT_EQ(groups[0].back(), ">(jednorodn.)");
    EXPECT_EQ(groups[16].front(), "nN - nasyp niebudowlany (PN)");
    EXPECT_EQ(groups[16].back(), "nN - nieokreślony");
    EXPECT_EQ(groups[23].back(), "Brak błędów.");
    // The two keys listed twice stand twice.
    EXPECT_EQ(std::count(groups[0].begin(), groups[0].end(), "Wysokość n.p.m."), 2);
    EXPECT_EQ(std::count(groups[1].begin(), groups[1].end(), "Miejsce"), 1);
}

TEST(LangTables, TellingEnglishRows) {
    const std::pair<const char*, const char*> telling[] = {
        {">Głębokość", "Layer"},
        {">początkowa (p.p.t.)", "start depth"},
        {">1litologiczny", "profile"},
        {">2Profil", "Litholog."},
        {">3Poz.", "Water"},
        {">4zagęszczenia I", "density index I"},
        {"6>Wskaźnik", "Compaction"},
        {">7Ilość uderzeń", "Blows count"},
        {">8Współczynnik korekcyjny ze względu", "Correction coefficient"},
        {">MTITLE1-1", "DYNAMIC PROBING"},
        {">MTITLE3-1", "SPECIAL DYNAMIC PROBING"},
        {">MTITLE3-2", "WITH CONICAL-VANE TIP"},
        {">CharakterystykaGruntu2", "parameters"},
        {">WspKor1", "Corr."},
        {">Wsk. U", "Coeff. CU"},
        {">(jednorodn.)", "(curvature)"},
        {">2U", "~"},
        {"Ardelven Quistra", "Ardelven Quistra"},
        {"Oznaczenie sondy", "Identification of penetrometer"},
        {"Akceptuj", "Accept"},
        {"[wybierz]", "[select]"},
        {"Kontakt, zgłaszanie uwag i sugestii", "Contact, suggestions, support"},
        {"P[d] - piasek drobny (PN)", "P[d] - fine sand (PN)"},
        {"Badal", "Surveyors"},
        {"Opracowal", "Creators"},
        {"NumerZamowienia", "Orders"},
    };
    for (const auto& [key, text] : telling) {
        const TTranslationRow* row = EnglishTable().Find(key);
        ASSERT_NE(row, nullptr) << key;
        EXPECT_EQ(row->Text, text) << key;
    }
}

bool HasPolishLetter(std::string_view text) {
    for (std::string_view letter :
         {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż", "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"})
        if (text.find(letter) != std::string_view::npos)
            return true;
    return false;
}

TEST(LangTables, EnglishTextsAreFinishedAndEnglish) {
    for (const TTranslationRow& row : EnglishTable().Rows()) {
        SCOPED_TRACE(row.Key);
        EXPECT_FALSE(row.Text.empty()) << "would show as !!!";
        // A soil symbol ("Żl - slag (PN)") keeps its letters; past the part
        // shared with the Polish key nothing Polish may be left.
        auto textEnd =
            std::mismatch(row.Key.begin(), row.Key.end(), row.Text.begin(), row.Text.end()).second;
        EXPECT_FALSE(HasPolishLetter(std::string_view(row.Text).substr(textEnd - row.Text.begin())))
            << row.Text;
    }
}

} // namespace
