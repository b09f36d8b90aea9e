#include "i18n/Translate.h"

// Until the translation tables are in place every text stays Polish.
std::string Translate(std::string_view key, std::string_view suffix) {
    std::string text(key);
    text += suffix;
    return text;
}
