#pragma once

// Test helpers: sheets laid out byte by byte, independently of the encoder
// and of the record container, and the table of sheets every decoding path
// is checked against.

#include "ByteBuilder.h"
#include "base/DateTime.h"
#include "base/Values.h"
#include "model/Protocol.h"
#include "receiver/SheetDecoder.h"
#include "receiver/SheetEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sheettest {

struct Record {
    double depth;
    int32_t n;
    double torque;
};

// A sheet as the field application sends it; every part can be spoiled.
struct SheetBuilder {
    std::string identifier = "Brennholt.Tallowin.ArdelvenQuistraSheet";
    uint32_t version = 7;
    std::optional<uint32_t> declaredCount; // default: records.size()
    std::vector<Record> records;
    std::string site = "Wroc\xB3"
                       "aw, ul. D\xB3uga 5"; // Windows-1250 "ł"
    std::string description = "Nasyp przy rampie";
    std::string number = "S-12";
    std::string order = "Z/2024/7";
    double b = 51.107883, l = 17.038538, h = 120.5;
    std::string date = "2024-05-17 09:30:00";
    std::string marker = std::string("\x04\x03\x02\x01", 4);
    std::string extra;              // bytes after the marker
    std::optional<size_t> cutAfter; // keep only this many bytes

    std::string Bytes() const {
        TByteBuilder out;
        out.Raw(identifier).UInt32(version);
        out.UInt32(declaredCount.value_or(static_cast<uint32_t>(records.size())));
        for (const Record& r : records)
            out.Double(r.depth).Int32(r.n).Double(r.torque);
        out.String(site).String(description).String(number).String(order);
        out.Double(b).Double(l).Double(h).String(date).Raw(marker).Raw(extra);
        std::string bytes = out.Bytes();
        if (cutAfter)
            bytes.resize(*cutAfter);
        return bytes;
    }
    // Bytes up to the end of the record with this index (0-based).
    size_t EndOfRecord(size_t index) const { return identifier.size() + 8 + 20 * (index + 1); }
};

inline DateTime At(int y, int mo, int d, int h, int mi, int s) {
    return *EncodeDateTime({y, mo, d, h, mi, s, 0});
}

// The test a sheet lands on: two readings and a filled header.
inline void FillOldTest(TProtocol& p) {
    p.AddReading(1.0, 5, NoValue);
    p.AddReading(1.1, 6, 30.0);
    p.TestNumber = "old number";
    p.OrderNumber = "old order";
    p.TestSite = "old site";
    p.SiteDescription = "old description";
    p.GpsB = 50.0;
    p.GpsL = 19.0;
    p.GpsH = NoValue;
    p.TestDate = At(2020, 1, 2, 3, 4, 5);
}

struct Expected {
    SheetApplyResult result;
    std::vector<Record> readings; // torque NoValue where absent; unused when Ignored
    bool headerApplied;
    DateTime testDate;
};

struct Case {
    const char* name;
    SheetBuilder sheet;
    Expected expected;
};

inline const std::vector<Record> kOldReadings = {{1.0, 5, NoValue}, {1.1, 6, 30.0}};

inline std::vector<Case> Cases() {
    const DateTime sent = At(2024, 5, 17, 9, 30, 0);
    const DateTime old = At(2020, 1, 2, 3, 4, 5);
    using R = SheetApplyResult;
    std::vector<Case> cases;
    SheetBuilder valid;
    valid.records = {{0.1, 3, -1}, {0.2, 4, -1}, {0.3, 5, 20.5}};
    const std::vector<Record> validReadings = {
        {0.1, 3, NoValue}, {0.2, 4, NoValue}, {0.3, 5, 20.5}};

    cases.push_back({"Valid", valid, {R::Applied, validReadings, true, sent}});
    {
        SheetBuilder s = valid;
        s.records.clear();
        cases.push_back({"NoRecords", s, {R::Applied, {}, true, sent}});
    }
    {
        SheetBuilder s = valid;
        s.records = {{0.3, -1, -1}, {0.3, -1, 12.5}, {0.3, 7, -1}};
        cases.push_back(
            {"RecordCases", s, {R::Applied, {{0.3, -1, 12.5}, {0.3, 7, NoValue}}, true, sent}});
    }
    for (auto [name, date] : {std::pair{"DateZero", "0000-00-00 00:00:00"},
                              {"DateEmpty", ""},
                              {"DateUnparsable", "17 maja 2024"},
                              {"DateNotInCalendar", "2023-02-29 10:00:00"},
                              {"DateTimeOutOfRange", "2024-05-17 25:61:00"}}) {
        SheetBuilder s = valid;
        s.date = date;
        cases.push_back({name, s, {R::Applied, validReadings, true, old}});
    }
    {
        SheetBuilder s = valid;
        s.date = "2024-05-17";
        cases.push_back(
            {"DateWithoutTime", s, {R::Applied, validReadings, true, At(2024, 5, 17, 0, 0, 0)}});
    }
    {
        SheetBuilder s = valid;
        s.marker = std::string("\x01\x02\x03\x04", 4);
        cases.push_back({"EndMarkerBigEndian", s, {R::ReadingsOnly, validReadings, false, old}});
    }
    {
        SheetBuilder s = valid;
        s.identifier = "Brennholt.Tallowin.ArdelvenQuistraSheer";
        cases.push_back({"WrongIdentifier", s, {R::Ignored, {}, false, old}});
    }
    {
        SheetBuilder s = valid;
        s.extra = "trailing bytes";
        cases.push_back({"ExtraBytesAfterMarker", s, {R::Applied, validReadings, true, sent}});
    }
    {
        SheetBuilder s = valid;
        s.cutAfter = s.EndOfRecord(1) - 5;
        cases.push_back({"CutInsideRecord", s, {R::ReadingsOnly, {{0.1, 3, NoValue}}, false, old}});
    }
    {
        SheetBuilder s = valid;
        s.declaredCount = 5;
        s.cutAfter = s.EndOfRecord(2);
        cases.push_back(
            {"CountLargerThanMessage", s, {R::ReadingsOnly, validReadings, false, old}});
    }
    {
        SheetBuilder s = valid;
        s.records.clear();
        s.declaredCount = 0xFFFFFFFFu;
        s.cutAfter = s.EndOfRecord(0) - 20;
        cases.push_back({"HugeCountNoData", s, {R::ReadingsOnly, {}, false, old}});
    }
    return cases;
}

// Checks a test after a sheet of the table was applied to FillOldTest's test.
inline void ExpectOutcome(const TProtocol& p, SheetApplyResult result, const Expected& e) {
    EXPECT_EQ(static_cast<int>(result), static_cast<int>(e.result));
    const std::vector<Record>& readings =
        e.result == SheetApplyResult::Ignored ? kOldReadings : e.readings;
    ASSERT_EQ(p.Measures.Count(), static_cast<int>(readings.size()));
    for (int i = 0; i < p.Measures.Count(); ++i) {
        const TMeasure& m = *p.Measures.Get(i);
        const Record& r = readings[static_cast<size_t>(i)];
        EXPECT_EQ(m.Depth, r.depth) << "reading " << i;
        EXPECT_EQ(m.N, r.n) << "reading " << i;
        EXPECT_EQ(m.Torque, r.torque) << "reading " << i;
    }
    if (e.headerApplied) {
        EXPECT_EQ(p.TestSite, "Wrocław, ul. Długa 5");
        EXPECT_EQ(p.SiteDescription, "Nasyp przy rampie");
        EXPECT_EQ(p.TestNumber, "S-12");
        EXPECT_EQ(p.OrderNumber, "Z/2024/7");
        EXPECT_EQ(p.GpsB, 51.107883);
        EXPECT_EQ(p.GpsL, 17.038538);
        EXPECT_EQ(p.GpsH, 120.5);
    } else {
        EXPECT_EQ(p.TestSite, "old site");
        EXPECT_EQ(p.SiteDescription, "old description");
        EXPECT_EQ(p.TestNumber, "old number");
        EXPECT_EQ(p.OrderNumber, "old order");
        EXPECT_EQ(p.GpsB, 50.0);
        EXPECT_EQ(p.GpsL, 19.0);
        EXPECT_EQ(p.GpsH, NoValue);
    }
    EXPECT_EQ(p.TestDate, e.testDate)
        << FormatSheetDate(p.TestDate) << " instead of " << FormatSheetDate(e.testDate);
}

} // namespace sheettest
