#pragma once

#include "model/Engine.h"

#include <string>

// The history list of one header field lives in the data directory as
// "Ustawienia_" + the translated list name + ".cfg", so each interface
// language keeps its own set. The five list names are "NumerZamowienia",
// "Badal", "Opracowal", "Miejsce" and "NumerSondy".
std::string HistoryFilePath(const TEngine& engine, const std::string& listName);
