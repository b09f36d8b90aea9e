#pragma once

#include <string>
#include <string_view>

// Every file and the wire carry Windows-1250 text; inside the program text is
// UTF-8. The conversion is exact for all 256 bytes: the five bytes that
// Windows-1250 leaves undefined (81 83 88 90 98) travel as the C1 control
// characters of the same number, so no byte of an old file is lost.

std::string Cp1250ToUtf8(std::string_view bytes);

// A character that Windows-1250 cannot hold (or a malformed UTF-8 sequence)
// is written as "?"; *lossy is then set to true so the caller can warn.
std::string Utf8ToCp1250(std::string_view text, bool* lossy = nullptr);
