#include "ui/Captions.h"

#include "base/Text.h"
#include "i18n/Translate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include <string>

QString TrQ(std::string_view key, std::string_view suffix) {
    return QString::fromStdString(Translate(key, suffix));
}

namespace {

// A tab page sits in the tab widget's internal stack.
QTabWidget* TabWidgetOf(QWidget* page) {
    QWidget* stack = page->parentWidget();
    if (!qobject_cast<QStackedWidget*>(stack))
        return nullptr;
    return qobject_cast<QTabWidget*>(stack->parentWidget());
}

void SetText(QObject* control, const QString& text) {
    if (!control)
        return;
    if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* page = qobject_cast<QWidget*>(control)) {
        if (QTabWidget* tabs = TabWidgetOf(page))
            tabs->setTabText(tabs->indexOf(page), text);
    }
}

} // namespace

void SetCaption(QObject* control, std::string_view key, std::string_view trailer) {
    if (!control)
        return;
    SetText(control, TrQ(key) + QString::fromUtf8(trailer.data(), qsizetype(trailer.size())));
}

void SetCaption(QObject* root, const char* name, std::string_view key, std::string_view trailer) {
    if (root)
        SetCaption(root->findChild<QObject*>(name), key, trailer);
}

void SetCaption3(QObject* control, std::string_view key1, std::string_view key2,
                 std::string_view key3) {
    if (!control)
        return;
    auto part = [](std::string_view key) { return key.empty() ? QString() : TrQ(key); };
    // Qt shows "\n" as the line break the desktop's CR LF stands for.
    SetText(control, part(key1) + "\n" + part(key2) + "\n" + part(key3));
}

void SetItems(QObject* control, std::string_view list) {
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo)
        return;
    const int current = combo->currentIndex();
    for (int i = 0; i < 100; ++i) {
        const std::string item = Trim(GetToken(list, '\t', i));
        if (item.empty())
            break;
        if (i < combo->count())
            combo->setItemText(i, TrQ(item));
        else
            combo->addItem(TrQ(item));
    }
    combo->setCurrentIndex(current);
}

void ApplyAll() {
    if (!qApp)
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    // The main window (the one without a parent window) first, as it is
    // created first; its dialogs follow.
    for (int pass = 0; pass < 2; ++pass) {
        for (QWidget* w : windows) {
            const bool isMain = w->parentWidget() == nullptr;
            if (isMain != (pass == 0))
                continue;
            if (auto* translatable = dynamic_cast<TTranslatable*>(w))
                translatable->ApplyLanguage();
        }
    }
}
