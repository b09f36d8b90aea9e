#include "ui/QtSkinPlatform.h"

#include <QApplication>
#include <QStyle>

namespace {

// Colours as 0xRRGGBB.
struct TSchemeColours {
    const char* name;
    unsigned window, windowText, base, alternateBase, text, button, buttonText, highlight,
        highlightedText, toolTip, link;
};

// One row per scheme name of the registry.
const TSchemeColours SchemeColours[] = {
    // "Srebrny metalik": cool silver greys.
    {"MacMetal", 0xD9DCE0, 0x1B1D21, 0xF5F6F7, 0xE8EAED, 0x1B1D21, 0xC8CDD3, 0x1B1D21, 0x56789C,
     0xFFFFFF, 0xFFFFE1, 0x1F5A96},
    // "Aluminium": warm light grey.
    {"Aluminium", 0xE4E2DE, 0x202020, 0xFAFAF8, 0xEDEBE7, 0x202020, 0xD2CFC9, 0x202020, 0x7A8B99,
     0xFFFFFF, 0xFFFFE1, 0x2A5B8A},
    // "Noc": night blue.
    {"Cold", 0x28303C, 0xDCE4EE, 0x1C222B, 0x252D38, 0xDCE4EE, 0x35404F, 0xDCE4EE, 0x4A7AB4,
     0xFFFFFF, 0x35404F, 0x8AB4F0},
    // "Ciemny matowy": matte charcoal with an amber accent.
    {"Office2007 Black", 0x383838, 0xE6E6E6, 0x262626, 0x303030, 0xE6E6E6, 0x474747, 0xE6E6E6,
     0xC08A2E, 0x111111, 0x474747, 0xE0B060},
    // "Morski": dark sea green-blue.
    {"AutumnSky", 0x1E3C4A, 0xDDF0F4, 0x15303C, 0x1B3845, 0xDDF0F4, 0x28566A, 0xDDF0F4, 0x3AA0B6,
     0x06202A, 0x28566A, 0x8FD8E8},
    // "Notes": light paper and leather browns.
    {"Notes Leather", 0xEEE2C8, 0x3A2816, 0xFBF6E9, 0xF3EAD6, 0x3A2816, 0xD9C49C, 0x3A2816,
     0x8B5A2B, 0xFFFFFF, 0xFBF6E9, 0x7A3F10},
    // "Dzień": bright day blue.
    {"WEB2", 0xEDF3FA, 0x15202B, 0xFFFFFF, 0xF1F6FC, 0x15202B, 0xD6E6F7, 0x15202B, 0x2D7FD3,
     0xFFFFFF, 0xFFFFE1, 0x1560B0},
};

QColor Rgb(unsigned rgb) {
    return QColor::fromRgb(rgb);
}

std::string BaseName(const std::string& skinName) {
    const std::string suffix = " (internal)";
    if (skinName.size() >= suffix.size() &&
        skinName.compare(skinName.size() - suffix.size(), suffix.size(), suffix) == 0)
        return skinName.substr(0, skinName.size() - suffix.size());
    return skinName;
}

QPalette MakePalette(const TSchemeColours& c) {
    QPalette p;
    p.setColor(QPalette::Window, Rgb(c.window));
    p.setColor(QPalette::WindowText, Rgb(c.windowText));
    p.setColor(QPalette::Base, Rgb(c.base));
    p.setColor(QPalette::AlternateBase, Rgb(c.alternateBase));
    p.setColor(QPalette::Text, Rgb(c.text));
    p.setColor(QPalette::Button, Rgb(c.button));
    p.setColor(QPalette::ButtonText, Rgb(c.buttonText));
    p.setColor(QPalette::Highlight, Rgb(c.highlight));
    p.setColor(QPalette::HighlightedText, Rgb(c.highlightedText));
    p.setColor(QPalette::ToolTipBase, Rgb(c.toolTip));
    p.setColor(QPalette::ToolTipText, Rgb(c.windowText));
    p.setColor(QPalette::Link, Rgb(c.link));
    p.setColor(QPalette::PlaceholderText, Rgb(c.windowText).darker(150));
    p.setColor(QPalette::BrightText, Qt::red);
    // Disabled text halfway between text and background, readable on both
    // light and dark schemes.
    auto mix = [](QColor a, QColor b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                      (a.blue() + b.blue()) / 2);
    };
    p.setColor(QPalette::Disabled, QPalette::WindowText, mix(Rgb(c.windowText), Rgb(c.window)));
    p.setColor(QPalette::Disabled, QPalette::Text, mix(Rgb(c.text), Rgb(c.base)));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, mix(Rgb(c.buttonText), Rgb(c.button)));
    // Fusion derives its frame and shadow shades from these.
    p.setColor(QPalette::Light, Rgb(c.button).lighter(130));
    p.setColor(QPalette::Midlight, Rgb(c.button).lighter(115));
    p.setColor(QPalette::Mid, Rgb(c.button).darker(130));
    p.setColor(QPalette::Dark, Rgb(c.button).darker(160));
    p.setColor(QPalette::Shadow, Rgb(c.button).darker(250));
    return p;
}

} // namespace

TQtSkinPlatform::TQtSkinPlatform() = default;

QPalette TQtSkinPlatform::PaletteOf(const std::string& skinName) {
    const std::string name = BaseName(skinName);
    for (const TSchemeColours& c : SchemeColours)
        if (name == c.name)
            return MakePalette(c);
    return QApplication::style()->standardPalette();
}

void TQtSkinPlatform::Activate(const std::string& skinName) {
    ActiveName = skinName;
    QApplication::setPalette(PaletteOf(skinName));
}

void TQtSkinPlatform::Deactivate() {
    ActiveName.clear();
    QApplication::setPalette(QApplication::style()->standardPalette());
}
