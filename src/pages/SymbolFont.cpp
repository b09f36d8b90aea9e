#include "pages/SymbolFont.h"

#include "base/Text.h"

namespace {
// The Greek letters of the Symbol font at the positions of A..Z and a..z
// (note C chi, F phi, J theta symbol, Q theta, V final sigma, v pi symbol).
constexpr const char* UpperGreek[26] = {
    "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
    "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ",
};
constexpr const char* LowerGreek[26] = {
    "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
    "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ",
};
} // namespace

bool IsSymbolFontName(std::string_view fontName) {
    return fontName.size() == 6 && StartsWithIgnoringCase(fontName, "symbol");
}

std::string SymbolFontToUnicode(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        if (c >= 'A' && c <= 'Z')
            out += UpperGreek[c - 'A'];
        else if (c >= 'a' && c <= 'z')
            out += LowerGreek[c - 'a'];
        else
            out += c;
    }
    return out;
}
