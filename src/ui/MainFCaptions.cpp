#include "ui/MainF.h"

#include "ui/SkinManager.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

namespace {

struct TCaptionRow {
    const char* Control;
    const char* Key;
    const char* Trailer;
};

// Every one-key caption of the main window. Controls the window does not
// have (yet) are skipped by SetCaption.
const TCaptionRow MainCaptions[] = {
    // Menus.
    {"FileMenu", "Plik / badanie", ""},
    {"NewFile", "Nowe badanie", ""},
    {"LoadFile", "Załaduj badanie", ""},
    {"SaveFile", "Zapisz badanie", ""},
    {"SaveFileAs", "Zapisz badanie jako", ""},
    {"CloseApp", "Zakończ program", ""},
    {"About", "O Autorach", ""},
    {"HelpManual", "Pomoc", ""},
    {"Z1", "Zmień wygląd", ""},
    {"AS0", "Bez kolorowania (style wyłączone)", ""},
    // Toolbar.
    {"FileNew", "Nowy", ""},
    {"FileOpen", "Otwórz", ""},
    {"FileSave", "Zapisz", ""},
    {"FileSaveAs", "Zapisz jako ...", ""},
    {"BCalc", "Sprawozdanie", ""},
    {"Help", "Pomoc [F1]", ""},
    {"Credits", "Autorzy", ""},
    // Pages.
    {"TabNorm", "Metoda", ""},
    {"TabDesc", "Opis", ""},
    {"TabLoc", "Lokalizacja", ""},
    {"TabHWSD", "Sprzęt DP", ""},
    {"TabHWFVT", "Sprzęt FVT", ""},
    {"TabHWSLVT", "Sprzęt SLVT", ""},
    {"TabMS", "Pomiar", ""},
    {"TabProf", "Profil litologiczny (gruntu)", ""},
    {"TabUkl", "Układ wydruku", ""},
    {"TabSync", "Synchronizacja", ""},
    {"TabError", "Błędy", ""},
    // Section buttons (both sets; only one is visible).
    {"S1PL", "Dane opisowe", ""},
    {"S1EN", "Dane opisowe", ""},
    {"S3PL", "Pomiar", ""},
    {"S3EN", "Pomiar", ""},
    {"S4PL", "Sprawozdanie", ""},
    {"S4EN", "Sprawozdanie", ""},
    // Labels of the language-dependent lists.
    {"NormLabel", "Norma stosowana do badań i obliczeń", ""},
    {"TypSondyLabel", "Typ sondy", ""},
    {"TypKrzyzakaFVTLabel", "Używany typ krzyżaka", ""},
    // Layout options of the "Układ wydruku" page.
    {"UNaglowek", "Nagłówek", ""},
    {"UNaglowekKazda", "Drukuj nagłówek na każdej ze stron", ""},
    {"UNaglowekMniejszy", "Na następnych mniejszy", ""},
    {"UWykres", "Wyniki badań - wykres", ""},
    {"UTabela", "Osobna tabela odczytów", ""},
    {"UUwagi", "Uwagi / podsumowanie badania", ""},
    {"UProfil", "Profil litologiczny i poziom wody", ""},
    {"UWykres1", "Wykres kolumnowy sondowania", ""},
    {"UWykres2", "Wykres schodkowy sondowania", ""},
    {"UStanZag", "Stan zagęszczenia gruntu i wsk. ID", ""},
    {"UWykresID", "Wykres ID", ""},
    {"UWskaznikIS", "Wskaźnik zagęszczenia gruntu IS", ""},
    {"LayoutAuto", "automatycznie", ""},
    {"LayoutVertical", "pionowo", ""},
    {"LayoutHorizontal", "poziomo", ""},
};

// The three item lists that follow the language, tab-separated.
struct TItemsRow {
    const char* Control;
    const char* Items;
};

const TItemsRow MainItems[] = {
    {"TypKrzyzakaFVT", "[wybierz]\tFVT 40/80\tFVT 60/120\tFVT 80/160\tFVT 100/200\tINNY"},
    {"TypSondy", "[wybierz]\tSonda typu DPL (SD-10)\tSonda typu DPM (SD-30)\tSonda typu DPH "
                 "(SD-50)\tSonda typu DPSH_A (SD-63,5)\tSonda typu DPSH_B (SD-63,5)"},
    {"Norm", "PN-B-04452\tInstrukcja Badań Podłoża Gruntowego Budowli Drogowych i Mostowych, "
             "cz.2\tPN-EN ISO 22476-2 / PN-EN 1997-2\tużytkownika"},
};

// The pictures of the three kinds of test carry three-line captions.
struct TKindCaption {
    const char* Control;
    const char* Keys[3];
};

const TKindCaption KindCaptions[] = {
    {"Type1", {">MTITLE1-1", "", ">MTITLE1-3"}},
    {"Type2", {">MTITLE2-1", ">MTITLE2-2", ">MTITLE2-3"}},
    {"Type3", {">MTITLE3-1", ">MTITLE3-2", ">MTITLE3-3"}},
};

} // namespace

void TMainF::ApplyLanguage() {
    for (const TCaptionRow& row : MainCaptions)
        SetCaption(this, row.Control, row.Key, row.Trailer);
    for (const TSchemeEntry& scheme : SchemeTable)
        SetCaption(this, scheme.MenuItem, scheme.MenuCaption);
    for (const TItemsRow& row : MainItems)
        SetItems(findChild<QComboBox*>(row.Control), row.Items);
    for (const TKindCaption& kind : KindCaptions)
        SetCaption3(findChild<QObject*>(kind.Control), kind.Keys[0], kind.Keys[1], kind.Keys[2]);

    // Two-line captions made of two keys.
    const QString profile = TrQ(">1Profil") + "\n" + TrQ(">1litologiczny");
    for (const char* name : {"S2PL", "S2EN"})
        if (auto* b = findChild<QToolButton*>(name))
            b->setText(profile);
    if (QObject* water = findChild<QObject*>("CPanel2"))
        water->setProperty("title", TrQ(">8Współczynnik korekcyjny ze względu") + "\n" +
                                        TrQ(">8na występowanie zwierciadła wody"));

    // The language items name themselves in their own language, whatever
    // the interface shows; they are hidden and carry no key to translate.
    findChild<QAction*>("InterfejsPLpolski1")->setText("Interfejs: PL (polski)");
    findChild<QAction*>("InterfaceENenglish1")->setText("Interface: EN (english)");
}
