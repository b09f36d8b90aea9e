#include "files/HistoryList.h"

#include "files/TextLines.h"
#include "i18n/Translate.h"

std::string HistoryFilePath(const TEngine& engine, const std::string& listName) {
    return engine.DataDir + "Ustawienia_" + Translate(listName) + ".cfg";
}

std::vector<std::string> TEngine::LoadHistory(const std::string& listName) const {
    std::vector<std::string> items;
    // A missing or unreadable file gives an empty list.
    ReadTextLines(HistoryFilePath(*this, listName), items, nullptr);
    return items;
}

FileOperationResult TEngine::SaveHistory(const std::string& listName,
                                         const std::vector<std::string>& items) const {
    return WriteTextLines(HistoryFilePath(*this, listName), items);
}
