#pragma once

#include "ui/SkinManager.h"

#include <QPalette>

#include <string>

// Qt has no skins by these names: each scheme is a palette of our own,
// applied to the whole application (Fusion style, which follows the palette
// faithfully). Deactivate returns to the style's standard palette.
class TQtSkinPlatform : public TSkinPlatform {
public:
    TQtSkinPlatform();
    void Activate(const std::string& skinName) override;
    void Deactivate() override;

    bool Active() const { return !ActiveName.empty(); }
    // The skin name last activated ("Cold (internal)"), empty when off.
    const std::string& SkinName() const { return ActiveName; }

    // The palette of a scheme name (with or without " (internal)"); the
    // default palette for an unknown name.
    static QPalette PaletteOf(const std::string& skinName);

private:
    std::string ActiveName;
};
