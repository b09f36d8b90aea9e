#pragma once

#include "base/Values.h"

#include <string>

// One reading of the probing: the blow count of one interval (N10, or N20 for
// DPSH-B) at its depth, the torque-wrench reading and the vane torques, plus
// the results the verification derives.
class TMeasure {
public:
    TMeasure() = default;
    TMeasure(double depth, int n, double torque) : Depth(depth), N(n), Torque(torque) {}
    virtual ~TMeasure() = default;

    // Stored.
    double Depth = 0;             // m below ground level
    int N = -1;                   // blows per interval; -1 = no count in this row
    double Torque = NoValue;      // Nm, torque wrench during the probing
    double MMax = NoValue;        // Nm, vane peak torque
    double MRMax = NoValue;       // Nm, vane residual torque
    double Speed = NoValue;       // rev/min, vane rotation speed
    double TimeToShear = NoValue; // min

    // Derived by the verification.
    int NKor = 0;           // corrected blow count
    double Mu = NoValue;    // vane correction coefficient of the layer
    double IR = NoValue;    // structural sensitivity
    double ILAvg = NoValue; // liquidity index: mean, from TauRes, from TauPeak
    double ILRes = NoValue;
    double ILPeak = NoValue;
    bool Included = true;     // false inside a topsoil layer
    double ID = 0;            // density index
    double IS = 0;            // compaction index
    double TauRes = NoValue;  // MPa, from MRMax
    double TauPeak = NoValue; // MPa, from MMax
    std::string State;        // density state text (Polish key, translated when shown)
};
