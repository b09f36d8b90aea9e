#include "files/ProfileFile.h"

#include "ByteBuilder.h"
#include "SampleTest.h"
#include "TempDir.h"
#include "base/FileIo.h"
#include "files/TestFile.h"

#include <gtest/gtest.h>

namespace {

const std::string Identifier(ProfileFileIdentifier);

std::string OneLayerProfile(uint32_t version, double start) {
    TByteBuilder b;
    b.Raw(Identifier).UInt32(version).Double(2.0).Double(NoValue).Double(4.0).Int32(1);
    b.Double(start);
    if (version >= 2)
        b.Byte(1);
    b.String("G\xB3").Int32(0x0000FF00).Int16(3).Byte(1).Byte(0).Double(5.0).Double(NoValue);
    if (version >= 200)
        b.Byte(0).Byte(1).Int16(1);
    if (version >= 201)
        b.Double(0.75);
    return b.Bytes();
}

} // namespace

TEST(ProfileFile, WritesTheProfileBlockByteForByte) {
    TGeoProfile profile;
    profile.End = 4.0;
    profile.Water1 = 2.0;
    auto layer = std::make_unique<TGeoProfileItem>(0.5, "Gł", 0x0000FF00);
    layer->Gleba = true;
    layer->SoilType = 3;
    layer->GradingKnown = true;
    layer->U = 5.0;
    layer->ForDP = false;
    layer->ForVane = true;
    layer->Category = 1;
    layer->WspKor = 0.75;
    profile.AddLayer(std::move(layer));
    // "ł" is B3 in Windows-1250; U (5.0) comes before CU (NoValue).
    EXPECT_EQ(EncodeProfile(profile), OneLayerProfile(242, 0.5));
}

TEST(ProfileFile, SavedProfileLoadsIntoAnotherTestWithoutTouchingItsReadings) {
    TTempDir dir;
    TEngine source;
    FillSampleTest(source, 3.0, 4);
    ASSERT_TRUE(SaveProfile(source.Protocol->Profile, dir.File("p.pg")).ok);

    TEngine target;
    target.Protocol->AddReading(0.1, 5, NoValue);
    target.Protocol->Profile.AddLayer(std::make_unique<TGeoProfileItem>(0.0, "stara", 1));
    ASSERT_TRUE(LoadProfile(target.Protocol->Profile, dir.File("p.pg")));
    EXPECT_EQ(EncodeProfile(target.Protocol->Profile), EncodeProfile(source.Protocol->Profile));
    EXPECT_EQ(target.Protocol->Profile.Count(), 4);
    EXPECT_DOUBLE_EQ(target.Protocol->Profile.Water2, 2.4);
    EXPECT_EQ(target.Protocol->Measures.Count(), 1);
}

TEST(ProfileFile, LayersStoredOutOfOrderLoadSortedWithSizes) {
    TByteBuilder b;
    b.Raw(Identifier).UInt32(242).Double(NoValue).Double(NoValue).Double(3.0).Int32(2);
    for (double start : {2.0, 0.5}) {
        b.Double(start).Byte(0).String(start > 1 ? "deep" : "top").Int32(1).Int16(0);
        b.Byte(0).Byte(0).Double(NoValue).Double(NoValue).Byte(1).Byte(0).Int16(0).Double(1.0);
    }
    TGeoProfile profile;
    ASSERT_TRUE(DecodeProfile(profile, b.Bytes()));
    ASSERT_EQ(profile.Count(), 2);
    EXPECT_EQ(profile.Layer(0)->Name, "top");
    EXPECT_DOUBLE_EQ(profile.Layer(0)->Size, 1.5);
    EXPECT_DOUBLE_EQ(profile.Layer(1)->Size, 1.0);
    EXPECT_EQ(profile.Layer(0)->Next, profile.Layer(1));
}

TEST(ProfileFile, OldVersionsGiveLayerDefaultsForFieldsTheyLack) {
    struct {
        uint32_t version;
        bool gleba;
        bool forVane;
        double wspKor;
    } cases[] = {{1, false, false, 1.0},
                 {2, true, false, 1.0},
                 {200, true, true, 1.0},
                 {201, true, true, 0.75}};
    for (const auto& c : cases) {
        TGeoProfile profile;
        ASSERT_TRUE(DecodeProfile(profile, OneLayerProfile(c.version, 0.5))) << c.version;
        ASSERT_EQ(profile.Count(), 1);
        const TGeoProfileItem& layer = *profile.Layer(0);
        EXPECT_EQ(layer.Name, "Gł") << c.version;
        EXPECT_EQ(layer.SoilType, 3) << c.version;
        EXPECT_EQ(layer.Gleba, c.gleba) << c.version;
        EXPECT_EQ(layer.ForVane, c.forVane) << c.version;
        EXPECT_EQ(layer.ForDP, c.version < 200) << c.version;
        EXPECT_DOUBLE_EQ(layer.WspKor, c.wspKor) << c.version;
        EXPECT_DOUBLE_EQ(layer.U, 5.0) << c.version;
        EXPECT_EQ(layer.CU, NoValue) << c.version;
    }
}

TEST(ProfileFile, ForeignFilesAndWrongVersionsAreRefusedWithTheProfileUntouched) {
    TEngine engine;
    FillSampleTest(engine);
    std::string v0 = OneLayerProfile(242, 0.5);
    v0.replace(Identifier.size(), 4, std::string(4, '\0'));
    std::string v243 = OneLayerProfile(242, 0.5);
    v243[Identifier.size()] = '\xF3';
    const std::string cases[] = {EncodeTest(engine), v0, v243, Identifier, std::string()};
    for (const std::string& bytes : cases) {
        TGeoProfile& profile = engine.Protocol->Profile;
        const std::string before = EncodeProfile(profile);
        EXPECT_FALSE(DecodeProfile(profile, bytes)) << bytes.size();
        EXPECT_EQ(EncodeProfile(profile), before);
    }
    TTempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("test.sdn"), EncodeTest(engine)).ok);
    EXPECT_FALSE(LoadProfile(engine.Protocol->Profile, dir.File("test.sdn")));
    EXPECT_FALSE(LoadProfile(engine.Protocol->Profile, dir.File("missing.pg")));
}

TEST(ProfileFile, EveryCutKeepsTheCompleteLayersBeforeIt) {
    TEngine source;
    FillSampleTest(source, 3.0, 5);
    const std::string full = EncodeProfile(source.Protocol->Profile);
    int previous = 0;
    for (size_t cut = Identifier.size() + 4; cut <= full.size(); ++cut) {
        TGeoProfile profile;
        ASSERT_TRUE(DecodeProfile(profile, std::string_view(full).substr(0, cut))) << cut;
        ASSERT_GE(profile.Count(), previous) << cut;
        previous = profile.Count();
        for (int i = 0; i < profile.Count(); ++i)
            EXPECT_EQ(profile.Layer(i)->Name, source.Protocol->Profile.Layer(i)->Name) << cut;
    }
    EXPECT_EQ(previous, 5);
}
