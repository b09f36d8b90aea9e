#include "i18n/EmbeddedTables.h"

namespace {

// Generated at build time from LANGPL.txt and LANGEN.txt.
const unsigned char LangPlBytes[] = {
#include "LANGPL.inc"
};
const unsigned char LangEnBytes[] = {
#include "LANGEN.inc"
};

std::string_view AsText(const unsigned char* bytes, std::size_t size) {
    return {reinterpret_cast<const char*>(bytes), size};
}

} // namespace

std::string_view EmbeddedLangPl() {
    return AsText(LangPlBytes, sizeof LangPlBytes);
}

std::string_view EmbeddedLangEn() {
    return AsText(LangEnBytes, sizeof LangEnBytes);
}
