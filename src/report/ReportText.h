#pragma once

#include "base/DateTime.h"
#include "pages/PageTypes.h"

#include <string>
#include <string_view>

class TFmtText;

// Colours the report uses in several blocks.
inline constexpr TVrColor ClBlack = 0;
inline constexpr TVrColor ClWhite = VrRgb(255, 255, 255);
inline constexpr TVrColor ClGrey = VrRgb(128, 128, 128);
inline constexpr TVrColor ClSilver = VrRgb(192, 192, 192);
inline constexpr TVrColor ClLabel = VrRgb(70, 70, 70);
inline constexpr TVrColor ClGreen = VrRgb(0, 128, 0);
inline constexpr TVrColor ClRed = VrRgb(255, 0, 0);
inline constexpr TVrColor ClBlue = VrRgb(0, 0, 255);

// The font every report block asks for.
inline constexpr const char* ReportFont = "Tahoma";

// "I" with a lower index: the density index I_D, I_S, I_R ...
TFmtText IndexedText(std::string_view base, std::string_view index);
// A Greek letter taken from the "Symbol" font ("t" is tau) followed by a
// lower index in the report font: tau_min, tau_max.
TFmtText GreekIndexedText(std::string_view symbolLetter, std::string_view index);
// A plain one-run formatted text (used where the text has to be rotated).
TFmtText PlainFmtText(std::string_view text);

// "dd-mm-yyyy", the report's date form.
std::string FormatReportDate(DateTime value);

// The interface language is English (the report picks some sizes and its
// identification text by it).
bool ReportInEnglish();
