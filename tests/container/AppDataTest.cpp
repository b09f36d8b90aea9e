#include "container/AppData.h"

#include "base/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const TVrMemoryStream& s) {
    return std::string(reinterpret_cast<const char*>(s.Data()), static_cast<size_t>(s.Size()));
}

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() / ("quistra-container-" + std::to_string(::getpid()));
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

} // namespace

TEST(AppData, WritesIdentifierVersionAndStringAsDocumented) {
    TAppData data;
    data.Version = 242;
    ASSERT_TRUE(data.BeginWrite("abc"));
    data.TransferUInt32(data.Version);
    std::string xy = "xy";
    data.TransferString(xy);
    std::string empty;
    data.TransferString(empty);
    TVrMemoryStream out;
    ASSERT_TRUE(data.Finish(&out));
    EXPECT_EQ(Bytes(out), std::string("abc\xF2\x00\x00\x00\x02\x00\x00\x00xy\x00\x00\x00\x00", 17));
    EXPECT_EQ(data.Mode, TAppData::ModeIdle);
}

TEST(AppData, NumbersAreLittleEndian) {
    TAppData data;
    data.BeginWrite("");
    int16_t i16 = -2;
    int32_t i32 = 0x01020304;
    double d = -1e12;
    bool b = true;
    data.TransferInt16(i16);
    data.TransferInt32(i32);
    data.TransferDouble(d);
    data.TransferBool(b);
    EXPECT_EQ(Bytes(data.Stream), std::string("\xFE\xFF\x04\x03\x02\x01"
                                              "\x00\x00\x00\xA2\x94\x1A\x6D\xC2\x01",
                                              15));
}

TEST(AppData, ReadsBackWhatItWroteAndConvertsText) {
    TAppData writer;
    writer.BeginWrite("ID");
    uint32_t version = 242;
    std::string text = "Łódź ąę";
    double d = 12.5;
    writer.TransferUInt32(version);
    writer.TransferString(text);
    writer.TransferDouble(d);
    EXPECT_EQ(Bytes(writer.Stream).substr(10, 7), "\xA3\xF3"
                                                  "d\x9F \xB9\xEA");

    TAppData reader;
    reader.Stream.Write(writer.Stream.Data(), writer.Stream.Size());
    ASSERT_TRUE(reader.BeginRead("ID")); // empty FileName: checks what Stream holds
    uint32_t v = 0;
    std::string t = "old";
    double x = 0;
    reader.TransferUInt32(v);
    reader.TransferString(t);
    reader.TransferDouble(x);
    EXPECT_EQ(v, 242u);
    EXPECT_EQ(t, "Łódź ąę");
    EXPECT_EQ(x, 12.5);
    EXPECT_FALSE(reader.ReadPastEnd());
}

TEST(AppData, IdentifierChecksOnFiles) {
    TempDir dir;
    struct Case {
        std::string content;
        bool accepted;
    };
    const Case cases[] = {
        {"abc", false},     // only the identifier: not shorter than the file
        {"abcX", true},     // identifier plus one byte
        {"abd1234", false}, // other identifier
        {"", false},        // empty file, empty stream
    };
    for (const Case& c : cases) {
        std::string path = dir.File("f.bin");
        ASSERT_TRUE(WriteFileAtomically(path, c.content).ok);
        TAppData data(path);
        EXPECT_EQ(data.BeginRead("abc"), c.accepted) << c.content;
        if (c.accepted) {
            EXPECT_EQ(data.Stream.Position(), 3);
        }
    }
    TAppData missing(dir.File("missing.bin"));
    EXPECT_FALSE(missing.BeginRead("abc"));
    EXPECT_EQ(missing.Error(), "No such file or directory");
}

TEST(AppData, ShortReadsLeaveTheFieldAndPosition) {
    TAppData data;
    data.Stream.Write("abc\x01\x02\x03\x04\x05\x06\x07", 10);
    ASSERT_TRUE(data.BeginRead("abc"));
    double d = 7.25;
    data.TransferDouble(d);
    EXPECT_EQ(d, 7.25);
    EXPECT_EQ(data.Stream.Position(), 3);
    EXPECT_TRUE(data.ReadPastEnd());
}

TEST(AppData, ALyingStringLengthEndsTheDataWithoutAllocating) {
    TAppData data;
    // A length of 4 GiB - 1 followed by two bytes and then an int32 that must not be read.
    data.Stream.Write("id\xFF\xFF\xFF\xFFxy\x05\x00\x00\x00", 12);
    ASSERT_TRUE(data.BeginRead("id"));
    std::string s = "previous";
    data.TransferString(s);
    EXPECT_EQ(s, "");
    int32_t after = -1;
    data.TransferInt32(after);
    EXPECT_EQ(after, -1);
    EXPECT_TRUE(data.ReadPastEnd());
}

TEST(AppData, TruncatedLengthReadsAsEmpty) {
    TAppData data;
    data.Stream.Write("id\x02\x00", 4);
    ASSERT_TRUE(data.BeginRead("id"));
    std::string s = "x";
    data.TransferString(s);
    EXPECT_EQ(s, "");
}

TEST(MemoryStream, CapacityGrowth) {
    TVrMemoryStream a;
    std::string big(10241, 'x');
    a.Write(big.data(), 10241);
    EXPECT_EQ(a.Capacity(), 20481);

    TVrMemoryStream b;
    std::string full(10240, 'y');
    b.Write(full.data(), 10240);
    EXPECT_EQ(b.Capacity(), 10240);
    b.Write(full.data(), 100);
    EXPECT_EQ(b.Capacity(), 20480);
    EXPECT_EQ(b.Size(), 10340);
    EXPECT_EQ(b.Write("z", 0), 0);
}

TEST(AppData, FinishWritesTheFileAndReportsFailure) {
    TempDir dir;
    TAppData data(dir.File("out.bin"));
    data.BeginWrite("abc");
    uint32_t v = 242;
    data.TransferUInt32(v);
    ASSERT_TRUE(data.Finish());
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("out.bin"), bytes).ok);
    EXPECT_EQ(bytes, std::string("abc\xF2\x00\x00\x00", 7));

    TAppData bad(dir.File("no/such/dir/out.bin"));
    bad.BeginWrite("abc");
    EXPECT_FALSE(bad.Finish());
    EXPECT_FALSE(bad.Error().empty());
}

TEST(AppData, IdleModeTransfersNothing) {
    TAppData data;
    int32_t x = 5;
    data.TransferInt32(x);
    std::string s = "keep";
    data.TransferString(s);
    EXPECT_EQ(data.Stream.Size(), 0);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(s, "keep");
}
