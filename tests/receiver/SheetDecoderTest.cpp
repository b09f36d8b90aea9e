#include "SheetBytes.h"

#include "receiver/SheetDecoder.h"
#include "receiver/SheetFormat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace sheettest;

class SheetTable : public testing::TestWithParam<Case> {};

TEST_P(SheetTable, AppliedToATestAsTheFieldApplicationMeansIt) {
    const Case& c = GetParam();
    TProtocol protocol;
    FillOldTest(protocol);
    const std::string bytes = c.sheet.Bytes();
    const SheetApplyResult result = ApplySheet(protocol, DecodeSheet(bytes));
    ExpectOutcome(protocol, result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetTable, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SheetDecoder, ReportsWhatItFound) {
    SheetBuilder s;
    s.version = 242;
    s.records = {{0.1, 3, -1}, {0.2, -1, -1}};
    s.extra = "xyz";
    const TDecodedSheet d = DecodeSheet(s.Bytes());
    EXPECT_TRUE(d.IdentifierOk);
    EXPECT_TRUE(d.EndMarkerOk);
    EXPECT_FALSE(d.Truncated);
    EXPECT_EQ(d.Version, 242u);
    EXPECT_EQ(d.RecordCount, 2u);
    ASSERT_EQ(d.Records.size(), 2u);
    EXPECT_EQ(d.ReadingCount(), 1);
    EXPECT_EQ(d.ExtraBytes, 3u);
    EXPECT_EQ(d.Header.TestSite, "Wrocław, ul. Długa 5");
    EXPECT_EQ(d.Header.DateText, "2024-05-17 09:30:00");
}

TEST(SheetDecoder, MessagesThatAreNoSheet) {
    const std::string id = "Brennholt.Tallowin.ArdelvenQuistraSheet";
    for (const std::string& bytes :
         {std::string(), id.substr(0, 10), std::string("GET / HTTP/1.1\r\n")}) {
        const TDecodedSheet d = DecodeSheet(bytes);
        EXPECT_FALSE(d.IdentifierOk) << bytes;
        TProtocol p;
        FillOldTest(p);
        EXPECT_EQ(ApplySheet(p, d), SheetApplyResult::Ignored);
        EXPECT_EQ(p.Measures.Count(), 2);
    }
}

TEST(SheetDecoder, IdentifierAloneEmptiesTheReadingsButKeepsTheHeader) {
    TProtocol p;
    FillOldTest(p);
    const TDecodedSheet d = DecodeSheet("Brennholt.Tallowin.ArdelvenQuistraSheet");
    EXPECT_TRUE(d.IdentifierOk);
    EXPECT_TRUE(d.Truncated);
    EXPECT_EQ(ApplySheet(p, d), SheetApplyResult::ReadingsOnly);
    EXPECT_EQ(p.Measures.Count(), 0);
    EXPECT_EQ(p.TestNumber, "old number");
}

TEST(SheetDecoder, RefusesMoreThanTheSizeLimit) {
    SheetBuilder s;
    s.extra.assign(static_cast<size_t>(MaxSheetBytes), 'x');
    const TDecodedSheet d = DecodeSheet(s.Bytes());
    EXPECT_TRUE(d.TooLarge);
    EXPECT_FALSE(d.IdentifierOk);
}

TEST(SheetDecoder, NumbersThatCannotBeValuesAreNotTakenOver) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    SheetBuilder s;
    s.records = {{nan, 5, -1}, {0.4, -7, inf}, {0.5, 2, nan}};
    s.b = nan;
    s.l = inf;
    s.h = NoValue;
    TProtocol p;
    ApplySheet(p, DecodeSheet(s.Bytes()));
    ASSERT_EQ(p.Measures.Count(), 1);
    EXPECT_EQ(p.Measures.Get(0)->Depth, 0.5);
    EXPECT_EQ(p.Measures.Get(0)->N, 2);
    EXPECT_EQ(p.Measures.Get(0)->Torque, NoValue);
    EXPECT_EQ(p.GpsB, NoValue);
    EXPECT_EQ(p.GpsL, NoValue);
    EXPECT_EQ(p.GpsH, NoValue);
}

TEST(SheetDecoder, NewReadingsCarryNoDerivedValues) {
    SheetBuilder s;
    s.records = {{0.3, -5, 12.5}};
    TProtocol p;
    ApplySheet(p, DecodeSheet(s.Bytes()));
    ASSERT_EQ(p.Measures.Count(), 1);
    const TMeasure& m = *p.Measures.Get(0);
    EXPECT_EQ(m.N, -1); // any negative count is "no count"
    EXPECT_EQ(m.NKor, 0);
    EXPECT_EQ(m.ID, 0);
    EXPECT_EQ(m.IS, 0);
    EXPECT_EQ(m.MMax, NoValue);
    EXPECT_EQ(m.TauPeak, NoValue);
    EXPECT_TRUE(m.Included);
    EXPECT_EQ(m.State, "");
}

TEST(ParseSheetDate, Table) {
    struct Row {
        const char* text;
        std::optional<DateTime> expected;
    };
    const Row rows[] = {
        {"2024-05-17 09:30:00", At(2024, 5, 17, 9, 30, 0)},
        {"  2024-5-7   9:05:01 ", At(2024, 5, 7, 9, 5, 1)},
        {"2024-05-17 09:30", At(2024, 5, 17, 9, 30, 0)},
        {"2024-12-31 23:59:59", At(2024, 12, 31, 23, 59, 59)},
        {"2024-02-29 00:00:00", At(2024, 2, 29, 0, 0, 0)},
        {"0000-00-00 00:00:00", std::nullopt},
        {"", std::nullopt},
        {"-05-17 09:30:00", std::nullopt},
        {"2024-00-17", std::nullopt},
        {"2024-05-17-01 10:00:00",
         At(2024, 5, 17, 10, 0, 0)}, // fields beyond the third are ignored
        {"17.05.2024 09:30:00", std::nullopt},
        {"2024/05/17 09:30:00", std::nullopt},
    };
    for (const Row& r : rows) {
        const std::optional<DateTime> got = ParseSheetDate(r.text);
        EXPECT_EQ(got.has_value(), r.expected.has_value()) << '"' << r.text << '"';
        if (got && r.expected) {
            EXPECT_EQ(*got, *r.expected) << '"' << r.text << '"';
        }
    }
}
