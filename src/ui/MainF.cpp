#include "ui/MainF.h"

#include "i18n/Localization.h"
#include "model/Engine.h"
#include "ui/Artwork.h"
#include "ui/CreditsF.h"
#include "ui/QtSkinPlatform.h"
#include "ui/SkinManager.h"
#include "ui/VrDialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

const THistoryField HistoryFields[5] = {
    {"NumerZamowienia", "NumerZamowienia"},
    {"Badal", "Badal"},
    {"Opracowal", "Opracowal"},
    {"Miejsce", "Miejsce"},
    {"NumerUrz", "NumerSondy"},
};

namespace {

constexpr int SectionButtonSize = 112; // px, the picture buttons of the left panel
constexpr int StatusIconSize = 22;     // px, the three icon panels

// The decimal comma for every number the widgets format or parse, whatever
// the desktop's locale: the Polish locale without digit grouping.
void UseDecimalComma() {
    QLocale locale(QLocale::Polish, QLocale::Poland);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

} // namespace

TMainF::TMainF(const QString& applicationDir, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), ApplicationDir(applicationDir) {
    setObjectName("TMainF");
    resize(1100, 760);
    VrDP = new TVrDialog(this);
    VrDP->setObjectName("VrD");
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildSectionPanel();
    BuildPages();
    BuildStatusBar();
    BuildDialogs();
    CreditsP = new TCreditsF(this);

    // 1. The receiver log starts empty.
    ComInfo->clear();
    // 2. Polish section buttons; the colour-scheme registry.
    SectionSets[0]->setVisible(true);
    SectionSets[1]->setVisible(false);
    SkinsP = std::make_unique<TSkinManager>();
    SkinsP->RegisterSchemes();
    SkinPlatformP = std::make_unique<TQtSkinPlatform>();
    SkinsP->LinkPlatform(SkinPlatformP.get());
    // 3. Language, decimal comma, application title.
    SetLanguage(CurrentLanguage());
    ApplyLanguage();
    UseDecimalComma();
    QApplication::setApplicationName(TrQ(ProductName));
    // 4. The engine with an empty test; repaint the status bar whenever the
    // test becomes modified.
    EngineP = std::make_unique<TEngine>(ApplicationDir.toStdString());
    EngineP->OnModified = [this] { RepaintStatus(); };
    // The data directory normally ships with the program; create it when
    // missing so the dialogs start there and the history lists can be saved.
    QDir().mkpath(QString::fromStdString(EngineP->DataDir));
    // 5.
    RefreshWindow();
    OpenD->setDirectory(QString::fromStdString(EngineP->DataDir));
    SaveD->setDirectory(QString::fromStdString(EngineP->DataDir));
    // 6. Section 1, starting on "Metoda".
    ShowSection(1);
    PC->setCurrentWidget(TabNorm);
    // 7.-9. History lists, settings, then the test named on the command line,
    // so that the test's own evaluation settings win over the defaults.
    LoadUserData();
    OpenArgument(arguments);
    // 10.
    RefreshWindow();
    setWindowState(windowState() | Qt::WindowMaximized);
}

TMainF::~TMainF() {
    SaveUserData();
    SkinsP.reset();
    EngineP.reset();
}

QAction* TMainF::MakeAction(const char* name, const QKeySequence& shortcut) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void TMainF::BuildActions() {
    QStyle* s = style();
    struct TToolAction {
        const char* name;
        QStyle::StandardPixmap icon;
        void (TMainF::*command)();
    };
    const TToolAction tools[] = {
        {"FileNew", QStyle::SP_FileIcon, &TMainF::FileNewClick},
        {"FileOpen", QStyle::SP_DialogOpenButton, &TMainF::FileOpenClick},
        {"FileSave", QStyle::SP_DialogSaveButton, &TMainF::FileSaveClick},
        {"FileSaveAs", QStyle::SP_DriveFDIcon, &TMainF::FileSaveAsClick},
        {"BCalc", QStyle::SP_FileDialogContentsView, &TMainF::ShowReport},
        {"Help", QStyle::SP_DialogHelpButton, &TMainF::HelpClick},
        {"Credits", QStyle::SP_MessageBoxInformation, &TMainF::CreditsClick},
    };
    for (const TToolAction& t : tools) {
        QAction* a = MakeAction(t.name);
        a->setIcon(s->standardIcon(t.icon));
        connect(a, &QAction::triggered, this, t.command);
    }

    // Keyboard-only actions.
    for (int section = 1; section <= 3; ++section) {
        const QByteArray name = "A" + QByteArray::number(section);
        QAction* a = MakeAction(name.constData(), QKeySequence(Qt::Key_F1 + section));
        connect(a, &QAction::triggered, this, [this, section] { ShowSection(section); });
        addAction(a);
    }
    QAction* calc = MakeAction("ACalc", QKeySequence(Qt::Key_F5));
    connect(calc, &QAction::triggered, this, &TMainF::ShowReport);
    addAction(calc);
    QAction* pl = MakeAction("ASwitchPL", QKeySequence(Qt::CTRL | Qt::Key_F9));
    connect(pl, &QAction::triggered, this, [this] { SwitchLanguage("PL"); });
    addAction(pl);
    QAction* en = MakeAction("ASwitchEN", QKeySequence(Qt::CTRL | Qt::Key_F10));
    connect(en, &QAction::triggered, this, [this] { SwitchLanguage("EN"); });
    addAction(en);
}

void TMainF::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QString());
    file->setObjectName("FileMenu");
    struct TMenuItem {
        const char* name;
        QKeySequence shortcut;
        void (TMainF::*command)();
    };
    const TMenuItem fileItems[] = {
        {"NewFile", QKeySequence(Qt::CTRL | Qt::Key_N), &TMainF::FileNewClick},
        {"LoadFile", QKeySequence(Qt::CTRL | Qt::Key_O), &TMainF::FileOpenClick},
        {nullptr, {}, nullptr},
        {"SaveFile", QKeySequence(Qt::CTRL | Qt::Key_S), &TMainF::FileSaveClick},
        {"SaveFileAs", {}, &TMainF::FileSaveAsClick},
        {nullptr, {}, nullptr},
    };
    for (const TMenuItem& item : fileItems) {
        if (!item.name) {
            file->addSeparator();
            continue;
        }
        QAction* a = MakeAction(item.name, item.shortcut);
        connect(a, &QAction::triggered, this, item.command);
        file->addAction(a);
    }
    QAction* closeApp = MakeAction("CloseApp");
    connect(closeApp, &QAction::triggered, this, &QWidget::close);
    file->addAction(closeApp);

    const TMenuItem topItems[] = {
        {"About", {}, &TMainF::CreditsClick},
        {"HelpManual", QKeySequence(Qt::Key_F1), &TMainF::HelpClick},
        {"Z1", {}, &TMainF::ChangeAppearanceClick},
    };
    for (const TMenuItem& item : topItems) {
        QAction* a = MakeAction(item.name, item.shortcut);
        connect(a, &QAction::triggered, this, item.command);
        bar->addAction(a);
    }
    QAction* pl = MakeAction("InterfejsPLpolski1");
    connect(pl, &QAction::triggered, this, [this] { SwitchLanguage("PL"); });
    QAction* en = MakeAction("InterfaceENenglish1");
    connect(en, &QAction::triggered, this, [this] { SwitchLanguage("EN"); });
    for (QAction* hidden : {pl, en}) {
        hidden->setVisible(false);
        bar->addAction(hidden);
    }

    // The colour-scheme popup: the seven schemes, a separator, styling off.
    PopupIntf = new QMenu(this);
    PopupIntf->setObjectName("PopupIntf");
    for (const TSchemeEntry& scheme : SchemeTable) {
        QAction* a = MakeAction(scheme.MenuItem);
        const std::string name = scheme.Name;
        connect(a, &QAction::triggered, this, [this, name] { SkinsP->Select(name); });
        PopupIntf->addAction(a);
    }
    PopupIntf->addSeparator();
    QAction* off = MakeAction("AS0");
    connect(off, &QAction::triggered, this, [this] { SkinsP->Select(std::string()); });
    PopupIntf->addAction(off);
}

void TMainF::BuildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(24, 24));
    for (const char* name :
         {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "BCalc", "Help", "Credits"}) {
        QAction* a = findChild<QAction*>(name);
        bar->addAction(a);
        // The tool button carries the component's name too.
        if (QWidget* button = bar->widgetForAction(a))
            button->setObjectName(QString(name) + "Button");
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

void TMainF::BuildSectionPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("SectionPanel");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    const char* suffixes[2] = {"PL", "EN"};
    for (int set = 0; set < 2; ++set) {
        auto* box = new QWidget(panel);
        box->setObjectName(QString("Sections") + suffixes[set]);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        auto* group = new QButtonGroup(box);
        group->setExclusive(true);
        for (int i = 0; i < 4; ++i) {
            auto* b = new QToolButton(box);
            b->setObjectName(QString("S%1%2").arg(i + 1).arg(suffixes[set]));
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            b->setIcon(QIcon(Artwork::SectionPicture(i + 1, 48)));
            b->setIconSize(QSize(48, 48));
            b->setFixedSize(SectionButtonSize, SectionButtonSize - 16);
            b->setAutoRaise(false);
            const int section = i + 1;
            if (section <= 3) {
                // Buttons 1-3 are a radio group; 4 is a plain button.
                b->setCheckable(true);
                group->addButton(b, section);
                connect(b, &QToolButton::clicked, this, [this, section] { ShowSection(section); });
            } else {
                connect(b, &QToolButton::clicked, this, &TMainF::ShowReport);
            }
            layout->addWidget(b);
            SectionButtons[set][i] = b;
        }
        layout->addStretch();
        panelLayout->addWidget(box);
        SectionSets[set] = box;
    }
    auto* central = new QWidget(this);
    central->setObjectName("Central");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(panel);
    PC = new QTabWidget(central);
    PC->setObjectName("PC");
    row->addWidget(PC, 1);
    setCentralWidget(central);
}

QWidget* TMainF::AddPage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    PC->addTab(page, QString());
    return page;
}

void TMainF::BuildPages() {
    TabNorm = AddPage("TabNorm");
    TabDesc = AddPage("TabDesc");
    TabLoc = AddPage("TabLoc");
    TabHWSD = AddPage("TabHWSD");
    TabHWFVT = AddPage("TabHWFVT");
    TabHWSLVT = AddPage("TabHWSLVT");
    TabMS = AddPage("TabMS");
    TabProf = AddPage("TabProf");
    TabUkl = AddPage("TabUkl");
    TabSync = AddPage("TabSync");
    TabError = AddPage("TabError");

    // The three lists whose items follow the language; the data-entry
    // controls around them are laid out on the same pages.
    auto addList = [](QWidget* page, const char* labelName, const char* comboName) {
        auto* form = new QFormLayout(page);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        auto* label = new QLabel(page);
        label->setObjectName(labelName);
        auto* combo = new QComboBox(page);
        combo->setObjectName(comboName);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        form->addRow(label, combo);
        return combo;
    };
    Norm = addList(TabNorm, "NormLabel", "Norm");
    TypSondy = addList(TabHWSD, "TypSondyLabel", "TypSondy");
    TypKrzyzakaFVT = addList(TabHWFVT, "TypKrzyzakaFVTLabel", "TypKrzyzakaFVT");

    auto addMemo = [](QWidget* page, const char* name) {
        auto* layout = new QVBoxLayout(page);
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(name);
        memo->setReadOnly(true);
        layout->addWidget(memo);
        return memo;
    };
    Error = addMemo(TabError, "Error");
    ComInfo = addMemo(TabSync, "ComInfo");
}

void TMainF::BuildStatusBar() {
    QStatusBar* status = statusBar();
    status->setObjectName("Status");
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(status);
        panel->setObjectName(QString("StatusPanel%1").arg(i + 1));
        panel->setAutoFillBackground(true);
        panel->setBackgroundRole(QPalette::Window);
        if (i < 3) {
            panel->setFixedSize(StatusIconSize, StatusIconSize);
            panel->setAlignment(Qt::AlignCenter);
            status->addWidget(panel);
        } else {
            status->addWidget(panel, 1);
        }
        StatusPanels[i] = panel;
    }
}

void TMainF::BuildDialogs() {
    OpenD = new QFileDialog(this);
    OpenD->setObjectName("OpenD");
    OpenD->setAcceptMode(QFileDialog::AcceptOpen);
    OpenD->setFileMode(QFileDialog::ExistingFile);
    SaveD = new QFileDialog(this);
    SaveD->setObjectName("SaveD");
    SaveD->setAcceptMode(QFileDialog::AcceptSave);
    SaveD->setFileMode(QFileDialog::AnyFile);
    for (QFileDialog* d : {OpenD, SaveD}) {
        // Qt's own dialog: the same on every desktop and drivable in tests.
        d->setOption(QFileDialog::DontUseNativeDialog);
        d->setDefaultSuffix("sdn");
    }
}
