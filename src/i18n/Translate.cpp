#include "i18n/Translate.h"

#include "i18n/Localization.h"

std::string Translate(std::string_view key, std::string_view suffix) {
    const TTranslationTable* table = ActiveTable();
    // No table active (a German or French system): every text stays the
    // Polish key, and the suffix is not appended.
    if (table == nullptr)
        return std::string(key);
    return table->Translate(key, suffix);
}
