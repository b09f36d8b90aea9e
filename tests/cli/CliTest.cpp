// End-to-end tests of the quistra tool: the built executable is run as a
// separate process, as a user or a script runs it.

#include "ToolRunner.h"

#include "base/Values.h"
#include "model/Engine.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A short DPL test on one sand layer (U 4, conforming to PN-B-04452), with a
// reading inside the corrected top half-metre and one below it.
void SaveSampleTest(const std::string& path, int vaneKind = 0) {
    TEngine engine;
    TProtocol& p = *engine.Protocol;
    p.Sheet.SetVaneKind(vaneKind);
    p.ProjectNumber = "PRJ-77/2026";
    p.TestNumber = "S-1";
    p.Locality = "Kraków";
    p.Profile.End = 2.0;
    auto sand = std::make_unique<TGeoProfileItem>(0.0, "P[d]", 0x00FFFF);
    sand->SoilType = 1;
    sand->U = 4.0;
    p.Profile.AddLayer(std::move(sand));
    p.AddReading(0.3, 3, NoValue);
    p.AddReading(1.0, 10, 12.5);
    p.AddReading(1.5, -1, NoValue);
    ASSERT_TRUE(engine.SaveTest(path).ok);
}

// The value of "key": in a one-line-per-field JSON text, after `from`.
std::string Field(const std::string& json, const std::string& key, size_t from = 0) {
    size_t at = json.find("\"" + key + "\": ", from);
    if (at == std::string::npos)
        return "<missing " + key + ">";
    at += key.size() + 4;
    size_t end = json.find_first_of(",\n", at);
    return json.substr(at, end - at);
}

double Number(const std::string& text) {
    return std::stod(text);
}

} // namespace

TEST(Cli, VersionHelpAndUsageErrors) {
    ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Ardelven Quistra 2.42\n");

    for (const char* command :
         {"verify", "report", "dump", "import-csv", "export-csv", "receive", "send"}) {
        ToolRun help = RunTool({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_NE(help.out.find(std::string("usage: quistra ") + command), std::string::npos);
    }

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case usage[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"verify"}, "expects exactly one test file"},
        {{"verify", "a.sdn", "--norm", "7"}, "--norm expects 0, 1, 2 or 3"},
        {{"verify", "a.sdn", "--colour"}, "unknown option '--colour'"},
        {{"report", "a.sdn"}, "expects either -o OUT or --png DIR"},
        {{"report", "a.sdn", "--png", "d", "--zoom", "x"}, "--zoom expects"},
        {{"import-csv", "a.csv", "-o", "b.sdn", "--probe", "9"}, "--probe expects 0 to 5"},
        {{"receive"}, "expects --out-dir DIR"},
        {{"send", "a.sdn"}, "expects FILE.sdn --host HOST"},
    };
    for (const Case& c : usage) {
        ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(Cli, VerifyJsonCarriesTheResultsOfTheFormulas) {
    ScratchDir dir;
    SaveSampleTest(dir.Path("s.sdn"));
    ToolRun run = RunTool({"verify", dir.Path("s.sdn"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& j = run.out;
    EXPECT_EQ(Field(j, "complete"), "true");
    EXPECT_EQ(Field(j, "errors"), "\"Brak błędów.\"");
    EXPECT_EQ(Field(j, "maxDepth"), "1.0");
    EXPECT_EQ(Field(j, "portrait"), "true");
    EXPECT_EQ(Field(j, "probeType"), "1");
    EXPECT_EQ(Field(j, "norm"), "0");

    // 0.3 m: N 3 times the road-and-bridge factor 2 for 20-30 cm gives 6;
    // PN-B-04452 for DPL: I_D = 0.429 lg N + 0.071; I_S = 0.818 / (0.958 - 0.174 I_D).
    size_t first = j.find("\"depth\": 0.3");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(Field(j, "nkor", first), "6");
    double id = 0.429 * std::log10(6.0) + 0.071;
    EXPECT_NEAR(Number(Field(j, "id", first)), id, 1e-12);
    EXPECT_NEAR(Number(Field(j, "is", first)), 0.818 / (0.958 - 0.174 * id), 1e-12);
    EXPECT_EQ(Field(j, "state", first), "\"śr.zagęszczony\"");
    EXPECT_EQ(Field(j, "tauPeak", first), "null");

    size_t second = j.find("\"depth\": 1.0");
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(Field(j, "nkor", second), "10");
    EXPECT_NEAR(Number(Field(j, "id", second)), 0.5, 1e-12);
    EXPECT_NEAR(Number(Field(j, "is", second)), 0.9392, 5e-5);

    size_t third = j.find("\"depth\": 1.5");
    ASSERT_NE(third, std::string::npos);
    EXPECT_EQ(Field(j, "n", third), "-1");

    size_t layer = j.find("\"layers\"");
    EXPECT_EQ(Field(j, "name", layer), "\"P[d]\"");
    EXPECT_NEAR(Number(Field(j, "idAvg", layer)), (id + 0.5) / 2, 1e-12);

    // Strict IBPG: sand must have U <= 3, so both readings fail and lose I_D.
    ToolRun strict = RunTool({"verify", dir.Path("s.sdn"), "--strict", "--norm", "1"});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_NE(strict.out.find("0.30 m : Parametr U dla profilu gruntowego musi być mniejszy lub "
                              "równy 3 aby zachować zgodność z normą"),
              std::string::npos)
        << strict.out;
}

TEST(Cli, DumpShowsEveryStoredFieldByItsModelName) {
    ScratchDir dir;
    SaveSampleTest(dir.Path("s.sdn"));
    ToolRun run = RunTool({"dump", dir.Path("s.sdn")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& j = run.out;
    EXPECT_EQ(Field(j, "version"), "242");
    EXPECT_EQ(Field(j, "Locality"), "\"Kraków\"");
    EXPECT_EQ(Field(j, "ProjectNumber"), "\"PRJ-77/2026\"");
    EXPECT_EQ(Field(j, "GpsB"), "null");
    EXPECT_EQ(Field(j, "ProbeType"), "1");
    EXPECT_EQ(Field(j, "CorrectMode"), "1");
    EXPECT_EQ(Field(j, "K40_50"), "1.25");
    EXPECT_EQ(Field(j, "Apply"), "false");
    EXPECT_EQ(Field(j, "WrenchCalibrationFVT"), "null");
    EXPECT_EQ(Field(j, "ShowLayerEditorWarning"), "true");
    EXPECT_EQ(Field(j, "U"), "4.0");
    EXPECT_EQ(Field(j, "CU"), "null");
    size_t reading = j.find("\"Depth\": 1.0");
    ASSERT_NE(reading, std::string::npos);
    EXPECT_EQ(Field(j, "N", reading), "10");
    EXPECT_EQ(Field(j, "Torque", reading), "12.5");
    for (const char* key : {"HeaderDate", "SupportFlag7", "SheetSpare", "VaneSLVT", "WspKor",
                            "TimeToShear", "FirstPageNumber", "FooterByClient"})
        EXPECT_NE(j.find(std::string("\"") + key + "\""), std::string::npos) << key;
}

TEST(Cli, ReportWritesAnA4PdfWithItsText) {
    ScratchDir dir;
    SaveSampleTest(dir.Path("s.sdn"));
    ToolRun run = RunTool({"report", dir.Path("s.sdn"), "-o", dir.Path("s.pdf"), "--lang", "PL"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(fs::exists(dir.Path("s.pdf")));
    std::string cmd = "pdfinfo '" + dir.Path("s.pdf") + "' > '" + dir.Path("info") +
                      "' && pdftotext '" + dir.Path("s.pdf") + "' '" + dir.Path("s.txt") + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string pdfInfo = ReadFile(dir.Path("info"));
    EXPECT_NE(pdfInfo.find("Pages:           1"), std::string::npos) << pdfInfo;
    EXPECT_NE(pdfInfo.find("595 x 842 pts (A4)"), std::string::npos) << pdfInfo; // portrait
    std::string text = ReadFile(dir.Path("s.txt"));
    EXPECT_NE(text.find("KARTA SONDOWANIA"), std::string::npos);
    EXPECT_NE(text.find("PRJ-77/2026"), std::string::npos);
}

TEST(Cli, ReportPngPagesHaveThePixelSizeOfTheZoom) {
    // A plain probing is a portrait report; one with vane tests is landscape.
    struct Case {
        int vaneKind;
        unsigned width, height;
    };
    for (Case c : {Case{0, 840, 1188}, Case{1, 1188, 840}}) {
        ScratchDir dir;
        SaveSampleTest(dir.Path("s.sdn"), c.vaneKind);
        ToolRun run = RunTool({"report", dir.Path("s.sdn"), "--png", dir.Path("png")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::string png = ReadFile(dir.Path("png/s-1.png"));
        ASSERT_GT(png.size(), 24u);
        auto be32 = [&](size_t at) {
            return (unsigned(uint8_t(png[at])) << 24) | (unsigned(uint8_t(png[at + 1])) << 16) |
                   (unsigned(uint8_t(png[at + 2])) << 8) | unsigned(uint8_t(png[at + 3]));
        };
        EXPECT_EQ(be32(16), c.width);  // IHDR width
        EXPECT_EQ(be32(20), c.height); // IHDR height
    }
}

TEST(Cli, BadFilesGiveOneLineAndExitCode3) {
    ScratchDir dir;
    WriteFile(dir.Path("junk.sdn"), "this is not a test file at all");
    std::string newer = "Brennholt.Formats.ArdelvenQuistra.Protocol";
    newer += std::string("\xF3\x00\x00\x00", 4) + std::string(64, '\0');
    WriteFile(dir.Path("newer.sdn"), newer);
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {dir.Path("junk.sdn"), "not an Ardelven Quistra test file"},
        {dir.Path("newer.sdn"), "file version 243 is newer than this program (242)"},
        {dir.Path("missing.sdn"), "No such file or directory"},
    };
    for (const Case& c : cases) {
        for (const char* command : {"verify", "dump"}) {
            ToolRun run = RunTool({command, c.file});
            EXPECT_EQ(run.exitCode, 3) << command << " " << c.file;
            EXPECT_EQ(run.err.rfind(c.file + ": ", 0), 0u) << run.err;
            EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
    }
}

TEST(Cli, ABatchGoesOnAfterABadFile) {
    ScratchDir dir;
    SaveSampleTest(dir.Path("a.sdn"));
    SaveSampleTest(dir.Path("c.sdn"));
    WriteFile(dir.Path("b.sdn"), "garbage");
    ToolRun run = RunTool(
        {"report", dir.Path("a.sdn"), dir.Path("b.sdn"), dir.Path("c.sdn"), "-o", dir.Path("out")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(fs::exists(dir.Path("out/a.pdf")));
    EXPECT_FALSE(fs::exists(dir.Path("out/b.pdf")));
    EXPECT_TRUE(fs::exists(dir.Path("out/c.pdf")));
    EXPECT_NE(run.err.find(dir.Path("b.sdn") + ": not an Ardelven Quistra test file"),
              std::string::npos)
        << run.err;
}

TEST(Cli, CsvRoundTripAndABadLine) {
    ScratchDir dir;
    WriteFile(dir.Path("in.csv"), "0,10;3\r\n0,20;5\r\n0,30;7\r\n");
    ToolRun imported =
        RunTool({"import-csv", dir.Path("in.csv"), "-o", dir.Path("t.sdn"), "--probe", "3"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    ToolRun dump = RunTool({"dump", dir.Path("t.sdn")});
    EXPECT_EQ(Field(dump.out, "ProbeType"), "3");
    ToolRun exported = RunTool({"export-csv", dir.Path("t.sdn"), "-o", dir.Path("out.csv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(ReadFile(dir.Path("out.csv")), "0,10;3\r\n0,20;5\r\n0,30;7\r\n");

    WriteFile(dir.Path("bad.csv"), "0,10;3\r\n0,20;5\r\n\r\n0,30;7\r\n1;1\r\n2;2\r\nabc;4\r\n");
    ToolRun bad = RunTool({"import-csv", dir.Path("bad.csv"), "-o", dir.Path("bad.sdn")});
    EXPECT_EQ(bad.exitCode, 3);
    EXPECT_NE(bad.err.find("line 7: depth 'abc' is not a number"), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(dir.Path("bad.sdn")));
}

TEST(Cli, SendToReceiveOnceSavesTheSameTest) {
    ScratchDir dir;
    SaveSampleTest(dir.Path("s.sdn"));
    // An ephemeral-range port picked per process; a busy one is tried again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::string port = std::to_string(20000 + (::getpid() * 7 + attempt * 101) % 30000);
        BackgroundTool receiver({"receive", "--once", "--port", port, "--bind", "127.0.0.1",
                                 "--out-dir", dir.Path("in")});
        // The receiver says it listens on standard error; wait for that.
        for (int i = 0; i < 250 && receiver.Err().find("listening on port") == std::string::npos &&
                        receiver.Err().find("cannot listen") == std::string::npos;
             ++i)
            ::usleep(20000);
        if (receiver.Err().find("cannot listen") != std::string::npos)
            continue;
        ToolRun send = RunTool({"send", dir.Path("s.sdn"), "--host", "127.0.0.1", "--port", port});
        ASSERT_EQ(send.exitCode, 0) << send.err;
        EXPECT_NE(send.out.find("sent "), std::string::npos);
        ASSERT_EQ(receiver.Wait(10000), 0) << receiver.Err();

        std::string saved = receiver.Out();
        saved.erase(saved.find_last_not_of('\n') + 1);
        EXPECT_EQ(fs::path(saved).parent_path(), fs::path(dir.Path("in")));
        EXPECT_EQ(fs::path(saved).filename().string().rfind("S-1_", 0), 0u) << saved;

        TEngine sent, received;
        ASSERT_TRUE(sent.LoadTest(dir.Path("s.sdn")).ok);
        ASSERT_TRUE(received.LoadTest(saved).ok);
        const TProtocol& a = *sent.Protocol;
        const TProtocol& b = *received.Protocol;
        EXPECT_EQ(b.TestNumber, a.TestNumber);
        EXPECT_EQ(b.TestSite, a.TestSite);
        EXPECT_NEAR(b.TestDate, a.TestDate, 1.0 / 86400); // sent to the second
        // Only readings with a count or a torque travel; the sample's third has neither.
        ASSERT_EQ(b.Measures.Count(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_DOUBLE_EQ(b.Measures.Get(i)->Depth, a.Measures.Get(i)->Depth);
            EXPECT_EQ(b.Measures.Get(i)->N, a.Measures.Get(i)->N);
            EXPECT_EQ(b.Measures.Get(i)->Torque, a.Measures.Get(i)->Torque);
        }
        return;
    }
    FAIL() << "no free port found";
}
