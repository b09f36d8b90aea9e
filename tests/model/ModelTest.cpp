#include "model/Engine.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(Protocol, FreshTestDefaults) {
    TProtocol p;
    EXPECT_EQ(p.Measures.Count(), 0);
    EXPECT_EQ(p.Profile.Count(), 0);
    EXPECT_EQ(p.Profile.End, 0.0);
    EXPECT_EQ(p.Profile.Water1, NoValue);
    EXPECT_EQ(p.Profile.Water2, NoValue);
    EXPECT_EQ(p.ProbeType, 1);
    EXPECT_EQ(p.Sheet.Norm, 0);
    EXPECT_EQ(p.Sheet.CorrectMode, 1);
    EXPECT_EQ(p.Sheet.VaneKind, 0);
    EXPECT_EQ(p.VaneFVT.D, 40.0);
    EXPECT_EQ(p.VaneFVT.H, 80.0);
    EXPECT_EQ(p.VaneSLVT.D, 40.0);
    EXPECT_EQ(p.VaneSLVT.H, 80.0);
    EXPECT_EQ(p.Sheet.UserCorr.K40_50, 1.25);
    EXPECT_EQ(p.Sheet.WaterCorr.X, 1.5);
    EXPECT_FALSE(p.WrenchCalibrationFVT.has_value());
    EXPECT_GT(p.TestDate, 45000.0);
}

TEST(Protocol, ProbeNames) {
    TProtocol p;
    const std::pair<int, const char*> cases[] = {{0, "b/d"},
                                                 {1, "Sonda lekka DPL"},
                                                 {3, "Sonda ciężka DPH"},
                                                 {5, "Sonda b.ciężka DPSH-B"},
                                                 {6, "b/d"},
                                                 {255, "b/d"}};
    for (auto [type, name] : cases) {
        p.SetProbeType(type);
        EXPECT_EQ(p.ProbeName(), name);
    }
}

TEST(SheetOptions, SetNormDerivesSupportFlagsAndDropsAnUnsupportedVaneKind) {
    TSheetOptions s;
    s.SetVaneKind(1);
    s.SetNorm(2);
    EXPECT_EQ(s.VaneKind, 0);
    EXPECT_FALSE(s.SupportsFVT);
    EXPECT_FALSE(s.SupportsSLVT);
    EXPECT_TRUE(s.SupportsDP);
    EXPECT_TRUE(s.SupportFlag7);
    s.SetNorm(0);
    EXPECT_TRUE(s.SupportsFVT);
    EXPECT_TRUE(s.SupportsSLVT);
    EXPECT_EQ(s.VaneKind, 0);
    s.SetVaneKind(2);
    s.SetNorm(9);
    EXPECT_FALSE(s.SupportsDP);
    EXPECT_FALSE(s.SupportFlag4);
    EXPECT_EQ(s.VaneKind, 0);
}

TEST(Protocol, FindReadingWithinTolerance) {
    TProtocol p;
    TMeasure* m = p.AddReading(0.30000000000000004, 5, NoValue);
    EXPECT_EQ(p.FindReading(0.3), m);
    EXPECT_EQ(p.FindReading(0.30002), nullptr);
    m->Included = false;
    EXPECT_EQ(p.FindIncludedReading(0.3), nullptr);
    EXPECT_EQ(m->NKor, 0);
    EXPECT_EQ(m->ID, 0.0);
    EXPECT_EQ(m->MMax, NoValue);
    TMeasure other;
    EXPECT_FALSE(p.RemoveReading(&other));
    EXPECT_EQ(p.Measures.Count(), 1);
    EXPECT_TRUE(p.RemoveReading(m));
    EXPECT_EQ(p.Measures.Count(), 0);
}

TEST(GeoProfile, NormalizeSortsAndSizesLayers) {
    struct Case {
        double end;
        double size0, size1;
    };
    for (Case c : {Case{3.0, 1.5, 1.0}, Case{1.0, 1.5, 0.0}}) {
        TGeoProfile profile;
        profile.End = c.end;
        profile.AddLayer(std::make_unique<TGeoProfileItem>(2.0, "G", 0));
        profile.AddLayer(std::make_unique<TGeoProfileItem>(0.5, "P", 0));
        ASSERT_EQ(profile.Count(), 2);
        EXPECT_EQ(profile.Layer(0)->Start, 0.5);
        EXPECT_EQ(profile.Layer(1)->Start, 2.0);
        EXPECT_DOUBLE_EQ(profile.Layer(0)->Size, c.size0);
        EXPECT_DOUBLE_EQ(profile.Layer(1)->Size, c.size1);
        EXPECT_EQ(profile.Layer(0)->Next, profile.Layer(1));
        EXPECT_EQ(profile.Layer(1)->Next, nullptr);
        EXPECT_EQ(profile.Layer(-1), nullptr);
        EXPECT_EQ(profile.Layer(2), nullptr);
    }
}

TEST(GeoProfileItem, NameLines) {
    TGeoProfileItem item(0, "", 0);
    item.SetNameFromLines({"P[d]", "Pg"});
    EXPECT_EQ(item.Name, "P[d]#Pg");
    EXPECT_EQ(item.NameAsText(), "P[d]\r\nPg");
    item.SetNameFromLines({"x"});
    EXPECT_EQ(item.Name, "x");
}

TEST(Engine, DataDirFollowsTheApplicationDirectory) {
    fs::path dir = fs::temp_directory_path() / ("quistra-engine-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    EXPECT_EQ(TEngine(dir.string()).DataDir, dir.string() + "/Projects/");
    fs::create_directories(dir / "Dane");
    EXPECT_EQ(TEngine(dir.string() + "/").DataDir, dir.string() + "/Dane/");
    fs::remove_all(dir);
}

TEST(Engine, NewUsesTheDefaultsButLeavesSupportFlagsOfAFreshTest) {
    TEngine engine;
    engine.FileName = "a.sdn";
    engine.Bound = true;
    int notified = 0;
    engine.OnModified = [&] { ++notified; };
    engine.MarkModified();
    EXPECT_TRUE(engine.IsModified());
    EXPECT_EQ(notified, 1);
    engine.DefaultNorm = 2;
    engine.DefaultCorrectMode = 2;
    engine.DefaultStrict = true;
    engine.DefaultUserCorr.K0_10 = 9;
    engine.DefaultWaterCorr.Apply = true;
    engine.DefaultParA = 0.3;
    engine.New();
    const TSheetOptions& s = engine.Protocol->Sheet;
    EXPECT_EQ(s.Norm, 2);
    EXPECT_TRUE(s.SupportsFVT); // not derived again
    EXPECT_EQ(s.CorrectMode, 2);
    EXPECT_FALSE(s.Strict);
    EXPECT_EQ(s.UserCorr.K0_10, 9.0);
    EXPECT_TRUE(s.WaterCorr.Apply);
    EXPECT_EQ(s.ParA, 0.3);
    EXPECT_FALSE(engine.IsNamed());
    EXPECT_FALSE(engine.IsBound());
    EXPECT_FALSE(engine.IsModified());
}

TEST(GeoProfile, LayersStartingAtTheSameDepthKeepTheirOrder) {
    TGeoProfile profile;
    profile.End = 5;
    for (const char* name : {"c", "a1", "b", "a2"}) {
        double start = name[0] == 'a' ? 1.0 : name[0] == 'b' ? 2.0 : 3.0;
        profile.Items.Add(std::make_unique<TGeoProfileItem>(start, name, 0));
    }
    profile.Normalize();
    std::string order;
    for (const TGeoProfileItem& layer : profile.Items)
        order += layer.Name + " ";
    EXPECT_EQ(order, "a1 a2 b c ");
    EXPECT_EQ(profile.Layer(0)->Size, 0.0); // the next layer starts at the same depth
}
