#include "files/TestFile.h"

#include "ByteBuilder.h"
#include "SampleTest.h"
#include "TempDir.h"
#include "base/FileIo.h"

#include <gtest/gtest.h>

namespace {

const std::string Identifier(TestFileIdentifier);
const std::string NoValueBytes("\x00\x00\x00\xA2\x94\x1A\x6D\xC2", 8);

// Distinct values in the open test before a load, so a field a file does not
// hold is seen to keep them.
void FillBeforeLoad(TEngine& engine) {
    TProtocol& t = *engine.Protocol;
    t.Locality = "stare";
    t.Sheet.CorrectMode = 2;
    t.Sheet.UserCorr.K0_10 = 9.0;
    t.Sheet.WaterCorr.X = 2.5;
    t.Sheet.SetNorm(3); // support flags of standard 3: FVT and SLVT false
    t.Sheet.VaneKind = 0;
    t.VaneFVT.D = 55;
    t.WrenchCalibrationFVT = 40000.0;
    t.FirstPageNumber = "P1";
    t.AddReading(9.9, 99, NoValue);
}

// A test file of any version with the fields that version holds, written
// from the format table: one layer, one reading, every value distinct.
std::string OldTestFile(uint32_t version, uint8_t correctModeByte = 1) {
    TByteBuilder b;
    b.Raw(Identifier).UInt32(version);
    const char* texts[] = {"Lodz", "1.1.2000", "uwagi",   "wyk",  "zlec",
                           "zam",  "temat",    "miejsce", "SD-1", "opis"};
    for (const char* text : texts)
        b.String(text);
    b.Double(50.5).Double(19.5).Double(200).Double(36526.0); // GPS, TestDate
    b.String("urz").Byte(3).String("badal").String("opracowal");
    // Sheet block.
    for (int i = 0; i < 13; ++i)
        b.Byte(i == 12 ? 1 : 0); // every print flag off except PrintLogo
    b.Byte(1);                   // Strict
    if (version >= 4)
        b.Int32(0);
    else if (version >= 2)
        b.Byte(correctModeByte);
    b.Double(0.5).Double(0.25); // ParA, ParB
    if (version >= 4)
        b.Byte(1).Double(1.7).Double(7.5).Double(3.5).Double(2.5).Double(1.75).Double(1.5).String(
            "opis K");
    if (version >= 7)
        b.Byte(1).Double(1.7).Double(1.8).Double(1.9);
    b.Int16(0x0302); // Norm 2, widened; the high byte is not part of it
    if (version >= 200) {
        b.Int16(2).Int16(9); // VaneKind, SheetSpare
        for (int i = 0; i < 7; ++i)
            b.Byte(i % 2);
    }
    // Profile block: one layer.
    b.Double(1.1).Double(2.2).Double(6.0).Int32(1);
    b.Double(0.5);
    if (version >= 2)
        b.Byte(1);
    b.String("Gp").Int32(0x00ABCDEF).Int16(2).Byte(1).Byte(1).Double(6.5).Double(1.25);
    if (version >= 200)
        b.Byte(0).Byte(1).Int16(3);
    if (version >= 201)
        b.Double(0.8);
    // Readings block: one reading.
    b.Int32(1).Double(0.3).Int32(12).Double(55.5);
    if (version >= 200)
        b.Double(12.5).Double(4.5).Double(6).Double(2);
    if (version >= 200) {
        b.Byte(3).Double(80).Double(160); // VaneFVT
        b.Byte(5).Double(70).Double(130); // VaneSLVT
        b.String("F1").String("0-100").String("1%").Byte(0).Double(1.1).Byte(0);
        b.String("S1").String("0-50").String("2%").Byte(1).Double(0.9).Byte(1).Double(43000.0);
    }
    if (version >= 203)
        b.String("7").String("9");
    b.Byte(0).Byte(1); // ShowLayerEditorWarning, FooterByClient
    return b.Bytes();
}

} // namespace

TEST(TestFile, NewTestStartsWithIdentifierVersionEmptyTextsAndNoValueCoordinates) {
    TEngine engine;
    const std::string image = EncodeTest(engine);
    ASSERT_EQ(Identifier.size(), 42u);
    std::string expected = Identifier + std::string("\xF2\x00\x00\x00", 4) + std::string(40, '\0') +
                           NoValueBytes + NoValueBytes + NoValueBytes;
    ASSERT_GE(image.size(), expected.size());
    EXPECT_EQ(image.substr(0, expected.size()), expected);
}

TEST(TestFile, TailOfNewTestHoldsDefaultsInTheDocumentedOrder) {
    TEngine engine;
    engine.Protocol->TestDate = 0.0;
    const std::string image = EncodeTest(engine);
    TByteBuilder b;
    b.Raw(Identifier).UInt32(242);
    for (int i = 0; i < 10; ++i)
        b.String("");
    b.Double(NoValue)
        .Double(NoValue)
        .Double(NoValue)
        .Double(0.0)
        .String("")
        .Byte(1)
        .String("")
        .String("");
    b.Raw(std::string("\x01\x01\x01\x01\x00\x01\x01\x01\x01\x01\x01\x01\x00", 13)).Byte(0);
    b.Int32(1).Double(NoValue).Double(NoValue);
    b.Byte(0).Double(1.0).Double(6).Double(3).Double(2).Double(1.5).Double(1.25).String("");
    b.Byte(0).Double(1.5).Double(1.5).Double(1.5);
    b.Int16(0).Int16(0).Int16(0);
    for (int i = 0; i < 7; ++i)
        b.Byte(1);
    b.Double(NoValue).Double(NoValue).Double(0).Int32(0); // profile
    b.Int32(0);                                           // readings
    b.Byte(1).Double(40).Double(80).Byte(1).Double(40).Double(80);
    for (int i = 0; i < 2; ++i)
        b.String("").String("").String("").Byte(1).Double(1.0).Byte(0);
    b.String("").String("").Byte(1).Byte(0);
    EXPECT_EQ(image, b.Bytes());
}

TEST(TestFile, SaveLoadSaveGivesIdenticalBytes) {
    TTempDir dir;
    TEngine first;
    FillSampleTest(first);
    first.Modified = true;
    ASSERT_TRUE(first.SaveTest(dir.File("a.sdn")).ok);
    EXPECT_TRUE(first.Bound);
    EXPECT_FALSE(first.Modified);

    TEngine second;
    FileOperationResult loaded = second.LoadTest(dir.File("a.sdn"));
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(second.FileName, dir.File("a.sdn"));
    EXPECT_TRUE(second.Bound);
    EXPECT_EQ(second.Protocol->Locality, "Łódź");
    EXPECT_EQ(second.Protocol->Measures.Count(), 30);
    ASSERT_TRUE(second.SaveTest(dir.File("b.sdn")).ok);

    std::string a, b;
    ASSERT_TRUE(ReadWholeFile(dir.File("a.sdn"), a).ok);
    ASSERT_TRUE(ReadWholeFile(dir.File("b.sdn"), b).ok);
    EXPECT_EQ(a, b);
    // Polish letters travel as Windows-1250: "Łódź" is A3 F3 64 9F.
    EXPECT_NE(a.find(std::string("\x04\x00\x00\x00\xA3\xF3\x64\x9F", 8)), std::string::npos);
}

TEST(TestFile, LoadRecomputesDerivedValuesAndKeepsPreviewFlagsAndReadingOrder) {
    TEngine source;
    source.Protocol->Sheet.CorrectMode = 1;
    source.Protocol->AddReading(0.2, 3, NoValue);
    source.Protocol->AddReading(0.1, 4, NoValue);
    const std::string image = EncodeTest(source);

    TEngine target;
    target.Protocol->Sheet.PrintIR = false;
    ASSERT_TRUE(DecodeTest(target, image).ok);
    const TProtocol& t = *target.Protocol;
    ASSERT_EQ(t.Measures.Count(), 2);
    EXPECT_DOUBLE_EQ(t.Measures.Get(0)->Depth, 0.2);
    EXPECT_EQ(t.Measures.Get(0)->NKor, 9);  // 3 x 3 (10-20 cm)
    EXPECT_EQ(t.Measures.Get(1)->NKor, 24); // 4 x 6 (0-10 cm)
    EXPECT_FALSE(t.Sheet.PrintIR);
    EXPECT_FALSE(t.Errors.empty());
}

struct TOldVersionCase {
    uint32_t version;
    uint8_t correctModeByte;
    int correctMode;
    double k0_10;     // 9.0: kept from before
    double waterX;    // 2.5: kept
    uint8_t vaneKind; // 0: kept
    bool supportsFVT; // false: kept
    bool gleba;       // the layer's topsoil flag
    int16_t category; // 0: layer default
    double wspKor;    // 1.0: layer default
    double mMax;      // NoValue: reading default
    double vaneFvtD;  // 55: kept
    bool calibrated;  // FVT calibration date present
    const char* firstPage;
};

void PrintTo(const TOldVersionCase& c, std::ostream* os) {
    *os << "version " << c.version << ", CorrectMode byte " << int(c.correctModeByte);
}

class TestFileOldVersion : public ::testing::TestWithParam<TOldVersionCase> {};

TEST_P(TestFileOldVersion, RestoresWhatTheVersionHoldsAndKeepsTheRest) {
    const TOldVersionCase& c = GetParam();
    TEngine engine;
    FillBeforeLoad(engine);
    FileOperationResult result = DecodeTest(engine, OldTestFile(c.version, c.correctModeByte));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.version, c.version);
    const TProtocol& t = *engine.Protocol;
    EXPECT_EQ(t.Locality, "Lodz");
    EXPECT_EQ(t.PreparedBy, "opracowal");
    EXPECT_EQ(t.ProbeType, 3);
    EXPECT_TRUE(t.Sheet.PrintLogo);
    EXPECT_FALSE(t.Sheet.PrintHeader);
    EXPECT_DOUBLE_EQ(t.Sheet.ParB, 0.25);
    EXPECT_EQ(t.Sheet.Norm, 2);
    EXPECT_EQ(t.Sheet.CorrectMode, c.correctMode);
    EXPECT_DOUBLE_EQ(t.Sheet.UserCorr.K0_10, c.k0_10);
    EXPECT_DOUBLE_EQ(t.Sheet.WaterCorr.X, c.waterX);
    EXPECT_EQ(t.Sheet.VaneKind, c.vaneKind);
    EXPECT_EQ(t.Sheet.SupportsFVT, c.supportsFVT);
    ASSERT_EQ(t.Profile.Count(), 1);
    const TGeoProfileItem& layer = *t.Profile.Layer(0);
    EXPECT_EQ(layer.Name, "Gp");
    EXPECT_EQ(layer.Color, 0x00ABCDEF);
    EXPECT_DOUBLE_EQ(layer.U, 6.5);
    EXPECT_DOUBLE_EQ(layer.CU, 1.25);
    EXPECT_DOUBLE_EQ(layer.Size, 5.5);
    EXPECT_EQ(layer.Gleba, c.gleba);
    EXPECT_EQ(layer.Category, c.category);
    EXPECT_DOUBLE_EQ(layer.WspKor, c.wspKor);
    ASSERT_EQ(t.Measures.Count(), 1);
    EXPECT_EQ(t.Measures.Get(0)->N, 12);
    EXPECT_DOUBLE_EQ(t.Measures.Get(0)->Torque, 55.5);
    EXPECT_EQ(t.Measures.Get(0)->MMax, c.mMax);
    EXPECT_DOUBLE_EQ(t.VaneFVT.D, c.vaneFvtD);
    EXPECT_EQ(t.WrenchCalibrationFVT.has_value(), c.calibrated);
    EXPECT_EQ(t.FirstPageNumber, c.firstPage);
    EXPECT_FALSE(engine.ShowLayerEditorWarning);
    EXPECT_TRUE(engine.FooterByClient);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, TestFileOldVersion,
    ::testing::Values(
        TOldVersionCase{1, 0, 1, 9.0, 2.5, 0, false, false, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{3, 5, 1, 9.0, 2.5, 0, false, true, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{3, 0, 0, 9.0, 2.5, 0, false, true, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{4, 0, 0, 7.5, 2.5, 0, false, true, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{7, 0, 0, 7.5, 1.7, 0, false, true, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{199, 0, 0, 7.5, 1.7, 0, false, true, 0, 1.0, NoValue, 55, true, "P1"},
        TOldVersionCase{200, 0, 0, 7.5, 1.7, 2, true, true, 3, 1.0, 12.5, 80, false, "P1"},
        TOldVersionCase{201, 0, 0, 7.5, 1.7, 2, true, true, 3, 0.8, 12.5, 80, false, "P1"},
        TOldVersionCase{203, 0, 0, 7.5, 1.7, 2, true, true, 3, 0.8, 12.5, 80, false, "7"},
        TOldVersionCase{242, 0, 0, 7.5, 1.7, 2, true, true, 3, 0.8, 12.5, 80, false, "7"}),
    [](const auto& info) {
        return "v" + std::to_string(info.param.version) + "_byte" +
               std::to_string(info.param.correctModeByte);
    });

TEST(TestFile, SlvtCalibrationDateOfVersion200IsRead) {
    TEngine engine;
    ASSERT_TRUE(DecodeTest(engine, OldTestFile(200)).ok);
    ASSERT_TRUE(engine.Protocol->WrenchCalibrationSLVT.has_value());
    EXPECT_DOUBLE_EQ(*engine.Protocol->WrenchCalibrationSLVT, 43000.0);
    EXPECT_EQ(engine.Protocol->WrenchNumberSLVT, "S1");
    EXPECT_DOUBLE_EQ(engine.Protocol->VaneSLVT.H, 130);
}

TEST(TestFile, VersionsZeroAnd243AndForeignFilesAreRefusedWithTheTestUntouched) {
    TTempDir dir;
    std::string v0 = OldTestFile(242);
    v0.replace(42, 4, std::string(4, '\0'));
    std::string v243 = OldTestFile(242);
    v243[42] = '\xF3';
    std::string foreign = OldTestFile(242);
    foreign[0] = 'b';
    const std::pair<std::string, std::string> cases[] = {
        {v0, "file version 0 is not valid"},
        {v243, "file version 243 is newer than this program (242)"},
        {foreign, "not an Ardelven Quistra test file"},
        {Identifier, "not an Ardelven Quistra test file"},
        {std::string(), "not an Ardelven Quistra test file"},
    };
    for (const auto& [bytes, reason] : cases) {
        ASSERT_TRUE(WriteFileAtomically(dir.File("x.sdn"), bytes).ok);
        TEngine engine;
        FillBeforeLoad(engine);
        engine.FileName = "earlier.sdn";
        engine.Modified = true;
        const std::string before = EncodeTest(engine);
        FileOperationResult result = engine.LoadTest(dir.File("x.sdn"));
        EXPECT_FALSE(result.ok) << bytes.size();
        EXPECT_EQ(result.error, reason);
        EXPECT_EQ(EncodeTest(engine), before);
        EXPECT_EQ(engine.FileName, "");
        EXPECT_TRUE(engine.Modified);
    }
    TEngine engine;
    FileOperationResult missing = engine.LoadTest(dir.File("missing.sdn"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "cannot read: No such file or directory");
}

TEST(TestFile, EveryCutOfAValidFileLoadsThePartBeforeTheCut) {
    TEngine source;
    FillSampleTest(source, 1.0, 3);
    const std::string full = EncodeTest(source);
    const TProtocol& s = *source.Protocol;
    int previousReadings = 0;
    for (size_t cut = 0; cut < full.size(); ++cut) {
        TEngine engine;
        FillBeforeLoad(engine);
        FileOperationResult result = DecodeTest(engine, std::string_view(full).substr(0, cut));
        ASSERT_EQ(result.ok, cut >= 46) << "cut at " << cut;
        const TProtocol& t = *engine.Protocol;
        EXPECT_TRUE(t.Locality == "stare" || t.Locality == s.Locality) << cut;
        EXPECT_TRUE(t.FirstPageNumber == "P1" || t.FirstPageNumber == s.FirstPageNumber) << cut;
        // Lists are either untouched or hold a prefix of the stored records.
        if (t.Measures.Count() == 1 && t.Measures.Get(0)->N == 99)
            continue;
        ASSERT_LE(t.Measures.Count(), s.Measures.Count()) << cut;
        EXPECT_GE(t.Measures.Count(), previousReadings) << cut;
        previousReadings = t.Measures.Count();
        for (int i = 0; i < t.Measures.Count(); ++i) {
            EXPECT_EQ(t.Measures.Get(i)->N, s.Measures.Get(i)->N) << cut;
            EXPECT_EQ(t.Measures.Get(i)->TimeToShear, s.Measures.Get(i)->TimeToShear) << cut;
        }
        ASSERT_LE(t.Profile.Count(), s.Profile.Count()) << cut;
        for (int i = 0; i < t.Profile.Count(); ++i)
            EXPECT_EQ(t.Profile.Layer(i)->Name, s.Profile.Layer(i)->Name) << cut;
    }
    EXPECT_EQ(previousReadings, s.Measures.Count());
}

TEST(TestFile, LyingCountsAndLengthsStopAtTheEndOfTheData) {
    // Two real readings behind a count of two billion, and nothing after them.
    std::string image = OldTestFile(199);
    const size_t readings =
        image.find(std::string("\x01\x00\x00\x00", 4) + TByteBuilder().Double(0.3).Bytes());
    ASSERT_NE(readings, std::string::npos);
    image.resize(readings);
    image += TByteBuilder()
                 .Int32(2000000000)
                 .Double(0.1)
                 .Int32(5)
                 .Double(NoValue)
                 .Double(0.2)
                 .Int32(6)
                 .Double(NoValue)
                 .Double(0.3) // a third reading cut in the middle
                 .Bytes();
    TEngine engine;
    ASSERT_TRUE(DecodeTest(engine, image).ok);
    ASSERT_EQ(engine.Protocol->Measures.Count(), 2);
    EXPECT_EQ(engine.Protocol->Measures.Get(1)->N, 6);

    // A layer count of two billion with one layer, and a reading count of -5.
    std::string layers = OldTestFile(242);
    const std::string profileHead =
        TByteBuilder().Double(1.1).Double(2.2).Double(6.0).Int32(1).Bytes();
    const size_t at = layers.find(profileHead);
    ASSERT_NE(at, std::string::npos);
    layers.replace(at + 24, 4, TByteBuilder().Int32(0x7FFFFFFF).Bytes());
    TEngine second;
    ASSERT_TRUE(DecodeTest(second, layers).ok);
    EXPECT_GE(second.Protocol->Profile.Count(), 1);
    EXPECT_EQ(second.Protocol->Profile.Layer(0)->Name, "Gp");

    // A first string that claims 4 GB: every field keeps its value.
    std::string huge =
        Identifier + TByteBuilder().UInt32(242).UInt32(0xFFFFFFF0).Bytes() + std::string(100, 'x');
    TEngine third;
    FillBeforeLoad(third);
    ASSERT_TRUE(DecodeTest(third, huge).ok);
    EXPECT_EQ(third.Protocol->Locality, "stare");
    EXPECT_EQ(third.Protocol->Measures.Count(), 1);
}

TEST(TestFile, FailedSaveReportsAndLeavesTheFlagsAndThePreviousFile) {
    TTempDir dir;
    TEngine engine;
    FillSampleTest(engine);
    engine.Modified = true;
    // A directory in the way of the file: the temporary file is written and
    // the rename fails, so nothing is left behind.
    std::filesystem::create_directory(dir.File("taken.sdn"));
    FileOperationResult result = engine.SaveTest(dir.File("taken.sdn"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(engine.Modified);
    EXPECT_FALSE(engine.Bound);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.sdn")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()),
                            std::filesystem::directory_iterator()),
              1);

    EXPECT_FALSE(engine.SaveTest(dir.File("no/such/dir.sdn")).ok);
    EXPECT_TRUE(engine.Modified);
}

TEST(TestFile, TextOutsideWindows1250IsReportedAsLossy) {
    TTempDir dir;
    TEngine engine;
    engine.Protocol->Remarks = "π ≈ 3,14";
    FileOperationResult result = engine.SaveTest(dir.File("a.sdn"));
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.lossyText);
}

// A damaged file whose profile ends millions of metres down must still load
// at once: the layer means are bounded by the readings, not the thickness.
TEST(TestFile, ProfileEndingFarBelowTheGridLoadsQuickly) {
    TEngine source;
    FillSampleTest(source, 3.0, 2);
    source.Protocol->Profile.End = 2.2e7;
    TEngine engine;
    EXPECT_TRUE(DecodeTest(engine, EncodeTest(source)).ok);
}
