#include "files/SettingsFile.h"

#include "ByteBuilder.h"
#include "TempDir.h"
#include "base/FileIo.h"
#include "files/HistoryList.h"

#include <gtest/gtest.h>

namespace {

const std::string Identifier(SettingsFileIdentifier);

// A settings file of any version with non-default values in every field.
std::string SettingsBytes(uint32_t version) {
    TByteBuilder b;
    b.Raw(Identifier).UInt32(version).String("C:\\Stary\\Dane\\").Byte(0).Byte(1);
    if (version >= 5) {
        b.Int16(2).Int32(2).Byte(1).Double(0.5).Double(0.1);
        b.Byte(1).Double(1.3).Double(5).Double(4).Double(3).Double(2).Double(1).String("opis");
    }
    if (version >= 6)
        b.String("Zielony");
    if (version >= 7)
        b.Byte(1).Double(1.1).Double(1.2).Double(1.3);
    if (version >= 204)
        b.Int32(9090).Byte(1).Byte(0).Byte(1);
    return b.Bytes();
}

} // namespace

TEST(SettingsFile, DefaultSettingsAreWrittenByteForByte) {
    TEngine engine("/opt/aq");
    TByteBuilder b;
    b.Raw(Identifier).UInt32(242).String("/opt/aq/Projects/").Byte(1).Byte(0);
    b.Int16(0).Int32(1).Byte(0).Double(NoValue).Double(NoValue);
    b.Byte(0).Double(1.0).Double(6).Double(3).Double(2).Double(1.5).Double(1.25).String("");
    b.String("").Byte(0).Double(1.5).Double(1.5).Double(1.5);
    b.Raw(std::string("\x90\x1F\x00\x00\x00\x01\x00", 7)); // port 8080, then the three flags
    EXPECT_EQ(EncodeSettings(engine), b.Bytes());
}

TEST(SettingsFile, SaveAndLoadRestoreEveryOptionAndTheCurrentTestGetsTheDefaults) {
    TTempDir dir;
    TEngine first;
    first.SettingsDir = dir.Dir();
    first.FooterByClient = true;
    first.DefaultNorm = 2;
    first.DefaultCorrectMode = 0;
    first.DefaultStrict = true;
    first.DefaultUserCorr.K30_40 = 1.9;
    first.DefaultWaterCorr.Apply = true;
    first.SkinName = "Ciemny";
    first.ServerPort = 9000;
    first.PreviewOnReceive = true;
    ASSERT_TRUE(first.SaveSettings().ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("Ustawienia.dat"), bytes).ok);
    EXPECT_EQ(bytes, EncodeSettings(first));

    TEngine second;
    second.SettingsDir = dir.Dir();
    ASSERT_TRUE(second.LoadSettings());
    EXPECT_EQ(EncodeSettings(second).substr(Identifier.size() + 4 + 4 + second.DataDir.size()),
              bytes.substr(Identifier.size() + 4 + 4 + first.DataDir.size()));
    const TSheetOptions& sheet = second.Protocol->Sheet;
    EXPECT_TRUE(sheet.Strict);
    EXPECT_EQ(sheet.CorrectMode, 0);
    EXPECT_EQ(sheet.Norm, 2);
    EXPECT_TRUE(sheet.SupportsFVT); // a plain value: the flags are not derived
    EXPECT_DOUBLE_EQ(sheet.UserCorr.K30_40, 1.9);
    EXPECT_TRUE(sheet.WaterCorr.Apply);
    EXPECT_EQ(second.SkinName, "Ciemny");
}

TEST(SettingsFile, VersionsRestoreOnlyTheFieldsTheyHold) {
    struct {
        uint32_t version;
        bool result;
        int norm;
        const char* skin;
        double waterX;
        int port;
    } cases[] = {{4, true, 0, "", 1.5, 8080},          {5, true, 2, "", 1.5, 8080},
                 {6, true, 2, "Zielony", 1.5, 8080},   {203, true, 2, "Zielony", 1.1, 8080},
                 {204, true, 2, "Zielony", 1.1, 9090}, {242, true, 2, "Zielony", 1.1, 9090},
                 {243, false, 0, "", 1.5, 8080}};
    for (const auto& c : cases) {
        TEngine engine("/opt/aq");
        EXPECT_EQ(DecodeSettings(engine, SettingsBytes(c.version)), c.result) << c.version;
        EXPECT_EQ(engine.DataDir, "/opt/aq/Projects/") << c.version;
        EXPECT_EQ(engine.FooterByClient, c.result) << c.version;
        EXPECT_EQ(engine.DefaultNorm, c.norm) << c.version;
        EXPECT_EQ(engine.Protocol->Sheet.Norm, c.norm) << c.version;
        EXPECT_EQ(engine.SkinName, c.skin) << c.version;
        EXPECT_DOUBLE_EQ(engine.Protocol->Sheet.WaterCorr.X, c.waterX) << c.version;
        EXPECT_EQ(engine.ServerPort, c.port) << c.version;
    }
}

TEST(SettingsFile, MissingForeignOrCutFilesKeepTheDefaults) {
    TTempDir dir;
    TEngine engine;
    engine.SettingsDir = dir.Dir();
    EXPECT_TRUE(engine.LoadSettings());
    EXPECT_TRUE(engine.ShowLayerEditorWarning);
    EXPECT_TRUE(DecodeSettings(engine, "Brennholt.Formats.ArdelvenQuistra.Profile\xF2"));
    EXPECT_EQ(engine.ServerPort, 8080);

    const std::string full = SettingsBytes(242);
    for (size_t cut = 0; cut < full.size(); ++cut) {
        TEngine cutEngine;
        EXPECT_TRUE(DecodeSettings(cutEngine, std::string_view(full).substr(0, cut)));
        EXPECT_FALSE(cutEngine.PreviewOnReceive) << cut; // the last field never arrives
        EXPECT_TRUE(cutEngine.ServerPort == 8080 || cut >= full.size() - 3) << cut;
        EXPECT_TRUE(cutEngine.SkinName.empty() || cutEngine.SkinName == "Zielony") << cut;
    }
}

TEST(SettingsFile, UnwritableSettingsAreReported) {
    TEngine engine;
    engine.SettingsDir = "/nonexistent-quistra-dir/";
    FileOperationResult result = engine.SaveSettings();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

TEST(HistoryList, SavesWindows1250LinesWithCrLfAndLoadsThemBack) {
    TTempDir dir;
    TEngine engine(dir.Dir());
    engine.DataDir = dir.Dir();
    EXPECT_TRUE(engine.LoadHistory("Badal").empty());
    const std::vector<std::string> items = {"Łódź", "Jan Kowalski", ""};
    ASSERT_TRUE(engine.SaveHistory("Badal", items).ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("Ustawienia_Badal.cfg"), bytes).ok);
    EXPECT_EQ(bytes, "\xA3\xF3\x64\x9F\r\nJan Kowalski\r\n\r\n");
    EXPECT_EQ(engine.LoadHistory("Badal"), items);
    EXPECT_EQ(HistoryFilePath(engine, "NumerSondy"), dir.Dir() + "Ustawienia_NumerSondy.cfg");
}

TEST(HistoryList, AcceptsLfOrCrEndingsAndReportsAnUnwritableFile) {
    TTempDir dir;
    TEngine engine;
    engine.DataDir = dir.Dir();
    ASSERT_TRUE(WriteFileAtomically(dir.File("Ustawienia_Miejsce.cfg"), "a\nb\rc").ok);
    EXPECT_EQ(engine.LoadHistory("Miejsce"), (std::vector<std::string>{"a", "b", "c"}));
    engine.DataDir = dir.Dir() + "missing/";
    EXPECT_FALSE(engine.SaveHistory("Miejsce", {"x"}).ok);
}
