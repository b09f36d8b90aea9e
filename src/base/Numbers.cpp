#include "base/Numbers.h"

#include "base/Text.h"

#include <charconv>
#include <cmath>
#include <limits>

int RoundHalfUp(double x) {
    // Damaged files can carry NaN or absurd depths; they must not reach an
    // undefined conversion.
    if (std::isnan(x))
        return 0;
    double f = std::floor(x);
    double r = (x - f >= 0.5) ? f + 1 : f;
    if (r > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

namespace {

// std::to_chars never consults the C locale, so a point is guaranteed.
std::string ToCharsFixed(double value, int decimals) {
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc())
        return "0";
    return std::string(buf, res.ptr);
}

} // namespace

std::string FormatNumber(double value, int decimals) {
    return ReplaceChar(ToCharsFixed(value, decimals), '.', ',');
}

std::string FormatFixedPoint(double value, int width, int decimals) {
    std::string text = ToCharsFixed(value, decimals);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    std::string t = ReplaceChar(Trim(text), ',', '.');
    if (t.empty())
        return std::nullopt;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (*first == '+')
        ++first;
    double value = 0;
    auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty())
        return std::nullopt;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (*first == '+')
        ++first;
    int value = 0;
    auto res = std::from_chars(first, last, value);
    if (res.ec != std::errc() || res.ptr != last)
        return std::nullopt;
    return value;
}
