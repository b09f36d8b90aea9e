#pragma once

#include <QString>

#include <string_view>

class QObject;
class QWidget;

// Caption setters: the control's caption becomes the translation of key
// followed by trailer ("" or ":"). One setter serves every control kind the
// windows use (action/menu item, button of any kind, label, group box, tab
// page, menu); a null control is ignored so a caption table may name
// controls a window does not have yet.
void SetCaption(QObject* control, std::string_view key, std::string_view trailer = {});
// The same for the child of root with that object name.
void SetCaption(QObject* root, const char* name, std::string_view key,
                std::string_view trailer = {});

// A multi-line caption: the translations of the non-empty keys, a line break
// after the first and after the second part even when a key is empty.
void SetCaption3(QObject* control, std::string_view key1, std::string_view key2,
                 std::string_view key3);

// Replaces the items of a combo box in place by the translations of a
// tab-separated list (at most 100 items, up to the first empty one).
void SetItems(QObject* combo, std::string_view list);

// Translation of a key as a QString.
QString TrQ(std::string_view key, std::string_view suffix = {});

// A window that can re-caption itself in the current language.
class TTranslatable {
public:
    virtual ~TTranslatable() = default;
    virtual void ApplyLanguage() = 0;
};

// Re-captions every window that exists now (windows not yet created are
// skipped): the main window first, then every other translatable window.
void ApplyAll();
