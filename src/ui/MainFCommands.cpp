#include "ui/MainF.h"

#include "base/FileIo.h"
#include "files/HistoryList.h"
#include "files/SettingsFile.h"
#include "i18n/Localization.h"
#include "model/Engine.h"
#include "ui/CreditsF.h"
#include "ui/SkinManager.h"
#include "ui/VrDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The dialogs' filter as Qt writes one: "Description (*.sdn)".
QString TestFileFilter() {
    return TrQ("Pliki pomiarów Ardelven Quistra") + " (*.sdn)";
}

} // namespace

QString TMainF::TitleText() const {
    QString title = TrQ(ProductName) + " v." + VersionText + " - ";
    if (EngineP->IsNamed())
        return title + "[" + QFileInfo(Q(EngineP->FileName)).fileName() + "] ";
    return title + TrQ("niezapisany") + " ";
}

bool TMainF::ConfirmDiscard() {
    if (!EngineP->IsModified())
        return true;
    TVrDialog& d = *VrDP;
    d.Title = TrQ("Uwaga!");
    d.Message = msQuestion;
    d.Buttons = TVrButtons{btYes, btNo, btCancel};
    d.Text = TrQ("Dane orzeczenia zostały zmodyfikowane, lecz plik nie został zapisany!") + "\n" +
             TrQ("Zapisać?");
    d.Execute();
    switch (d.Result()) {
    case btCancel:
        return false;
    case btYes:
        // Whatever the save did: the user chose to go on.
        FileSaveClick();
        return true;
    default:
        return true;
    }
}

void TMainF::RefreshWindow() {
    // 1. Section buttons and About picture of the interface language.
    const bool polish = CurrentLanguage() == "PL";
    SectionSets[0]->setVisible(polish);
    SectionSets[1]->setVisible(!polish);
    if (CreditsP)
        CreditsP->ShowPicture(!polish);
    // 2.
    ShowTest();
    // 3.
    setWindowTitle(TitleText());
    // 4.
    RepaintStatus();
    const bool named = EngineP->IsNamed();
    findChild<QAction*>("FileSave")->setEnabled(named);
    findChild<QAction*>("SaveFile")->setEnabled(named);
    // 5.
    UpdateKindControls();
}

void TMainF::FileNewClick() {
    if (!ConfirmDiscard())
        return;
    EngineP->New();
    RefreshWindow();
}

void TMainF::FileOpenClick() {
    if (!ConfirmDiscard())
        return;
    OpenD->setWindowTitle(TrQ("Załaduj plik pomiaru Ardelven Quistra"));
    OpenD->setNameFilter(TestFileFilter());
    OpenD->selectFile(QString());
    if (OpenD->exec() != QDialog::Accepted || OpenD->selectedFiles().isEmpty())
        return;
    const QString path = OpenD->selectedFiles().first();
    const FileOperationResult result = EngineP->LoadTest(path.toStdString());
    RefreshWindow();
    if (!result.ok)
        ReportFailure(path, result);
}

void TMainF::SaveTo(const QString& path) {
    const FileOperationResult result = EngineP->SaveTest(path.toStdString());
    if (!result.ok) {
        ReportFailure(path, result);
        return;
    }
    if (result.lossyText) {
        // Saved, but not every character survives the file's code page: say so
        // while the user still has the original text on screen.
        TVrDialog& d = *VrDP;
        d.Title = TrQ("Uwaga!");
        d.Message = msWarning;
        d.Buttons = TVrButtons{btOK};
        d.Text = QDir::toNativeSeparators(path) + "\n" +
                 TrQ("Niektórych znaków nie da się zapisać w stronie kodowej Windows-1250; "
                     "zapisano je jako znak zapytania.");
        d.Execute();
    }
}

void TMainF::FileSaveClick() {
    if (!EngineP->IsNamed()) {
        FileSaveAsClick();
        return;
    }
    SaveTo(Q(EngineP->FileName));
    RefreshWindow();
}

void TMainF::FileSaveAsClick() {
    SaveD->setWindowTitle(TrQ("Zapisz plik pomiaru Ardelven Quistra"));
    SaveD->setNameFilter(TestFileFilter());
    SaveD->selectFile(QString());
    if (SaveD->exec() != QDialog::Accepted || SaveD->selectedFiles().isEmpty())
        return;
    SaveTo(SaveD->selectedFiles().first());
    RefreshWindow();
}

void TMainF::ReportFailure(const QString& path, const FileOperationResult& result) {
    // Said in the window, not swallowed: the file and the system's reason.
    TVrDialog& d = *VrDP;
    d.Title = TrQ("Wystąpił problem");
    d.Message = msWarning;
    d.Buttons = TVrButtons{btOK};
    d.Text = QDir::toNativeSeparators(path) + "\n" + Q(result.error);
    d.Execute();
}

void TMainF::ShowReport() {
    Error->clear();
    if (!EngineP->Verify()) {
        TVrDialog& d = *VrDP;
        d.Title = TrQ("Wystąpił problem");
        d.Text = TrQ("Brak danych lub są one nieprawidłowe!");
        d.Buttons = TVrButtons{btOK};
        d.Message = msWarning;
        d.Execute();
    }
    ShowErrors();
    // The report preview opens here at page 0 once it exists.
}

void TMainF::HelpClick() {
    // Beside the executable: Data/ when it exists, else Setup/. A missing
    // manual fails silently, as the desktop's open request does.
    QDir dir(ApplicationDir);
    const QString folder = dir.exists("Data") ? "Data" : "Setup";
    const QString manual =
        CurrentLanguage() == "EN" ? "Manual-ArdelvenQuistra.pdf" : "InstrukcjaAQ.pdf";
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir.filePath(folder + "/" + manual)));
}

void TMainF::CreditsClick() {
    if (CreditsP)
        CreditsP->exec();
}

void TMainF::ChangeAppearanceClick() {
    PopupIntf->popup(QCursor::pos());
}

void TMainF::SwitchLanguage(const char* code) {
    if (!SetLanguage(code))
        return;
    // The palette of the current scheme stays; widgets repaint with their
    // new captions. An open report preview rebuilds itself once it exists.
    SkinsP->Select(SkinsP->CurrentName());
    RefreshWindow();
}

void TMainF::closeEvent(QCloseEvent* event) {
    if (ConfirmDiscard())
        event->accept();
    else
        event->ignore();
}

void TMainF::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && EngineP) {
        RefreshWindow(); // repaints the status bar too
        // The receiver starts here when StartServerOnLaunch is set, once
        // the receiver tab is wired.
    }
}

void TMainF::LoadUserData() {
    for (const THistoryField& field : HistoryFields) {
        std::vector<std::string> items = EngineP->LoadHistory(field.ListName);
        if (auto* combo = findChild<QComboBox*>(field.Control)) {
            combo->clear();
            for (const std::string& item : items)
                combo->addItem(Q(item));
        } else {
            History[field.ListName] = std::move(items);
        }
    }
    // Without a settings file the first scheme is both shown and remembered,
    // so what is saved at exit is what the user saw.
    const bool hadSettings = FileExists(SettingsPath(*EngineP));
    EngineP->LoadSettings();
    SkinsP->Select(hadSettings ? EngineP->SkinName : SkinsP->CurrentName());
}

void TMainF::OpenArgument(const QStringList& arguments) {
    if (arguments.isEmpty() || !QFileInfo(arguments.first()).isFile())
        return;
    const QString path = arguments.first();
    const FileOperationResult result = EngineP->LoadTest(path.toStdString());
    if (!result.ok) {
        // Told once the window is on screen.
        QTimer::singleShot(0, this, [this, path, result] { ReportFailure(path, result); });
    }
}

QStringList TMainF::SaveUserData() {
    QStringList failures;
    auto check = [&failures](const std::string& path, const FileOperationResult& r) {
        if (!r.ok)
            failures << QDir::toNativeSeparators(Q(path)) + ": " + Q(r.error);
    };
    for (const THistoryField& field : HistoryFields) {
        std::vector<std::string> items;
        if (auto* combo = findChild<QComboBox*>(field.Control)) {
            for (int i = 0; i < combo->count(); ++i)
                items.push_back(combo->itemText(i).toStdString());
        } else {
            items = History[field.ListName];
        }
        check(HistoryFilePath(*EngineP, field.ListName),
              EngineP->SaveHistory(field.ListName, items));
    }
    EngineP->SkinName = SkinsP->CurrentName();
    check(SettingsPath(*EngineP), EngineP->SaveSettings());
    if (!failures.isEmpty()) {
        TVrDialog d;
        d.Title = TrQ("Wystąpił błąd");
        d.Message = msWarning;
        d.Buttons = TVrButtons{btOK};
        d.Text = failures.join("\n");
        d.Execute();
    }
    return failures;
}
