#include "evaluation/BlowCounts.h"

#include "base/Numbers.h"
#include "evaluation/DepthRules.h"
#include "evaluation/Verification.h"

namespace {

// The top 50 cm are corrected band by band: a reading z centimetres deep
// falls into the first band with z <= toCm (0 <= z). The road-and-bridge
// instruction (IBPG) fixes the factors; the user may set his own.
struct TopBand {
    int toCm;
    double ibpgFactor;
    double T050Param::*userFactor;
};

// clang-format off
constexpr TopBand TopBands[] = {
    {10, 6.0,  &T050Param::K0_10},
    {20, 3.0,  &T050Param::K10_20},
    {30, 2.0,  &T050Param::K20_30},
    {40, 1.5,  &T050Param::K30_40},
    {50, 1.25, &T050Param::K40_50},
};
// clang-format on

const TopBand* TopBandAt(int depthCm) {
    if (depthCm < 0)
        return nullptr;
    for (const TopBand& band : TopBands)
        if (depthCm <= band.toCm)
            return &band;
    return nullptr;
}

enum CorrectModes { CorrectNone = 0, CorrectIbpg = 1, CorrectUser = 2 };

int CorrectTop(const TSheetOptions& sheet, int n, int depthCm) {
    if (sheet.CorrectMode == CorrectUser && sheet.UserCorr.UseUniform)
        return RoundHalfUp(n * sheet.UserCorr.Uniform);
    const TopBand* band = TopBandAt(depthCm);
    if (!band)
        return n;
    switch (sheet.CorrectMode) {
    case CorrectIbpg:
        return RoundHalfUp(n * band->ibpgFactor);
    case CorrectUser:
        return RoundHalfUp(n * (sheet.UserCorr.*band->userFactor));
    default:
        return n;
    }
}

// Near the water table: from 1 m above it down to the level itself X, then
// down to 2 m below Y, then down to 3 m below Z. Whole centimetres on both
// sides, so the band edges are exact.
int CorrectForWater(const TProtocol& test, int nKor, int depthCm) {
    const TWaterCorrection& water = test.Sheet.WaterCorr;
    if (!water.Apply || !HasValue(test.Profile.Water1))
        return nKor;
    const int waterCm = WaterLevelCm(test.Profile.Water1);
    const long long above = (long long)waterCm - depthCm;
    if (above >= 0 && above < 100)
        return RoundHalfUp(nKor * water.X);
    const long long below = (long long)depthCm - waterCm;
    if (below > 0 && below <= 200)
        return RoundHalfUp(nKor * water.Y);
    if (below > 200 && below <= 300)
        return RoundHalfUp(nKor * water.Z);
    return nKor;
}

} // namespace

double ReadingStep(const TProtocol& test) {
    return test.ProbeType == ProbeDPSHB ? 0.2 : 0.1;
}

void CorrectBlows(const TProtocol& test, TMeasure& reading) {
    if (reading.N < 0) {
        reading.NKor = -1;
        return;
    }
    const int depthCm = RoundHalfUp(reading.Depth * 100);
    reading.NKor = CorrectForWater(test, CorrectTop(test.Sheet, reading.N, depthCm), depthCm);
}

void TProtocol::CorrectAllBlows() {
    for (TMeasure& reading : Measures)
        CorrectBlows(*this, reading);
}

void CorrectAllBlows(TProtocol& test) {
    test.CorrectAllBlows();
}

void SetReadingCell(TProtocol& test, int row, int column, std::string_view text) {
    if (row < 1 || row > ReadingRows)
        return;
    const double depth = row * ReadingStep(test);
    TMeasure* reading = test.FindReading(depth);
    if (!reading)
        reading = test.AddReading(depth, -1, NoValue);

    auto number = [text] { return ParseNumber(text).value_or(NoValue); };
    switch (column) {
    case ColumnBlows:
        reading->N = ParseInteger(text).value_or(-1);
        CorrectBlows(test, *reading);
        break;
    case ColumnTorque:
        reading->Torque = number();
        break;
    case ColumnMMax: // a vane torque changes the vane results: derive them at once
        reading->MMax = number();
        Verify(test);
        break;
    case ColumnMRMax:
        reading->MRMax = number();
        Verify(test);
        break;
    case ColumnSpeed:
        reading->Speed = number();
        break;
    case ColumnTimeToShear:
        reading->TimeToShear = number();
        break;
    default:
        break;
    }

    // A row with neither a blow count nor a torque-wrench reading holds no
    // reading, whatever vane torques it carried.
    if (reading->N < 0 && !HasValue(reading->Torque))
        test.RemoveReading(reading);
}
