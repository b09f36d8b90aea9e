#pragma once

#include <string>
#include <string_view>

// Text asked for in the "Symbol" font: its Latin letters stand for Greek
// ones ("p" pi, "t" tau, "a" alpha, "m" mu). Surfaces draw such text as the
// Greek Unicode letters in the ordinary text face, so that it looks right on
// every machine and stays searchable in PDF files.

bool IsSymbolFontName(std::string_view fontName);

// The UTF-8 text with each Latin letter replaced by the Greek letter at the
// same position of the Symbol font; every other character is kept.
std::string SymbolFontToUnicode(std::string_view text);
