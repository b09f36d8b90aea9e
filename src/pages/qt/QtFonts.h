#pragma once

#include <QString>

#include <string>

// The report's fonts on this platform. "Tahoma" is the face of Debian's
// fonts-wine, which fontconfig does not scan: it is registered with the
// application's font database when the files are there; otherwise DejaVu
// Sans stands in (its text is about 15 % wider). Needs a QGuiApplication.

// Registers the Tahoma files once; true when a Tahoma face is available.
bool RegisterReportFonts();

// The installed family that draws the requested font name: the name itself
// when installed, Tahoma's stand-in otherwise. Not for "Symbol", whose text
// is drawn as Greek letters in the ordinary text face.
QString ReportFontFamily(const std::string& requestedName);
