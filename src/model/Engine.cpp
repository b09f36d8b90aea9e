#include "model/Engine.h"

#include "base/FileIo.h"

namespace {

std::string WithSlash(const std::string& dir) {
    if (dir.empty() || dir.back() == '/')
        return dir;
    return dir + '/';
}

} // namespace

TEngine::TEngine(const std::string& applicationDir) : Protocol(std::make_unique<TProtocol>()) {
    std::string base = WithSlash(applicationDir);
    DataDir = DirectoryExists(base + "Dane") ? base + "Dane/" : base + "Projects/";
}

void TEngine::New() {
    Protocol = std::make_unique<TProtocol>();
    FileName.clear();
    Bound = false;
    Modified = false;
    TSheetOptions& sheet = Protocol->Sheet;
    sheet.Strict = false;
    sheet.CorrectMode = DefaultCorrectMode;
    // A plain assignment: the support flags stay those of a fresh test.
    sheet.Norm = DefaultNorm;
    sheet.ParA = DefaultParA;
    sheet.ParB = DefaultParB;
    sheet.UserCorr = DefaultUserCorr;
    sheet.WaterCorr = DefaultWaterCorr;
}

void TEngine::MarkModified() {
    Modified = true;
    if (OnModified)
        OnModified();
}
