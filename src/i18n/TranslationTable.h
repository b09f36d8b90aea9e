#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of a translation table: field 0 and field 1 of the line split at
// ":", both trimmed. A third or later field is dropped, so a translation
// never contains a colon (and a key with a colon can never be found).
struct TTranslationRow {
    std::string Key;
    std::string Text;
};

// What a lookup of a key the table does not hold gives.
enum class TMissingKey {
    ShowKey,    // the key followed by the suffix (the Polish table)
    MarkMissing // "?" followed by the key, no suffix (the English table)
};

// An ordered translation table. Lookups walk the rows in order and the first
// row with the key decides, so a key listed twice keeps its first text.
class TTranslationTable {
public:
    explicit TTranslationTable(TMissingKey missing) : Missing(missing) {}
    virtual ~TTranslationTable() = default;

    // Replaces the rows by the lines of a Windows-1250 text (CR LF or LF
    // line ends). Empty lines and lines with an empty key are kept out: they
    // can never match.
    void Load(std::string_view cp1250Text);

    // The key is compared byte for byte with the trimmed field 0 and is not
    // trimmed itself. A row whose text is "~" gives the suffix alone (the
    // text is blank in this language); a row with an empty text gives "!!!",
    // the key and the suffix, so a row left unfinished shows in the program.
    std::string Translate(std::string_view key, std::string_view suffix) const;

    // The row of the key, or nullptr.
    const TTranslationRow* Find(std::string_view key) const;

    const std::vector<TTranslationRow>& Rows() const { return RowList; }

private:
    TMissingKey Missing;
    std::vector<TTranslationRow> RowList;
};
