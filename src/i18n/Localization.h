#pragma once

#include "i18n/TranslationTable.h"

#include <functional>
#include <string>
#include <string_view>

// Interface language: the detected code (chosen once at start-up) and the
// current code ("PL", "EN", "DE", "FR"), with the language mode beside it.
// Until DetectLanguage or SetLanguage runs, the Polish table is active, so
// code that never chooses a language sees the Polish texts.

constexpr int LanguageModePolish = 1;  // the Polish table is active (or none: texts stay Polish)
constexpr int LanguageModeEnglish = 2; // the English table is active

// Chooses the language at start-up: a marker in the executable's file name
// wins, else the system language (a Windows language identifier: 1031 German,
// 1036 French, 1045 Polish, 1033 English, ...). Stores the code as detected
// and current, deactivates both tables and calls SetLanguage with the code;
// "DE" and "FR" therefore leave no table active and the texts Polish.
void DetectLanguage(std::string_view executableFileName, int systemLanguageId);

// A desktop locale name ("de_DE", "de-AT", "fr_FR.UTF-8", "pl_PL", ...) as the
// Windows language identifier DetectLanguage expects: the German variants
// 1031 (Germany), 2055 (Switzerland), 3079 (Austria), 4103 (Luxembourg),
// 5127 (Liechtenstein); any French 1036; Polish 1045; anything else 1033.
int LanguageIdFromLocaleName(std::string_view localeName);

// The code a file-name marker selects, or "" when the name has none. Markers
// are tested in a fixed order and a later match overrides an earlier one.
std::string LanguageFromFileName(std::string_view executableFileName);

// The code of a Windows language identifier: German variants "DE", 1036 "FR",
// 1045 "PL", anything else "EN".
std::string LanguageFromSystemId(int systemLanguageId);

// Makes the code current: "PL" activates the Polish table (mode 1), "EN" the
// English one (mode 2), any other code leaves the active table as it is. Then
// calls the change handler (the window re-captions itself). Always true.
bool SetLanguage(std::string_view code);

std::string CurrentLanguage();
std::string DetectedLanguage();
int LanguageMode();

// Called after every SetLanguage; an empty function removes the handler.
void SetLanguageChangedHandler(std::function<void()> handler);

// The two tables as loaded from the embedded resources, and the active one
// (nullptr when none is active).
const TTranslationTable& PolishTable();
const TTranslationTable& EnglishTable();
const TTranslationTable* ActiveTable();
