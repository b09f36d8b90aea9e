#pragma once

#include "model/VrList.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// One colour scheme: the look's name as the styling layer knows it and the
// Polish label shown to the user.
class TSkin {
public:
    TSkin(std::string name, std::string displayName)
        : Name(std::move(name)), DisplayName(std::move(displayName)) {}
    virtual ~TSkin() = default;
    std::string Name;
    std::string DisplayName;
};

// What the registry needs of the layer that actually restyles the windows.
class TSkinPlatform {
public:
    virtual ~TSkinPlatform() = default;
    // Switches styling on with the named look ("Cold (internal)").
    virtual void Activate(const std::string& skinName) = 0;
    // Switches styling off: the plain look of the desktop.
    virtual void Deactivate() = 0;
};

// The registry of colour schemes, one per run, owned by the main window.
class TSkinManager {
public:
    TSkinManager() = default;
    virtual ~TSkinManager() = default;
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    // The styling layer to drive; not owned. Until linked, Select only
    // changes the current scheme.
    void LinkPlatform(TSkinPlatform* platform) { Platform = platform; }
    // Adds the seven schemes; the first becomes current without touching
    // the styling layer.
    void RegisterSchemes();
    // Makes the scheme of that exact name current (case-sensitive); any other
    // name, the empty one included, switches styling off. Returns the
    // current scheme or nullptr.
    TSkin* Select(const std::string& name);
    // The current scheme's Name, or empty when styling is off.
    std::string CurrentName() const { return Current ? Current->Name : std::string(); }

    TVrList<TSkin> Schemes;
    TSkin* Default = nullptr;
    TSkin* Current = nullptr;
    // Run after every selection, in order.
    std::vector<std::function<void()>> OnChange;

private:
    TSkinPlatform* Platform = nullptr;
};

// The schemes in registration order, with the menu item and caption that
// select each in the "Zmień wygląd" popup (listed there in this order too).
struct TSchemeEntry {
    const char* Name;
    const char* DisplayName;
    const char* MenuItem;
    const char* MenuCaption;
};
extern const TSchemeEntry SchemeTable[7];
