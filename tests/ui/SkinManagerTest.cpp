#include "ui/SkinManager.h"
#include "ui/QtSkinPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Records what the registry asks of the styling layer.
class TFakePlatform : public TSkinPlatform {
public:
    void Activate(const std::string& name) override { Calls.push_back("on:" + name); }
    void Deactivate() override { Calls.push_back("off"); }
    std::vector<std::string> Calls;
};

TEST(SkinManager, RegistersSevenSchemesFirstCurrentPlatformUntouched) {
    TSkinManager skins;
    TFakePlatform platform;
    skins.LinkPlatform(&platform);
    skins.RegisterSchemes();
    const char* names[] = {"MacMetal",  "Aluminium",     "Cold", "Office2007 Black",
                           "AutumnSky", "Notes Leather", "WEB2"};
    const char* labels[] = {"Srebrny metalik", "Aluminium", "Noc",  "Ciemny matowy",
                            "Morski",          "Notes",     "Dzień"};
    ASSERT_EQ(skins.Schemes.Count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(skins.Schemes.Get(i)->Name, names[i]);
        EXPECT_EQ(skins.Schemes.Get(i)->DisplayName, labels[i]);
    }
    EXPECT_EQ(skins.CurrentName(), "MacMetal");
    EXPECT_TRUE(platform.Calls.empty());
}

TEST(SkinManager, SelectionIsExactAndOtherNamesSwitchStylingOff) {
    struct {
        const char* name;
        const char* current;
        const char* call;
    } const cases[] = {
        {"Cold", "Cold", "on:Cold (internal)"},
        {"Office2007 Black", "Office2007 Black", "on:Office2007 Black (internal)"},
        {"cold", "", "off"},
        {"", "", "off"},
        {"Cold (internal)", "", "off"},
    };
    for (const auto& c : cases) {
        TSkinManager skins;
        TFakePlatform platform;
        skins.LinkPlatform(&platform);
        skins.RegisterSchemes();
        int callbacks = 0;
        skins.OnChange.push_back([&callbacks] { ++callbacks; });
        TSkin* selected = skins.Select(c.name);
        EXPECT_EQ(skins.CurrentName(), c.current) << c.name;
        EXPECT_EQ(selected != nullptr, *c.current != 0) << c.name;
        ASSERT_EQ(platform.Calls.size(), 1u) << c.name;
        EXPECT_EQ(platform.Calls[0], c.call);
        EXPECT_EQ(callbacks, 1);
        EXPECT_EQ(skins.Default, skins.Schemes.Get(0));
    }
}

TEST(QtSkinPlatform, SchemeRecoloursTheApplicationAndOffRestoresTheStyle) {
    TSkinManager skins;
    TQtSkinPlatform platform;
    skins.LinkPlatform(&platform);
    skins.RegisterSchemes();
    const QColor standard = QApplication::style()->standardPalette().color(QPalette::Window);

    skins.Select("Cold");
    EXPECT_TRUE(platform.Active());
    EXPECT_EQ(platform.SkinName(), "Cold (internal)");
    const QColor night = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(night, TQtSkinPlatform::PaletteOf("Cold").color(QPalette::Window));
    EXPECT_NE(night, standard);
    EXPECT_LT(night.lightness(), 100) << "a night scheme is dark";

    skins.Select("cold");
    EXPECT_FALSE(platform.Active());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), standard);
}

TEST(QtSkinPlatform, EverySchemeHasItsOwnReadablePalette) {
    std::vector<QRgb> windows;
    for (const TSchemeEntry& e : SchemeTable) {
        const QPalette p = TQtSkinPlatform::PaletteOf(e.Name);
        const int contrast =
            std::abs(p.color(QPalette::Text).lightness() - p.color(QPalette::Base).lightness());
        EXPECT_GT(contrast, 150) << e.Name;
        windows.push_back(p.color(QPalette::Window).rgb());
    }
    std::sort(windows.begin(), windows.end());
    EXPECT_EQ(std::unique(windows.begin(), windows.end()), windows.end());
}

} // namespace
