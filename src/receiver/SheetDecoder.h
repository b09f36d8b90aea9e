#pragma once

#include "base/DateTime.h"
#include "base/Values.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TProtocol;

// One record exactly as it came over the wire (negative = not measured).
struct TSheetRecord {
    double DepthM = 0;
    int32_t N = -1;
    double TorqueNm = -1;
};

// The header fields of a sheet, as text and numbers already converted to UTF-8.
struct TSheetHeader {
    std::string TestSite;
    std::string SiteDescription;
    std::string TestNumber;
    std::string OrderNumber;
    double GpsB = NoValue; // degrees
    double GpsL = NoValue; // degrees
    double GpsH = NoValue; // m above sea level
    std::string DateText;
    // DateText as a date-time; empty when its year is 0 or missing or when it
    // names no real calendar date and time, so the test keeps its date.
    std::optional<DateTime> TestDate;
};

// What DecodeSheet found in a message. Nothing is applied yet.
struct TDecodedSheet {
    bool IdentifierOk = false; // false: not a sheet, nothing else below is meaningful
    bool EndMarkerOk = false;  // false: wrong or missing marker, the header must not be used
    bool Truncated = false;    // the message ended before the end marker
    bool TooLarge = false;     // longer than MaxSheetBytes, not decoded at all
    uint32_t Version = 0;
    uint32_t RecordCount = 0;          // as declared by the sender
    std::vector<TSheetRecord> Records; // the complete records that arrived, in order
    TSheetHeader Header;
    size_t ExtraBytes = 0; // bytes after the end marker (ignored)

    // The records that become readings (those with a blow count or a torque).
    int ReadingCount() const;
};

// Decodes one message. Never throws and never reads past the data: a record
// count larger than the message holds stops at the end of the data (the end
// marker is then missing), a cut string reads as empty.
TDecodedSheet DecodeSheet(std::string_view bytes);

// The date text of a sheet, "yyyy-mm-dd hh:mm:ss": split at the first blank,
// the date part at "-" and the time part at ":"; a missing or non-numeric part
// counts as 0. Nothing when the year is 0 or the parts name no real date and
// time (month 13, 25:00, 2023-02-29, ...), whatever the machine's locale.
std::optional<DateTime> ParseSheetDate(std::string_view text);

enum class SheetApplyResult {
    Ignored,      // wrong identifier (or too large): the test is untouched
    Applied,      // readings replaced and header fields filled
    ReadingsOnly, // end marker wrong or missing: readings replaced, header untouched
};

// Makes a decoded sheet the test's readings and header data. The readings are
// replaced whenever the identifier is right, the header fields only with a
// valid end marker, TestDate only when the date text parses. The caller marks
// the engine modified unless the result is Ignored.
SheetApplyResult ApplySheet(TProtocol& protocol, const TDecodedSheet& sheet);
