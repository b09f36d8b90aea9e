#include "i18n/TranslationTable.h"

#include "base/Cp1250.h"

#include <gtest/gtest.h>

namespace {

// A small table in the embedded format: Windows-1250, CR LF, "key:text".
TTranslationTable MakeTable(TMissingKey missing) {
    TTranslationTable table(missing);
    table.Load(Utf8ToCp1250("Zapisać?:Save anyway?\r\n"
                            ">2U:~\r\n"
                            "Pusty:\r\n"
                            "\r\n"
                            "  Strona  :  Page  \r\n"
                            "Kontakt:Contact, support:\r\n"
                            "Zapisać?:Second row loses\r\n"
                            ":no key\r\n"
                            "Łączenie:Joining\n"));
    return table;
}

struct TLookupCase {
    const char* Key;
    const char* Suffix;
    const char* English; // the table marks missing keys
    const char* Polish;  // the table shows missing keys
};

const TLookupCase LookupCases[] = {
    {"Zapisać?", "", "Save anyway?", "Save anyway?"},               // first row wins
    {"Zapisać?", "!", "Save anyway?!", "Save anyway?!"},            // suffix appended
    {">2U", "", "", ""},                                            // "~": blank text
    {">2U", " [m]", " [m]", " [m]"},                                // "~": the suffix alone
    {"Pusty", ":", "!!!Pusty:", "!!!Pusty:"},                       // empty text is flagged
    {"Strona", " ", "Page ", "Page "},                              // both fields trimmed
    {" Strona", " ", "? Strona", " Strona "},                       // the key is not trimmed
    {"Kontakt", ":", "Contact, support:", "Contact, support:"},     // third field dropped
    {"Kontakt:Contact", "", "?Kontakt:Contact", "Kontakt:Contact"}, // colon: never found
    {"Łączenie", "", "Joining", "Joining"},                         // LF alone ends a line too
    {"Brak", " x", "?Brak", "Brak x"},                              // missing key
    {"", "x", "?", "x"},                                            // the empty key is never found
    {"zapisać?", "", "?zapisać?", "zapisać?"},                      // case-sensitive
};

TEST(TranslationTable, LookupRules) {
    TTranslationTable english = MakeTable(TMissingKey::MarkMissing);
    TTranslationTable polish = MakeTable(TMissingKey::ShowKey);
    for (const TLookupCase& c : LookupCases) {
        SCOPED_TRACE(std::string("key '") + c.Key + "' suffix '" + c.Suffix + "'");
        EXPECT_EQ(english.Translate(c.Key, c.Suffix), c.English);
        EXPECT_EQ(polish.Translate(c.Key, c.Suffix), c.Polish);
    }
}

TEST(TranslationTable, LoadKeepsKeyedRowsInOrderAndDecodesWindows1250) {
    TTranslationTable table = MakeTable(TMissingKey::ShowKey);
    ASSERT_EQ(table.Rows().size(), 7u);
    EXPECT_EQ(table.Rows()[0].Key, "Zapisać?");
    EXPECT_EQ(table.Rows()[2].Key, "Pusty");
    EXPECT_EQ(table.Rows()[2].Text, "");
    EXPECT_EQ(table.Rows()[3].Key, "Strona");
    EXPECT_EQ(table.Rows()[5].Text, "Second row loses");
    EXPECT_EQ(table.Rows()[6].Key, "Łączenie");
}

TEST(TranslationTable, ReloadReplacesRowsAndEmptyTextHasNoRows) {
    TTranslationTable table = MakeTable(TMissingKey::ShowKey);
    table.Load("A:B\r\n");
    EXPECT_EQ(table.Rows().size(), 1u);
    EXPECT_EQ(table.Translate("Zapisać?", ""), "Zapisać?");
    table.Load("");
    EXPECT_TRUE(table.Rows().empty());
    EXPECT_EQ(table.Find("A"), nullptr);
}

} // namespace
