#include "report/CardContext.h"

#include <algorithm>

TCardContext::TCardContext(TVrPage& page, const TProtocol& test, double left, double top,
                           double startDepth, int metres)
    : Page(page), Test(test), L(ComputeCardLayout(test, left)), Top(top), StartDepth(startDepth),
      Metres(metres), End(startDepth + metres), Bottom(top + TCardLayout::MmPerMetre * metres) {
    // Row j of metre i is the depth startDepth + i + j / R. The first line of
    // the card and the last line of every metre but the last are skipped, so
    // each reading depth in (startDepth, End] is visited exactly once. The
    // look-ups are done once here for all steps of the card.
    const int r = L.RowsPerMetre;
    const double pitch = L.RowPitch;
    Rows.reserve(static_cast<size_t>(metres * r));
    for (int i = 0; i < metres; ++i) {
        for (int j = 0; j <= r; ++j) {
            if ((i == 0 && j == 0) || (j == r && i < metres - 1))
                continue;
            TCardRow row;
            row.Z = startDepth + i + static_cast<double>(j) / r;
            row.LineY = top + TCardLayout::MmPerMetre * i + pitch * j;
            row.Included = test.FindIncludedReading(row.Z);
            row.Any = test.FindReading(row.Z);
            row.Layer = test.Profile.FindLayer(row.Z - L.Step, End);
            row.Cohesive = row.Layer && row.Layer->Category == 1;
            row.VaneEligible = !row.Layer || row.Layer->ForVane;
            Rows.push_back(row);
        }
    }
}

double TCardContext::ClampY(double y) const {
    return std::clamp(y, Top, Bottom);
}
