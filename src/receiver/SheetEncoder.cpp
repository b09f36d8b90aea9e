#include "receiver/SheetEncoder.h"

#include "container/AppData.h"
#include "model/Protocol.h"
#include "receiver/SheetFormat.h"

#include <cmath>
#include <cstdio>

namespace {

// Only readings with a blow count or a torque travel: the receiver would skip
// the others.
bool Travels(const TMeasure& reading) {
    return reading.N >= 0 || reading.Torque >= 0;
}

} // namespace

std::string FormatSheetDate(DateTime value) {
    // Rounding the whole value (not the seconds field) lets 23:59:59.7 carry
    // into the next day instead of printing second 60.
    const CalendarDateTime p = DecodeDateTime(std::round(value * 86400.0) / 86400.0);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

std::string EncodeSheet(const TProtocol& protocol, bool* lossyText) {
    TAppData data;
    data.BeginWrite(SheetIdentifier);
    uint32_t version = SheetVersion;
    data.TransferUInt32(version);

    uint32_t count = 0;
    for (const TMeasure& m : protocol.Measures)
        if (Travels(m))
            ++count;
    data.TransferUInt32(count);
    for (const TMeasure& m : protocol.Measures) {
        if (!Travels(m))
            continue;
        double depth = m.Depth;
        int32_t n = m.N < 0 ? -1 : m.N;
        double torque = m.Torque >= 0 ? m.Torque : -1.0;
        data.TransferDouble(depth);
        data.TransferInt32(n);
        data.TransferDouble(torque);
    }

    std::string site = protocol.TestSite, description = protocol.SiteDescription;
    std::string number = protocol.TestNumber, order = protocol.OrderNumber;
    double b = protocol.GpsB, l = protocol.GpsL, h = protocol.GpsH;
    std::string date = FormatSheetDate(protocol.TestDate);
    int32_t marker = SheetEndMarker;
    data.TransferString(site);
    data.TransferString(description);
    data.TransferString(number);
    data.TransferString(order);
    data.TransferDouble(b);
    data.TransferDouble(l);
    data.TransferDouble(h);
    data.TransferString(date);
    data.TransferInt32(marker);

    if (lossyText)
        *lossyText = data.LossyText();
    return std::string(reinterpret_cast<const char*>(data.Stream.Data()),
                       static_cast<size_t>(data.Stream.Size()));
}
