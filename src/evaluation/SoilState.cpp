#include "evaluation/SoilState.h"

#include "base/Numbers.h"
#include "evaluation/BlowCounts.h"
#include "evaluation/DepthRules.h"

#include <cmath>

namespace {

// I_D = a * log10(NKor) + b for one probe type.
struct ProbeCorrelation {
    uint8_t probe;
    double a;
    double b;
};

// PN-B-04452, used unchanged by the road-and-bridge instruction.
// clang-format off
constexpr ProbeCorrelation PnCorrelations[] = {
    {ProbeDPL,   0.429, 0.071},
    {ProbeDPM,   0.431, 0.176},
    {ProbeDPH,   0.441, 0.271},
    {ProbeDPSHA, 0.441, 0.196},
    {ProbeDPSHB, 0.441, 0.196},
};
// clang-format on

enum class IsoSoil { PoorlyGradedSand, WellGradedSandGravel };

struct IsoCorrelation {
    IsoSoil soil;
    WaterSide water;
    ProbeCorrelation correlation;
};

// EN 1997-2:2007 (PN-EN 1997-2), informative Annex G.1, after DIN 4094-3:
// I_D from N10 of the light (DPL) and heavy (DPH) probe. Poorly graded sand
// has CU <= 3, well-graded sand-gravel CU >= 6. The annex gives the rows for
// 3 <= N10 <= 50; the program applies them from 3 blows on.
constexpr IsoCorrelation IsoCorrelations[] = {
    {IsoSoil::PoorlyGradedSand, WaterSide::Above, {ProbeDPL, 0.260, 0.15}},
    {IsoSoil::PoorlyGradedSand, WaterSide::Above, {ProbeDPH, 0.435, 0.10}},
    {IsoSoil::PoorlyGradedSand, WaterSide::Below, {ProbeDPL, 0.230, 0.21}},
    {IsoSoil::PoorlyGradedSand, WaterSide::Below, {ProbeDPH, 0.380, 0.23}},
    {IsoSoil::WellGradedSandGravel, WaterSide::Above, {ProbeDPH, 0.550, -0.14}},
};
constexpr int IsoMinimumBlows = 3;

// When no row applies, the simplified mode still evaluates the two probes
// with these (strict mode gives no I_D then).
constexpr ProbeCorrelation IsoFallback[] = {{ProbeDPL, 0.26, 0.15}, {ProbeDPH, 0.435, 0.10}};

// Density states from I_D: below each bound its name; from the last bound on
// "bardzo zagęszcz.".
struct StateBound {
    double below;
    const char* state;
};
constexpr StateBound StateBounds[] = {
    {0.33, "luźny"}, {0.67, "śr.zagęszczony"}, {0.8, "zagęszczony"}};
constexpr const char* DensestState = "bardzo zagęszcz.";

// The layer-search depth for a reading's layer: far below any profile.
constexpr double BelowEveryProfileM = 10000.0;

template <size_t Size>
double Correlate(const ProbeCorrelation (&table)[Size], int probe, double lgBlows) {
    for (const ProbeCorrelation& row : table)
        if (row.probe == probe)
            return row.a * lgBlows + row.b;
    return NoValue;
}

bool Matches(IsoSoil soil, const TGeoProfileItem& layer) {
    if (!layer.GradingKnown || !HasValue(layer.CU))
        return false;
    switch (soil) {
    case IsoSoil::PoorlyGradedSand:
        return layer.SoilType == SoilSand && !layer.WellGraded && layer.CU <= 3;
    case IsoSoil::WellGradedSandGravel:
        return layer.SoilType == SoilSandGravel && layer.WellGraded && layer.CU >= 6;
    }
    return false;
}

double IsoDensityIndex(const TProtocol& test, int blows, const TGeoProfileItem* layer,
                       double lgBlows) {
    if (blows < IsoMinimumBlows)
        return NoValue;
    if (layer) {
        const WaterSide water = WaterSideOf(test.Profile, *layer);
        for (const IsoCorrelation& row : IsoCorrelations)
            if (row.water == water && row.correlation.probe == test.ProbeType &&
                Matches(row.soil, *layer))
                return row.correlation.a * lgBlows + row.correlation.b;
    }
    return test.Sheet.Strict ? NoValue : Correlate(IsoFallback, test.ProbeType, lgBlows);
}

double Bottom(const TGeoProfileItem& layer) {
    return layer.Start + layer.Size;
}

} // namespace

TGeoProfileItem* TGeoProfile::FindLayer(double from, double to) const {
    if (Count() == 0)
        return nullptr;
    for (TGeoProfileItem& layer : Items)
        if (DepthAtOrAbove(layer.Start, from) && DepthAtOrBelow(Bottom(layer), to))
            return &layer;
    if (DepthAtOrAbove(to, Layer(0)->Start) || DepthAtOrAbove(Bottom(*Layer(Count() - 1)), from))
        return nullptr;
    // No layer covers the whole interval: take the one holding its top.
    TGeoProfileItem* holder = nullptr;
    for (TGeoProfileItem& layer : Items)
        if (DepthAtOrAbove(layer.Start, from))
            holder = &layer;
    if (!holder)
        return Layer(0); // above the first layer
    return DepthAtOrAbove(Bottom(*holder), from) ? nullptr : holder;
}

TGeoProfileItem* FindLayer(const TGeoProfile& profile, double fromM, double toM) {
    return profile.FindLayer(fromM, toM);
}

TGeoProfileItem* ReadingLayer(const TProtocol& test, const TMeasure& reading) {
    return test.Profile.FindLayer(reading.Depth - ReadingStep(test), BelowEveryProfileM);
}

WaterSide WaterSideOf(const TGeoProfile& profile, const TGeoProfileItem& layer) {
    if (HasValue(profile.Water1) && DepthAtOrBelow(layer.Start, profile.Water1))
        return WaterSide::Below;
    return WaterSide::Above;
}

double DensityIndex(const TProtocol& test, const TMeasure& reading, const TGeoProfileItem* layer) {
    // A coefficient below 0.5 can correct a count to 0, whose logarithm is
    // undefined: such a reading has no I_D.
    if (reading.NKor <= 0)
        return NoValue;
    const double lgBlows = std::log10(static_cast<double>(reading.NKor));
    const TSheetOptions& sheet = test.Sheet;
    switch (sheet.Norm) {
    case NormPN:
    case NormIBPG:
        return Correlate(PnCorrelations, test.ProbeType, lgBlows);
    case NormISO:
        return IsoDensityIndex(test, reading.NKor, layer, lgBlows);
    case NormUser:
        if (HasValue(sheet.ParA) && HasValue(sheet.ParB))
            return sheet.ParA * lgBlows + sheet.ParB;
        return NoValue;
    default:
        return NoValue;
    }
}

std::string DensityState(double id) {
    if (!HasValue(id))
        return {};
    for (const StateBound& bound : StateBounds)
        if (id < bound.below)
            return bound.state;
    return DensestState;
}

double CompactionIndex(double id) {
    if (!HasValue(id))
        return NoValue;
    return 0.818 / (0.958 - 0.174 * id);
}

void LayerAverages(TProtocol& test) {
    const double stepM = ReadingStep(test);
    const long long stepCm = RoundHalfUp(stepM * 100);
    for (TGeoProfileItem& layer : test.Profile.Items) {
        const long long topCm = RoundHalfUp(layer.Start * 100);
        const long long bottomCm = topCm + RoundHalfUp(layer.Size * 100);
        double sumId = 0;
        double sumIs = 0;
        int count = 0;
        // The readings whose interval starts at a grid depth of the layer (a
        // whole step apart from its top). Walking the readings rather than the
        // depths keeps the work bounded whatever thickness a damaged file
        // claims. Only the first reading at a depth counts, as FindReading
        // finds it, so no depth is counted twice. Readings without blows are
        // not evaluated and still carry the I_D they were created with; they
        // stay out.
        for (const TMeasure& reading : test.Measures) {
            if (reading.N < 1 || !HasValue(reading.ID) || !HasValue(reading.IS))
                continue;
            const long long cm = RoundHalfUp(reading.Depth * 100) - stepCm;
            if (cm < topCm || cm >= bottomCm || (cm - topCm) % stepCm != 0)
                continue;
            if (test.FindReading(double(cm) / 100.0 + stepM) != &reading)
                continue;
            sumId += reading.ID;
            sumIs += reading.IS;
            ++count;
        }
        layer.IDAvg = count ? sumId / count : NoValue;
        layer.ISAvg = count ? sumIs / count : NoValue;
    }
}
