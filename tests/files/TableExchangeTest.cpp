#include "files/TableExchange.h"

#include "TempDir.h"
#include "base/FileIo.h"

#include <gtest/gtest.h>

namespace {

struct TRow {
    double depth;
    int n;
    int nKor;
};

std::vector<TRow> Rows(const TProtocol& test) {
    std::vector<TRow> rows;
    for (const TMeasure& m : test.Measures)
        rows.push_back({m.Depth, m.N, m.NKor});
    return rows;
}

void ExpectRows(const TProtocol& test, const std::vector<TRow>& expected) {
    std::vector<TRow> rows = Rows(test);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(rows[i].depth, expected[i].depth) << i;
        EXPECT_EQ(rows[i].n, expected[i].n) << i;
        if (expected[i].nKor != -99) {
            EXPECT_EQ(rows[i].nKor, expected[i].nKor) << i;
        }
    }
}

} // namespace

TEST(TableExchange, PastedSpreadsheetRowsBecomeReadingsWithCorrectedCounts) {
    TProtocol test; // IBPG correction: x6 for 0-10 cm, x3 for 10-20 cm
    auto result = ImportClipboard(test, "0,1\t5\r\n0,2\t7\r\n");
    ASSERT_TRUE(result.ok);
    ExpectRows(test, {{0.1, 5, 30}, {0.2, 7, 21}});
}

TEST(TableExchange, LinesAreTakenAsTheyStand) {
    struct {
        const char* text;
        std::vector<TRow> rows;
    } cases[] = {
        {"0,1\n0,2", {{0.1, 0, -99}, {0.2, 0, -99}}},                 // a single column
        {"0,30;abc", {{0.3, 0, -99}}},                                // unparsable count
        {"0,30", {{0.3, 0, -99}}},                                    // missing count
        {"0,2;4\r\n\r\n  \r\n0,1;3", {{0.2, 4, -99}, {0.1, 3, -99}}}, // blank lines, not sorted
        {"0,15;2;x;y\r0,15;3", {{0.15, 2, -99}, {0.15, 3, -99}}},     // off-grid, duplicate, CR
        {" 1,5 ; 8 \x0C", {{1.5, 8, -99}}},                           // padding around pieces
    };
    for (const auto& c : cases) {
        TProtocol test;
        ASSERT_TRUE(ImportClipboard(test, c.text).ok) << c.text;
        ExpectRows(test, c.rows);
    }
}

TEST(TableExchange, ADepthThatDoesNotParseChangesNothingAndNamesTheLine) {
    struct {
        const char* text;
        int badLine;
    } cases[] = {{"0.1\t5\r\n0.2\t7", 1}, {"0,1;5\r\n\r\n0,3;1\r\nabc;4\r\n0,5;1", 4}, {";5", 1}};
    for (const auto& c : cases) {
        TProtocol test;
        test.AddReading(2.0, 11, NoValue);
        TableImportResult result = ImportClipboard(test, c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.badLine, c.badLine) << c.text;
        ExpectRows(test, {{2.0, 11, -99}});
    }
}

TEST(TableExchange, EmptyClipboardChangesNothing) {
    TProtocol test;
    test.AddReading(2.0, 11, NoValue);
    TableImportResult result = ImportClipboard(test, "");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.badLine, 0);
    EXPECT_EQ(test.Measures.Count(), 1);
}

TEST(TableExchange, CsvFilesImportAndUnreadableOnesChangeNothing) {
    TTempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("t.csv"), "0,10;4\r\n\r\n0,20;-1\r\n").ok);
    TProtocol test;
    test.AddReading(2.0, 11, NoValue);
    ASSERT_TRUE(ImportCsv(test, dir.File("t.csv")).ok);
    ExpectRows(test, {{0.1, 4, 24}, {0.2, -1, -1}});

    TableImportResult missing = ImportCsv(test, dir.File("missing.csv"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_EQ(test.Measures.Count(), 2);

    ASSERT_TRUE(WriteFileAtomically(dir.File("bad.csv"), "0,10;4\r\n0,2O;5\r\n").ok);
    TableImportResult bad = ImportCsv(test, dir.File("bad.csv"));
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.badLine, 2);
    EXPECT_EQ(TableImportMessage(bad), "line 2: depth '0,2O' is not a number");
    EXPECT_EQ(test.Measures.Count(), 2);
}

TEST(TableExchange, ExportSortsByDepthWithTheCommaAndCrLfAndKeepsTheTestOrder) {
    TTempDir dir;
    TProtocol test;
    test.AddReading(0.2, 4, NoValue);
    test.AddReading(0.1, -1, NoValue);
    test.AddReading(0.3, 9, NoValue);
    ASSERT_TRUE(ExportCsv(test, dir.File("out.csv")).ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("out.csv"), bytes).ok);
    EXPECT_EQ(bytes, "0,10;-1\r\n0,20;4\r\n0,30;9\r\n");
    EXPECT_DOUBLE_EQ(test.Measures.Get(0)->Depth, 0.2);
    EXPECT_EQ(ReadingsTableText(test, '\t'), "0,10\t-1\r\n0,20\t4\r\n0,30\t9\r\n");

    TProtocol back;
    ASSERT_TRUE(ImportCsv(back, dir.File("out.csv")).ok);
    ExpectRows(back, {{0.1, -1, -1}, {0.2, 4, 12}, {0.3, 9, 18}});
    EXPECT_FALSE(ExportCsv(test, dir.File("no/such/out.csv")).ok);
}
