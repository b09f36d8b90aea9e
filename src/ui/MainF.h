#pragma once

#include "ui/Captions.h"

#include <QMainWindow>
#include <QStringList>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFileDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class QWidget;
class TCreditsF;
class TEngine;
class TQtSkinPlatform;
class TSkinManager;
class TVrDialog;
struct FileOperationResult;

// The main window: toolbar, section buttons, the page control with the
// test's pages, menus, shortcuts and the status bar. Owns the engine (and
// with it the one current test) and the colour-scheme registry.
class TMainF : public QMainWindow, public TTranslatable {
    Q_OBJECT
public:
    // applicationDir: where the executable lives (data and manual folders
    // are found beside it). arguments: the command line after the program
    // name; the first, when it names an existing file, is opened as a test.
    TMainF(const QString& applicationDir, const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainF() override;

    static constexpr const char* ProductName = "Ardelven Quistra";
    static constexpr const char* VersionText = "2.42";

    TEngine& Engine() { return *EngineP; }
    TSkinManager& Skins() { return *SkinsP; }
    TQtSkinPlatform& SkinPlatform() { return *SkinPlatformP; }

    // True when the current test may be replaced or the window closed; asks
    // about unsaved changes (and saves on Yes).
    bool ConfirmDiscard();
    // Brings the window in line with the test and the language.
    void RefreshWindow();
    // Section 1 (description pages, cycling), 2 (profile), 3 (readings).
    void ShowSection(int section);
    // Redraws status panel 1..4.
    void DrawStatusPanel(int panel);
    void RepaintStatus();

    // Copies the test into the controls; change events are ignored meanwhile.
    void ShowTest();
    // Pages and controls that depend on the standard and the kind of test.
    void UpdateKindControls();

    // The commands.
    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void ShowReport();
    void HelpClick();
    void CreditsClick();
    void ChangeAppearanceClick();
    // "PL" or "EN"; re-captions everything and refreshes the window.
    void SwitchLanguage(const char* code);

    void ApplyLanguage() override;

    // Saves the history lists and then the settings; failures are reported
    // in a message and returned as lines "file: reason".
    QStringList SaveUserData();

    // True while the receiver listens; the receiver tab wires the server.
    bool ReceiverListening() const { return false; }

    // The title the window shows now.
    QString TitleText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildSectionPanel();
    void BuildPages();
    void BuildStatusBar();
    void BuildDialogs();
    void LoadUserData();
    void OpenArgument(const QStringList& arguments);
    QAction* MakeAction(const char* name, const QKeySequence& shortcut = {});
    QWidget* AddPage(const char* name);
    void SetPageVisible(QWidget* page, bool visible);
    void SaveTo(const QString& path);
    void ReportFailure(const QString& path, const FileOperationResult& result);
    void ShowErrors();

public:
    // Components by their names (also their Qt object names).
    QTabWidget* PC = nullptr;
    QWidget* TabNorm = nullptr;
    QWidget* TabDesc = nullptr;
    QWidget* TabLoc = nullptr;
    QWidget* TabHWSD = nullptr;
    QWidget* TabHWFVT = nullptr;
    QWidget* TabHWSLVT = nullptr;
    QWidget* TabMS = nullptr;
    QWidget* TabProf = nullptr;
    QWidget* TabUkl = nullptr;
    QWidget* TabSync = nullptr;
    QWidget* TabError = nullptr;
    QPlainTextEdit* Error = nullptr;
    QPlainTextEdit* ComInfo = nullptr;
    QComboBox* Norm = nullptr;
    QComboBox* TypSondy = nullptr;
    QComboBox* TypKrzyzakaFVT = nullptr;
    QFileDialog* OpenD = nullptr;
    QFileDialog* SaveD = nullptr;
    QMenu* PopupIntf = nullptr;
    QLabel* StatusPanels[4] = {};
    // [0] the Polish set S1PL..S4PL, [1] the English set S1EN..S4EN.
    QWidget* SectionSets[2] = {};
    QToolButton* SectionButtons[2][4] = {};

private:
    QString ApplicationDir;
    std::unique_ptr<TEngine> EngineP;
    std::unique_ptr<TSkinManager> SkinsP;
    std::unique_ptr<TQtSkinPlatform> SkinPlatformP;
    TVrDialog* VrDP = nullptr;
    TCreditsF* CreditsP = nullptr;
    int Section = 1;
    bool Showing = false; // ShowTest in progress: change events return at once
    // History lists of header fields whose combo box is not built yet.
    std::map<std::string, std::vector<std::string>> History;
};

// The five history lists: the combo box holding each and its list name.
struct THistoryField {
    const char* Control;
    const char* ListName;
};
extern const THistoryField HistoryFields[5];
