#include "FileFuzzTargets.h"

#include "files/ProfileFile.h"
#include "files/SettingsFile.h"
#include "files/TableExchange.h"
#include "files/TestFile.h"

#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

// The reader alone, without the evaluation that LoadTest runs afterwards:
// the fuzzer is after the format, and the evaluation has its own tests.
static bool ReadTestBody(TEngine& engine, std::string_view bytes) {
    TAppData data;
    LoadImage(data, bytes);
    TFieldIo io(data);
    if (!data.BeginRead(TestFileIdentifier) || !io.TransferVersion())
        return false;
    TransferTestBody(io, engine);
    return true;
}

bool FuzzTestFile(std::string_view bytes) {
    TEngine engine;
    if (!ReadTestBody(engine, bytes))
        return false;
    const std::string saved = EncodeTest(engine);
    TEngine again;
    Require(ReadTestBody(again, saved));
    Require(EncodeTest(again) == saved);
    return true;
}

bool FuzzProfileFile(std::string_view bytes) {
    TGeoProfile profile;
    if (!DecodeProfile(profile, bytes))
        return false;
    const std::string saved = EncodeProfile(profile);
    TGeoProfile again;
    Require(DecodeProfile(again, saved));
    Require(EncodeProfile(again) == saved);
    return true;
}

bool FuzzSettingsFile(std::string_view bytes) {
    TEngine engine;
    if (!DecodeSettings(engine, bytes))
        return false;
    const std::string saved = EncodeSettings(engine);
    TEngine again;
    Require(DecodeSettings(again, saved));
    Require(EncodeSettings(again) == saved);
    return true;
}

bool FuzzTableImport(std::string_view bytes) {
    TProtocol test;
    test.AddReading(7.7, 77, NoValue);
    TableImportResult result = ImportClipboard(test, std::string(bytes));
    if (!result.ok) {
        Require(test.Measures.Count() == 1 && test.Measures.Get(0)->N == 77);
        return false;
    }
    ReadingsTableText(test, ';');
    return true;
}
