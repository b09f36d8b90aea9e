#pragma once

#include <string_view>

// The translation tables as compiled into the program: Windows-1250 text,
// lines ending with CR LF, "key:text" per line.
std::string_view EmbeddedLangPl();
std::string_view EmbeddedLangEn();
