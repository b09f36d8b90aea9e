#include "report/ReportText.h"

#include "i18n/Localization.h"
#include "pages/FmtText.h"

#include <cstdio>

TFmtText IndexedText(std::string_view base, std::string_view index) {
    TFmtText t;
    t.AddText(std::string(base));
    t.AddIndex(2);
    t.AddText(std::string(index));
    return t;
}

TFmtText GreekIndexedText(std::string_view symbolLetter, std::string_view index) {
    TFmtText t;
    t.AddName("Symbol");
    t.AddText(std::string(symbolLetter));
    t.AddName(ReportFont);
    t.AddIndex(2);
    t.AddText(std::string(index));
    return t;
}

TFmtText PlainFmtText(std::string_view text) {
    TFmtText t;
    t.AddText(std::string(text));
    return t;
}

std::string FormatReportDate(DateTime value) {
    const CalendarDateTime d = DecodeDateTime(value);
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", d.day, d.month, d.year);
    return text;
}

bool ReportInEnglish() {
    return LanguageMode() == LanguageModeEnglish;
}
