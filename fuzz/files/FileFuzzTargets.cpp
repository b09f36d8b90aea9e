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

bool FuzzTestFile(std::string_view bytes) {
    TEngine engine;
    if (!DecodeTest(engine, bytes).ok)
        return false;
    const std::string saved = EncodeTest(engine);
    TEngine again;
    Require(DecodeTest(again, saved).ok);
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
