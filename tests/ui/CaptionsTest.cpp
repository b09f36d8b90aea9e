#include "ui/Captions.h"
#include "i18n/Localization.h"
#include "i18n/Translate.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

class CaptionsTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage("PL"); }
};

TEST_F(CaptionsTest, EachControlKindGetsTheTranslationAndTrailer) {
    SetLanguage("EN");
    QWidget root;
    auto* tabs = new QTabWidget(&root);
    auto* page = new QWidget;
    page->setObjectName("Page");
    tabs->addTab(page, "x");
    auto* group = new QGroupBox(&root);
    group->setObjectName("Group");
    auto* box = new QCheckBox(&root);
    box->setObjectName("Box");
    auto* label = new QLabel(&root);
    label->setObjectName("Label");
    auto* action = new QAction(&root);
    action->setObjectName("Action");

    SetCaption(&root, "Page", "Metoda");
    SetCaption(&root, "Group", "Pomiar");
    SetCaption(&root, "Box", "Nowy");
    SetCaption(&root, "Label", "Kontakt, zgłaszanie uwag i sugestii", ":");
    SetCaption(&root, "Action", "Otwórz");
    SetCaption(&root, "Missing", "Otwórz"); // ignored

    EXPECT_EQ(tabs->tabText(0), Q(Translate("Metoda")));
    EXPECT_EQ(group->title(), Q(Translate("Pomiar")));
    EXPECT_EQ(box->text(), Q(Translate("Nowy")));
    EXPECT_EQ(label->text(), "Contact, suggestions, support:");
    EXPECT_EQ(action->text(), Q(Translate("Otwórz")));
    EXPECT_NE(box->text(), "Nowy");
}

TEST_F(CaptionsTest, ThreeLineCaptionKeepsTheBreakOfAnEmptyKey) {
    QLabel label;
    SetCaption3(&label, ">MTITLE1-1", "", ">MTITLE1-3");
    EXPECT_EQ(label.text(), "SONDOWANIE DYNAMICZNE\n\nSD/DP");
    SetLanguage("EN");
    SetCaption3(&label, ">MTITLE1-1", "", ">MTITLE1-3");
    EXPECT_EQ(label.text(), "DYNAMIC PROBING\n\nSD/DP");
}

TEST_F(CaptionsTest, ItemsAreReplacedInPlaceUpToTheFirstEmptyOne) {
    QComboBox combo;
    combo.addItems({"a", "b", "c", "d"});
    combo.setCurrentIndex(2);
    SetLanguage("EN");
    SetItems(&combo, "[wybierz]\ttak\t \tnie");
    EXPECT_EQ(combo.itemText(0), "[select]");
    EXPECT_EQ(combo.itemText(1), "yes");
    EXPECT_EQ(combo.itemText(2), "c"); // the blank item ended the list
    EXPECT_EQ(combo.currentIndex(), 2);
}

} // namespace
