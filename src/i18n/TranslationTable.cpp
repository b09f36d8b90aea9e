#include "i18n/TranslationTable.h"

#include "base/Cp1250.h"
#include "base/Text.h"

void TTranslationTable::Load(std::string_view cp1250Text) {
    RowList.clear();
    for (const std::string& line : Split(Cp1250ToUtf8(cp1250Text), '\n')) {
        // Trim also drops the CR of a CR LF line end.
        TTranslationRow row{Trim(GetToken(line, ':', 0)), Trim(GetToken(line, ':', 1))};
        if (!row.Key.empty())
            RowList.push_back(std::move(row));
    }
}

const TTranslationRow* TTranslationTable::Find(std::string_view key) const {
    // A linear walk: the tables hold a few hundred rows and the first row
    // with the key must win, which an index would have to preserve anyway.
    for (const TTranslationRow& row : RowList)
        if (row.Key == key)
            return &row;
    return nullptr;
}

std::string TTranslationTable::Translate(std::string_view key, std::string_view suffix) const {
    std::string text;
    if (const TTranslationRow* row = Find(key)) {
        if (row->Text == "~")
            return std::string(suffix);
        if (row->Text.empty())
            text = "!!!" + std::string(key);
        else
            text = row->Text;
        text += suffix;
        return text;
    }
    if (Missing == TMissingKey::MarkMissing)
        return "?" + std::string(key);
    text = key;
    text += suffix;
    return text;
}
