#include "SheetBytes.h"

#include "receiver/SheetEncoder.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sheettest;

namespace {

void FillSentTest(TProtocol& p) {
    p.Measures.Clear();
    p.AddReading(0.1, 3, NoValue);
    p.AddReading(0.2, -1, NoValue)->MMax = 40; // vane torque only: does not travel
    p.AddReading(0.3, 5, 20.5);
    p.TestSite = "Wrocław, ul. Długa 5";
    p.SiteDescription = "Nasyp przy rampie";
    p.TestNumber = "S-12";
    p.OrderNumber = "Z/2024/7";
    p.GpsB = 51.107883;
    p.GpsL = 17.038538;
    p.GpsH = 120.5;
    p.TestDate = At(2024, 5, 17, 9, 30, 0);
}

} // namespace

TEST(SheetEncoder, LaysOutTheWireFormatByteForByte) {
    TProtocol p;
    FillSentTest(p);
    SheetBuilder expected;
    expected.version = 242;
    expected.records = {{0.1, 3, -1}, {0.3, 5, 20.5}};
    EXPECT_EQ(EncodeSheet(p), expected.Bytes());
}

TEST(SheetEncoder, WhatIsSentArrivesUnchanged) {
    TProtocol sent;
    FillSentTest(sent);
    sent.GpsH = NoValue;
    TProtocol received;
    FillOldTest(received);
    ASSERT_EQ(ApplySheet(received, DecodeSheet(EncodeSheet(sent))), SheetApplyResult::Applied);
    ASSERT_EQ(received.Measures.Count(), 2);
    EXPECT_EQ(received.Measures.Get(1)->Depth, 0.3);
    EXPECT_EQ(received.Measures.Get(1)->N, 5);
    EXPECT_EQ(received.Measures.Get(1)->Torque, 20.5);
    EXPECT_EQ(received.TestSite, sent.TestSite);
    EXPECT_EQ(received.GpsH, NoValue);
    EXPECT_EQ(received.TestDate, sent.TestDate);
}

TEST(SheetEncoder, ReportsTextWindows1250CannotHold) {
    TProtocol p;
    bool lossy = false;
    EncodeSheet(p, &lossy);
    EXPECT_FALSE(lossy);
    p.TestSite = "Kraków → Kielce";
    EncodeSheet(p, &lossy);
    EXPECT_TRUE(lossy);
}

TEST(FormatSheetDate, RoundsToTheSecondAndCarries) {
    EXPECT_EQ(FormatSheetDate(At(2024, 5, 17, 9, 30, 0)), "2024-05-17 09:30:00");
    const DateTime almostNewYear = At(2024, 12, 31, 23, 59, 59) + 0.7 / 86400.0;
    EXPECT_EQ(FormatSheetDate(almostNewYear), "2025-01-01 00:00:00");
    EXPECT_EQ(FormatSheetDate(At(2024, 5, 17, 9, 30, 0) + 0.4 / 86400.0), "2024-05-17 09:30:00");
}

TEST(SheetEncoder, ARecordCountAlwaysMatchesTheRecordsWritten) {
    // A reading without blows whose torque is not a number must be neither
    // counted nor written, or the receiver would read the header as a record.
    TProtocol sent;
    FillSentTest(sent);
    sent.AddReading(0.4, -1, std::nan(""));
    TDecodedSheet decoded = DecodeSheet(EncodeSheet(sent));
    EXPECT_TRUE(decoded.EndMarkerOk);
    EXPECT_EQ(decoded.RecordCount, 2u);
    EXPECT_EQ(decoded.Records.size(), 2u);
    EXPECT_EQ(decoded.Header.TestNumber, "S-12");
}
