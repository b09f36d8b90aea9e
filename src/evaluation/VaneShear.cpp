#include "evaluation/VaneShear.h"

#include <cmath>
#include <numbers>

double ShearStrength(double heightMm, double diameterMm, double mu, double wrenchCoef,
                     double torqueNm) {
    if (!HasValue(heightMm) || !HasValue(diameterMm) || !HasValue(mu) || !HasValue(wrenchCoef) ||
        !HasValue(torqueNm))
        return NoValue;
    // A vane of no height or no diameter shears nothing (and D / 3H would
    // divide by zero).
    if (heightMm == 0 || diameterMm == 0)
        return NoValue;
    const double denominator = (1 + diameterMm / (3 * heightMm)) * (std::numbers::pi / 2) *
                               diameterMm * diameterMm * heightMm * 0.001;
    if (denominator == 0)
        return NoValue;
    return wrenchCoef * mu * torqueNm / denominator;
}

double LiquidityFromShear(double tauMPa) {
    if (!HasValue(tauMPa) || tauMPa <= 0)
        return NoValue;
    const double il = -0.36 * std::log(tauMPa) - 0.661;
    return il < 0 ? 0 : il;
}

void VaneResults(const TProtocol& test, TMeasure& reading, double mu) {
    const TVaneParams* vane = nullptr;
    double wrenchCoef = NoValue;
    switch (test.Sheet.VaneKind) {
    case VaneKindFVT:
        vane = &test.VaneFVT;
        wrenchCoef = test.WrenchCoefFVT;
        break;
    case VaneKindSLVT:
        vane = &test.VaneSLVT;
        wrenchCoef = test.WrenchCoefSLVT;
        break;
    default:
        break;
    }
    auto tau = [&](double torqueNm) {
        return vane ? ShearStrength(vane->H, vane->D, mu, wrenchCoef, torqueNm) : NoValue;
    };
    reading.TauPeak = tau(reading.MMax);
    reading.TauRes = tau(reading.MRMax);
    reading.Mu = mu;
    reading.IR = reading.ILAvg = reading.ILRes = reading.ILPeak = NoValue;
    if (!HasValue(reading.TauPeak) || !HasValue(reading.TauRes) || reading.TauRes == 0)
        return;
    reading.IR = reading.TauPeak / reading.TauRes;
    reading.ILRes = LiquidityFromShear(reading.TauRes);
    reading.ILPeak = LiquidityFromShear(reading.TauPeak);
    // A negative torque gives no liquidity index, and then no mean either.
    if (HasValue(reading.ILRes) && HasValue(reading.ILPeak))
        reading.ILAvg = (reading.ILRes + reading.ILPeak) * 0.5;
}
