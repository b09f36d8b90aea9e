#pragma once

// An optional number that has not been entered: depths, coordinates,
// coefficients, torques, results and water levels all use it. Comparisons
// against it are exact on purpose: the value is stored and read back bit for
// bit, never computed.
inline constexpr double NoValue = -1e12;

inline bool HasValue(double x) {
    return x != NoValue;
}
