#include "receiver/SheetDecoder.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "container/AppData.h"
#include "model/Protocol.h"
#include "receiver/SheetFormat.h"

#include <algorithm>
#include <cmath>

namespace {

bool Measured(double value) {
    return std::isfinite(value) && value >= 0;
}

// A record becomes a reading when it carries a blow count or a torque; a
// depth that is not a finite number cannot be placed on the depth grid.
bool BecomesReading(const TSheetRecord& r) {
    return std::isfinite(r.DepthM) && (r.N >= 0 || Measured(r.TorqueNm));
}

int PartOrZero(std::string_view text, char separator, int index) {
    return ParseInteger(GetToken(text, separator, index)).value_or(0);
}

// NaN or infinity would poison every later computation and printout; the
// field application sends NoValue for "no position".
double FiniteOrNoValue(double value) {
    return std::isfinite(value) ? value : NoValue;
}

void ReadRecords(TAppData& data, TDecodedSheet& sheet) {
    // Reserve by what the message can hold, not by what the sender claims.
    const auto fit = static_cast<uint32_t>(data.Remaining() / SheetRecordBytes);
    sheet.Records.reserve(std::min(sheet.RecordCount, fit));
    for (uint32_t i = 0; i < sheet.RecordCount; ++i) {
        TSheetRecord r;
        data.TransferDouble(r.DepthM);
        data.TransferInt32(r.N);
        data.TransferDouble(r.TorqueNm);
        if (data.ReadPastEnd())
            return; // the message ends inside this record: keep what came before
        sheet.Records.push_back(r);
    }
}

void ReadHeader(TAppData& data, TSheetHeader& header) {
    data.ReadString(header.TestSite);
    data.ReadString(header.SiteDescription);
    data.ReadString(header.TestNumber);
    data.ReadString(header.OrderNumber);
    data.TransferDouble(header.GpsB);
    data.TransferDouble(header.GpsL);
    data.TransferDouble(header.GpsH);
    data.ReadString(header.DateText);
    header.TestDate = ParseSheetDate(header.DateText);
}

} // namespace

int TDecodedSheet::ReadingCount() const {
    return static_cast<int>(std::count_if(Records.begin(), Records.end(), BecomesReading));
}

std::optional<DateTime> ParseSheetDate(std::string_view text) {
    const std::string trimmed = Trim(text);
    const size_t blank = trimmed.find(' ');
    const std::string datePart = Trim(std::string_view(trimmed).substr(0, blank));
    const std::string timePart =
        blank == std::string::npos ? std::string() : Trim(std::string_view(trimmed).substr(blank));
    CalendarDateTime parts;
    parts.year = PartOrZero(datePart, '-', 0);
    parts.month = PartOrZero(datePart, '-', 1);
    parts.day = PartOrZero(datePart, '-', 2);
    parts.hour = PartOrZero(timePart, ':', 0);
    parts.minute = PartOrZero(timePart, ':', 1);
    parts.second = PartOrZero(timePart, ':', 2);
    if (parts.year == 0)
        return std::nullopt;
    return EncodeDateTime(parts);
}

TDecodedSheet DecodeSheet(std::string_view bytes) {
    TDecodedSheet sheet;
    if (bytes.size() > static_cast<size_t>(MaxSheetBytes)) {
        sheet.TooLarge = true;
        return sheet;
    }
    TAppData data;
    data.Stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    data.Stream.SetPosition(0);
    if (!data.BeginRead(SheetIdentifier)) {
        data.Finish();
        return sheet;
    }
    sheet.IdentifierOk = true;
    data.TransferUInt32(sheet.Version);
    data.TransferUInt32(sheet.RecordCount);
    ReadRecords(data, sheet);
    ReadHeader(data, sheet.Header);
    int32_t marker = 0;
    data.TransferInt32(marker);
    sheet.Truncated = data.ReadPastEnd();
    sheet.EndMarkerOk = !sheet.Truncated && marker == SheetEndMarker;
    sheet.ExtraBytes = sheet.Truncated ? 0 : static_cast<size_t>(data.Remaining());
    data.Finish();
    return sheet;
}

SheetApplyResult ApplySheet(TProtocol& protocol, const TDecodedSheet& sheet) {
    if (!sheet.IdentifierOk || sheet.TooLarge)
        return SheetApplyResult::Ignored;

    protocol.Measures.Clear();
    for (const TSheetRecord& r : sheet.Records) {
        if (!BecomesReading(r))
            continue;
        // The new reading has NKor 0, ID 0, IS 0, every optional value absent,
        // is included and has no state: the verification derives them.
        protocol.AddReading(r.DepthM, r.N < 0 ? -1 : r.N,
                            Measured(r.TorqueNm) ? r.TorqueNm : NoValue);
    }
    if (!sheet.EndMarkerOk)
        return SheetApplyResult::ReadingsOnly;

    const TSheetHeader& h = sheet.Header;
    protocol.TestNumber = h.TestNumber;
    protocol.OrderNumber = h.OrderNumber;
    if (h.TestDate)
        protocol.TestDate = *h.TestDate;
    protocol.GpsB = FiniteOrNoValue(h.GpsB);
    protocol.GpsL = FiniteOrNoValue(h.GpsL);
    protocol.GpsH = FiniteOrNoValue(h.GpsH);
    protocol.TestSite = h.TestSite;
    protocol.SiteDescription = h.SiteDescription;
    return SheetApplyResult::Applied;
}
