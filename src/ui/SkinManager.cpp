#include "ui/SkinManager.h"

#include <memory>

const TSchemeEntry SchemeTable[7] = {
    {"MacMetal", "Srebrny metalik", "AS1", "Styl \"Srebrny metalik\""},
    {"Aluminium", "Aluminium", "AS4", "Styl \"Aluminium\""},
    {"Cold", "Noc", "AS3", "Styl \"Noc\""},
    {"Office2007 Black", "Ciemny matowy", "AS6", "Styl \"Ciemny matowy\""},
    {"AutumnSky", "Morski", "AS7", "Styl \"Morski\" (ciemny)"},
    {"Notes Leather", "Notes", "AS5", "Styl \"Notes\" (jasny)"},
    {"WEB2", "Dzień", "AS2", "Styl \"Dzień\""},
};

void TSkinManager::RegisterSchemes() {
    for (const TSchemeEntry& e : SchemeTable)
        Schemes.Add(std::make_unique<TSkin>(e.Name, e.DisplayName));
    Current = Schemes.Get(0);
}

TSkin* TSkinManager::Select(const std::string& name) {
    Default = Schemes.Get(0);
    Current = nullptr;
    for (TSkin& skin : Schemes) {
        if (skin.Name == name) {
            Current = &skin;
            break;
        }
    }
    if (Platform) {
        if (Current)
            Platform->Activate(Current->Name + " (internal)");
        else
            Platform->Deactivate();
    }
    for (const auto& callback : OnChange)
        callback();
    return Current;
}
