#include "soils/SoilSymbols.h"

#include "base/Text.h"
#include "model/GeoProfile.h"
#include "pages/Page.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr double LetterHeightMm = 4.0;
constexpr double SubscriptHeightMm = 3.3;
constexpr double PiHeightMm = 5.0;
constexpr double SubscriptPiHeightMm = 4.5;
constexpr double LinePitchMm = 4.0;
constexpr int MaxLines = 10;

// Length of the UTF-8 sequence starting with this byte, so a Polish letter
// is taken as one character and never split.
size_t CharLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    size_t n = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 1;
    return std::min(n, text.size());
}

} // namespace

TFmtText SoilSymbolText(std::string_view s) {
    TFmtText text;
    text.AddHeight(LetterHeightMm);
    bool inSubscript = false;
    while (!s.empty()) {
        if (StartsWithIgnoringCase(s, "PI") && !StartsWithIgnoringCase(s, "PIASEK")) {
            // The letter p of the Symbol font is pi.
            text.AddName("Symbol");
            text.AddHeight(inSubscript ? SubscriptPiHeightMm : PiHeightMm);
            text.AddText(inSubscript ? "p " : "p");
            text.AddName("Tahoma"); // the height is not set back
            s.remove_prefix(2);
            continue;
        }
        const size_t n = CharLength(s);
        const std::string_view c = s.substr(0, n);
        s.remove_prefix(n);
        if (c == "[") {
            text.AddIndex(fiLower);
            text.AddHeight(SubscriptHeightMm);
            inSubscript = true;
        } else if (c == "]") {
            inSubscript = false;
            text.AddIndex(fiNormal);
            text.AddHeight(LetterHeightMm);
        } else {
            text.AddText(std::string(c));
        }
    }
    return text;
}

void DrawLayerSymbol(const TGeoProfileItem& layer, TVrPage& page, double bandHeightMm,
                     double centreYMm, double xMm) {
    // Split gives at least one (possibly empty) line.
    const std::vector<std::string> lines = Split(layer.Name, '#');
    int n = 0;
    while (n < MaxLines && n < int(lines.size()) && !lines[size_t(n)].empty())
        ++n;
    // The number of 4 mm lines that fit the band (clamped so that absurd
    // heights cannot overflow).
    const double fit = std::clamp(bandHeightMm * 0.25 + 0.00001, -1.0, double(MaxLines));
    const int m = static_cast<int>(fit);
    if (m < n)
        n = m;
    if (n == 0)
        n = 1;
    for (int i = 0; i < n; ++i)
        page.TextOutF(SoilSymbolText(lines[size_t(i)]), xMm,
                      centreYMm + LinePitchMm * i - 2.0 * n + 2.0);
}
