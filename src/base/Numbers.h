#pragma once

#include <optional>
#include <string>
#include <string_view>

// The floor of x, plus one when x minus its floor is 0.5 or more
// (2.5 -> 3, -2.5 -> -2). Turns metres into whole centimetres and gives every
// corrected blow count. Not std::round, which rounds -2.5 away from zero.
int RoundHalfUp(double x);

// Numbers as the user sees and types them: the decimal comma, whatever the
// process's C locale says. Fixed-point with the given number of decimals.
std::string FormatNumber(double value, int decimals);

// printf-style fixed-point text with a point, for the few places that are
// written with a "%3.2f"-like pattern. Width is the minimum field width.
std::string FormatFixedPoint(double value, int width, int decimals);

// Parses a decimal number typed with a comma or a point, surrounded by
// blanks or not. Nothing for empty text, trailing junk, inf or nan.
std::optional<double> ParseNumber(std::string_view text);

// Parses a whole number (optional sign, digits, surrounding blanks).
std::optional<int> ParseInteger(std::string_view text);
