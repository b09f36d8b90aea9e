#pragma once

#include "model/Protocol.h"

#include <cmath>

// Depths are metres in doubles, and the grid builds them as r x 0.1, so a
// depth typed as 0,3 and one built as 3 x 0.1 differ in the last bits
// (0.3 - 0.1 is 0.19999999999999998). Every comparison that decides on which
// side of a boundary a depth lies goes through these, with the same tolerance
// the readings are found by.

// depthM <= limitM, within the tolerance.
inline bool DepthAtOrAbove(double depthM, double limitM) {
    return depthM < limitM + DepthTolerance;
}

// depthM >= limitM, within the tolerance.
inline bool DepthAtOrBelow(double depthM, double limitM) {
    return depthM > limitM - DepthTolerance;
}

// A water level in whole centimetres, truncated toward zero after the
// tolerance is added, so that 2,30 m is 230 cm and not 229 (2.30 x 100 is
// 229.99999999999997 in doubles).
inline int WaterLevelCm(double waterM) {
    // Clamped so a damaged file's absurd level cannot overflow the conversion.
    const double cm = std::trunc((waterM + DepthTolerance) * 100);
    if (!(cm > -1e9))
        return -1000000000;
    if (cm > 1e9)
        return 1000000000;
    return static_cast<int>(cm);
}
