#include "ui/MainF.h"

#include "model/Engine.h"
#include "ui/Artwork.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

void TMainF::SetPageVisible(QWidget* page, bool visible) {
    PC->setTabVisible(PC->indexOf(page), visible);
}

void TMainF::ShowSection(int section) {
    Section = section;
    for (auto& set : SectionButtons)
        set[section - 1]->setChecked(true);
    // Rearranging the pages of a hidden control avoids flicker.
    PC->setVisible(false);
    const TSheetOptions& sheet = EngineP->Protocol->Sheet;
    QWidget* const sectionOnePages[] = {TabNorm, TabDesc, TabLoc, TabHWSD, TabHWFVT, TabHWSLVT};
    switch (section) {
    case 1: {
        for (QWidget* page : {TabNorm, TabDesc, TabLoc, TabHWSD, TabUkl})
            SetPageVisible(page, true);
        SetPageVisible(TabHWFVT, sheet.SupportsFVT);
        SetPageVisible(TabHWSLVT, sheet.SupportsSLVT);
        SetPageVisible(TabMS, false);
        SetPageVisible(TabProf, false);
        // Pressing the button again walks through the description pages.
        QWidget* current = PC->currentWidget();
        QWidget* next = current == TabNorm   ? TabDesc
                        : current == TabDesc ? TabLoc
                        : current == TabLoc  ? TabHWSD
                                             : TabNorm;
        PC->setCurrentWidget(next);
        break;
    }
    case 2:
        for (QWidget* page : sectionOnePages)
            SetPageVisible(page, false);
        SetPageVisible(TabMS, false);
        SetPageVisible(TabProf, true);
        SetPageVisible(TabUkl, true);
        PC->setCurrentWidget(TabProf);
        break;
    case 3:
        for (QWidget* page : sectionOnePages)
            SetPageVisible(page, false);
        SetPageVisible(TabProf, false);
        SetPageVisible(TabMS, true);
        SetPageVisible(TabUkl, true);
        PC->setCurrentWidget(TabMS);
        RefreshWindow();
        break;
    default:
        break;
    }
    Error->clear();
    EngineP->Verify();
    ShowErrors();
    UpdateKindControls();
    PC->setVisible(true);
}

void TMainF::ShowErrors() {
    // The verification separates its lines with CR LF.
    Error->setPlainText(QString::fromStdString(EngineP->Protocol->Errors).replace("\r\n", "\n"));
}

void TMainF::ShowTest() {
    Showing = true;
    const TProtocol& test = *EngineP->Protocol;
    ShowErrors();
    TypSondy->setCurrentIndex(test.ProbeType < TypSondy->count() ? test.ProbeType : -1);
    Norm->setCurrentIndex(test.Sheet.Norm < Norm->count() ? test.Sheet.Norm : -1);
    TypKrzyzakaFVT->setCurrentIndex(
        test.VaneFVT.VaneType < TypKrzyzakaFVT->count() ? test.VaneFVT.VaneType : -1);
    Showing = false;
}

void TMainF::UpdateKindControls() {
    const TSheetOptions& sheet = EngineP->Protocol->Sheet;
    const bool sectionOne = Section == 1;
    // The equipment pages of the vane tests follow the kind of test.
    SetPageVisible(TabHWFVT, sheet.VaneKind == 1 && sectionOne);
    SetPageVisible(TabHWSLVT, sheet.VaneKind == 2 && sectionOne);
    TypSondy->setEnabled(sheet.VaneKind != 2);
}

void TMainF::RepaintStatus() {
    for (int panel = 1; panel <= 4; ++panel)
        DrawStatusPanel(panel);
}

void TMainF::DrawStatusPanel(int panel) {
    if (panel < 1 || panel > 4)
        return;
    QLabel* label = StatusPanels[panel - 1];
    using Artwork::StatusIcon;
    // The icon shown, by name, so the state can be read back ("" = none).
    auto draw = [label](StatusIcon icon, const char* name) {
        label->setPixmap(Artwork::StatusPicture(icon, 18));
        label->setProperty("IconName", QString(name));
    };
    auto empty = [label] {
        label->clear();
        label->setProperty("IconName", QString());
    };
    const bool modified = EngineP->IsModified();
    switch (panel) {
    case 1:
        if (EngineP->IsNamed() && !modified)
            draw(StatusIcon::File, "file");
        else
            empty();
        break;
    case 2:
        if (modified)
            draw(StatusIcon::Modified, "modified");
        else
            draw(StatusIcon::Unmodified, "unmodified");
        break;
    case 3:
        if (ReceiverListening())
            draw(StatusIcon::Listening, "listening");
        else
            draw(StatusIcon::Stopped, "stopped");
        break;
    default:
        empty();
        break;
    }
}
