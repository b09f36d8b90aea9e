#pragma once

#include "model/Protocol.h"

// Undrained shear strength from vane torques, the sensitivity index and the
// liquidity index correlated with shear strength.

// The kind of test (VaneKind).
enum VaneTestKind : uint8_t {
    VaneKindNone = 0, // dynamic probing only, "SD/DP"
    VaneKindFVT = 1,  // with field vane tests, "SD/DP+FVT"
    VaneKindSLVT = 2, // cone-vane probe, "SLVT"
};

// tau [MPa] = k mu M / ((1 + D / 3H) (pi / 2) D^2 H 0.001): the torque over
// the shear moment pi D^2 (H/2 + D/6) of the sheared cylinder, with D and H
// in mm and M in Nm (0.001 turns Nm into N mm). NoValue when any input is
// NoValue or the vane has no size.
double ShearStrength(double heightMm, double diameterMm, double mu, double wrenchCoef,
                     double torqueNm);

// I_L = -0.36 ln(tau) - 0.661, at least 0, with tau in MPa; NoValue for a tau
// that is NoValue, 0 or negative.
double LiquidityFromShear(double tauMPa);

// TauPeak, TauRes, Mu, IR and the liquidity indices of one reading, with the
// vane and wrench of the test's kind and the layer coefficient mu.
void VaneResults(const TProtocol& test, TMeasure& reading, double mu);
