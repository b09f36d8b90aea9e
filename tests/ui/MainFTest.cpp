#include "ui/MainF.h"
#include "UiTestSupport.h"
#include "i18n/Localization.h"
#include "i18n/Translate.h"
#include "model/Engine.h"
#include "ui/QtSkinPlatform.h"
#include "ui/SkinManager.h"
#include "ui/VrDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

class MainFTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Home.isValid());
        QDir(Home.path()).mkdir("Dane");
        QFile::remove("Ustawienia.dat"); // the working directory is the tests' own
        SetLanguage("PL");
    }
    void TearDown() override { SetLanguage("PL"); }

    std::unique_ptr<TMainF> Start(const QStringList& arguments = {}) {
        return std::make_unique<TMainF>(Home.path(), arguments);
    }
    QString PathOf(const char* name) const { return Home.filePath(QString("Dane/") + name); }
    QString CurrentCaption(TMainF& w) const { return w.PC->tabText(w.PC->currentIndex()); }
    static QAction* Action(TMainF& w, const char* name) { return w.findChild<QAction*>(name); }
    // Answers the next message dialog with a button; stores its text.
    static void Answer(TVrButton button, QString* text = nullptr) {
        WhenModal<TDialogF>([button, text](TDialogF* form) {
            if (text)
                *text = form->findChild<QLabel*>("Panel")->text();
            form->Button(button)->click();
        });
    }
    // Saves the current test through "Zapisz jako ..." and its dialog.
    static void SaveAs(TMainF& w, const QString& path) {
        WhenModal<QFileDialog>([path](QFileDialog* d) {
            // The file name typed into the dialog's own name field.
            d->setDirectory(QFileInfo(path).absolutePath());
            d->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
            QMetaObject::invokeMethod(d, "accept");
        });
        Action(w, "FileSaveAs")->trigger();
    }

    QTemporaryDir Home; // the program's directory, with its data folder Dane/
};

TEST_F(MainFTest, StartsOnMethodPageWithUnsavedTitleAndSaveDisabled) {
    auto w = Start();
    EXPECT_EQ(w->windowTitle(), "Ardelven Quistra v.2.42 - niezapisany ");
    EXPECT_EQ(w->PC->currentWidget(), w->TabNorm);
    EXPECT_FALSE(Action(*w, "FileSave")->isEnabled());
    EXPECT_FALSE(Action(*w, "SaveFile")->isEnabled());
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w->OpenD->directory().absolutePath(), QDir(PathOf("")).absolutePath());
    // The decimal comma whatever the desktop's locale, without digit grouping.
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1234,50");
    for (const char* name : {"PC", "Status", "VrD", "TabHWSD", "TabError", "Error", "PopupIntf",
                             "S1PL", "S4EN", "ASwitchPL", "ACalc"})
        EXPECT_NE(w->findChild<QObject*>(name), nullptr) << name;
}

TEST_F(MainFTest, SaveAsNamesTheTestInTitleStatusAndSaveCommand) {
    auto w = Start();
    w->Engine().MarkModified();
    EXPECT_EQ(w->StatusPanels[1]->property("IconName").toString(), "modified");
    SaveAs(*w, PathOf("a.sdn"));
    EXPECT_TRUE(QFile::exists(PathOf("a.sdn")));
    EXPECT_EQ(w->windowTitle(), "Ardelven Quistra v.2.42 - [a.sdn] ");
    EXPECT_TRUE(Action(*w, "FileSave")->isEnabled());
    EXPECT_EQ(w->StatusPanels[0]->property("IconName").toString(), "file");
    EXPECT_EQ(w->StatusPanels[1]->property("IconName").toString(), "unmodified");
    w->Engine().MarkModified();
    EXPECT_EQ(w->StatusPanels[0]->property("IconName").toString(), "");
}

TEST_F(MainFTest, SavingTextTheCodePageCannotHoldWarnsAfterSaving) {
    auto w = Start();
    w->Engine().Protocol->Remarks = "τ = 25 kPa"; // Greek is not in Windows-1250
    QString message;
    Answer(btOK, &message);
    SaveAs(*w, PathOf("g.sdn"));
    EXPECT_TRUE(QFile::exists(PathOf("g.sdn")));
    EXPECT_TRUE(message.contains("zapisano je jako znak zapytania")) << message.toStdString();
    EXPECT_TRUE(message.contains("g.sdn")) << message.toStdString();
}

TEST_F(MainFTest, NewOnModifiedTestFollowsTheAnswer) {
    auto w = Start();
    w->Engine().Protocol->TestNumber = "S-1";
    w->Engine().MarkModified();

    Answer(btCancel);
    Action(*w, "FileNew")->trigger();
    EXPECT_EQ(w->Engine().Protocol->TestNumber, "S-1");
    EXPECT_TRUE(w->Engine().IsModified());

    Answer(btNo);
    Action(*w, "NewFile")->trigger();
    EXPECT_EQ(w->Engine().Protocol->TestNumber, "");
    EXPECT_FALSE(w->Engine().IsModified());
    EXPECT_FALSE(QFile::exists(PathOf("b.sdn")));
}

TEST_F(MainFTest, YesSavesANamedTestBeforeNew) {
    auto w = Start();
    SaveAs(*w, PathOf("b.sdn"));
    w->Engine().Protocol->TestNumber = "S-2";
    w->Engine().MarkModified();
    QString question;
    Answer(btYes, &question);
    Action(*w, "FileNew")->trigger();
    EXPECT_EQ(question, Q(Translate("Dane orzeczenia zostały zmodyfikowane, lecz plik nie "
                                    "został zapisany!")) +
                            "\n" + Q(Translate("Zapisać?")));
    EXPECT_EQ(w->Engine().Protocol->TestNumber, "");
    TEngine reader(Home.path().toStdString());
    ASSERT_TRUE(reader.LoadTest(PathOf("b.sdn").toStdString()).ok);
    EXPECT_EQ(reader.Protocol->TestNumber, "S-2");
}

TEST_F(MainFTest, CloseAsksAndCancelKeepsTheWindowOpen) {
    auto w = Start();
    w->show();
    w->Engine().MarkModified();
    Answer(btCancel);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    Answer(btNo);
    EXPECT_TRUE(w->close());
}

TEST_F(MainFTest, SectionOneButtonCyclesTheDescriptionPages) {
    auto w = Start();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        w->SectionButtons[0][0]->click();
        visited << CurrentCaption(*w);
    }
    EXPECT_EQ(visited, QStringList({"Opis", "Lokalizacja", "Sprzęt DP", "Metoda"}));
    EXPECT_FALSE(w->PC->isTabVisible(w->PC->indexOf(w->TabMS)));
}

TEST_F(MainFTest, EquipmentPagesFollowStandardAndKindOfTest) {
    struct {
        int norm, vaneKind;
        bool fvt, slvt;
    } const cases[] = {{0, 0, false, false},
                       {0, 1, true, false},
                       {0, 2, false, true},
                       {2, 1, false, false},
                       {2, 2, false, false}};
    for (const auto& c : cases) {
        auto w = Start();
        TSheetOptions& sheet = w->Engine().Protocol->Sheet;
        sheet.SetVaneKind(c.vaneKind);
        sheet.SetNorm(c.norm);
        w->ShowSection(1);
        EXPECT_EQ(w->PC->isTabVisible(w->PC->indexOf(w->TabHWFVT)), c.fvt) << c.norm << c.vaneKind;
        EXPECT_EQ(w->PC->isTabVisible(w->PC->indexOf(w->TabHWSLVT)), c.slvt)
            << c.norm << c.vaneKind;
        // The probe type does not apply to a test of the SLVT kind.
        EXPECT_EQ(w->TypSondy->isEnabled(), !c.slvt) << c.norm << c.vaneKind;
    }
}

TEST_F(MainFTest, SectionsTwoAndThreeShowProfileAndReadings) {
    auto w = Start();
    w->findChild<QAction*>("A2")->trigger();
    EXPECT_EQ(w->PC->currentWidget(), w->TabProf);
    EXPECT_FALSE(w->PC->isTabVisible(w->PC->indexOf(w->TabNorm)));
    EXPECT_TRUE(w->PC->isTabVisible(w->PC->indexOf(w->TabUkl)));
    w->findChild<QAction*>("A3")->trigger();
    EXPECT_EQ(w->PC->currentWidget(), w->TabMS);
    EXPECT_FALSE(w->PC->isTabVisible(w->PC->indexOf(w->TabProf)));
    EXPECT_TRUE(w->SectionButtons[0][2]->isChecked());
}

class StartArgumentTest : public MainFTest {
protected:
    void SetUp() override {
        MainFTest::SetUp();
        // Settings whose default standard differs from the test file's.
        TEngine settings(Home.path().toStdString());
        settings.DefaultNorm = 2;
        ASSERT_TRUE(settings.SaveSettings().ok);
        TEngine file(Home.path().toStdString());
        file.Protocol->Sheet.SetNorm(1);
        file.Protocol->TestNumber = "ARG";
        ASSERT_TRUE(file.SaveTest(PathOf("arg.sdn").toStdString()).ok);
    }
};

TEST_F(StartArgumentTest, TestFileLoadedAfterSettingsKeepsItsOwnStandard) {
    auto w = Start({PathOf("arg.sdn")});
    EXPECT_EQ(w->Engine().Protocol->TestNumber, "ARG");
    EXPECT_EQ(w->Engine().Protocol->Sheet.Norm, 1);
    EXPECT_EQ(w->windowTitle(), "Ardelven Quistra v.2.42 - [arg.sdn] ");
}

TEST_F(StartArgumentTest, MissingFileStartsANewTestWithTheSettingsDefaults) {
    auto w = Start({PathOf("none.sdn")});
    EXPECT_EQ(w->Engine().Protocol->TestNumber, "");
    EXPECT_EQ(w->Engine().Protocol->Sheet.Norm, 2);
    EXPECT_EQ(w->windowTitle(), "Ardelven Quistra v.2.42 - niezapisany ");
}

TEST_F(MainFTest, UnreadableTestFileIsReportedWithItsName) {
    QFile bad(PathOf("bad.sdn"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a test file");
    bad.close();
    QString message;
    Answer(btOK, &message);
    auto w = Start({PathOf("bad.sdn")});
    QTRY_VERIFY(!message.isEmpty());
    EXPECT_TRUE(message.contains("bad.sdn")) << message.toStdString();
    EXPECT_FALSE(w->Engine().IsNamed());
}

TEST_F(MainFTest, UnwritableSettingsAreReportedNotFatal) {
    auto w = Start();
    w->Engine().SettingsDir = Home.filePath("missing/").toStdString();
    QString message;
    Answer(btOK, &message);
    const QStringList failures = w->SaveUserData();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("missing/Ustawienia.dat")) << failures[0].toStdString();
    EXPECT_EQ(message, failures[0]);
    w->Engine().SettingsDir.clear(); // the exit save works again
}

TEST_F(MainFTest, ReportCommandFillsTheErrorMemo) {
    auto w = Start();
    w->Error->setPlainText("stale");
    bool warned = false;
    WhenModal<TDialogF>([&warned](TDialogF* form) {
        warned = true;
        form->Button(btOK)->click();
    });
    Action(*w, "ACalc")->trigger();
    const bool complete = w->Engine().Verify();
    EXPECT_EQ(warned, !complete);
    EXPECT_EQ(w->Error->toPlainText(), Q(w->Engine().Protocol->Errors).replace("\r\n", "\n"));
    EXPECT_NE(w->Error->toPlainText(), "stale");
}

TEST_F(MainFTest, SchemeSurvivesARestartThroughTheSettingsFile) {
    {
        auto w = Start();
        w->findChild<QAction*>("AS3")->trigger(); // "Noc"
        EXPECT_EQ(w->Skins().CurrentName(), "Cold");
        EXPECT_EQ(w->SkinPlatform().SkinName(), "Cold (internal)");
    }
    {
        auto w = Start();
        EXPECT_EQ(w->Skins().CurrentName(), "Cold");
        EXPECT_TRUE(w->SkinPlatform().Active());
        w->findChild<QAction*>("AS0")->trigger(); // styling off
        EXPECT_FALSE(w->SkinPlatform().Active());
    }
    auto w = Start();
    EXPECT_EQ(w->Skins().CurrentName(), "");
    EXPECT_FALSE(w->SkinPlatform().Active());
}

TEST_F(MainFTest, CtrlF10AndCtrlF9RecaptionTheWindow) {
    auto w = Start();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

    QTest::keyClick(w.get(), Qt::Key_F10, Qt::ControlModifier);
    EXPECT_EQ(CurrentLanguage(), "EN");
    EXPECT_EQ(Action(*w, "FileNew")->text(), "New");
    EXPECT_EQ(w->PC->tabText(w->PC->indexOf(w->TabNorm)), "Method");
    EXPECT_EQ(w->Norm->itemText(3), Q(Translate("użytkownika")));
    EXPECT_EQ(w->windowTitle(), Q(Translate("Ardelven Quistra")) + " v.2.42 - unsaved ");
    EXPECT_TRUE(w->SectionButtons[1][0]->isVisible());
    EXPECT_FALSE(w->SectionButtons[0][0]->isVisible());

    QTest::keyClick(w.get(), Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(CurrentLanguage(), "PL");
    EXPECT_EQ(Action(*w, "FileNew")->text(), "Nowy");
    EXPECT_EQ(w->PC->tabText(w->PC->indexOf(w->TabNorm)), "Metoda");
    EXPECT_EQ(w->Norm->itemText(3), "użytkownika");
    EXPECT_TRUE(w->SectionButtons[0][0]->isVisible());
}

} // namespace
