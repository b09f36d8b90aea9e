#include "files/SettingsFile.h"

namespace {

void CopyEvaluationDefaultsIntoTest(const TEngine& engine, TSheetOptions& sheet) {
    sheet.Strict = engine.DefaultStrict;
    sheet.CorrectMode = engine.DefaultCorrectMode;
    // A plain value: the support flags are not derived again here.
    sheet.Norm = engine.DefaultNorm;
    sheet.ParA = engine.DefaultParA;
    sheet.ParB = engine.DefaultParB;
    sheet.UserCorr = engine.DefaultUserCorr;
}

// An unreadable or foreign file keeps the built-in defaults and counts as
// success; only a newer version is reported.
bool ReadSettings(TEngine& engine, TAppData& data) {
    TFieldIo io(data);
    bool result = true;
    if (data.BeginRead(SettingsFileIdentifier)) {
        io.TransferVersion();
        if (data.Version > CurrentFileVersion)
            result = false;
        else
            TransferSettingsBody(io, engine);
    }
    data.Finish();
    return result;
}

void WriteSettings(TEngine& engine, TAppData& data) {
    TFieldIo io(data);
    data.BeginWrite(SettingsFileIdentifier);
    io.TransferVersion();
    TransferSettingsBody(io, engine);
}

} // namespace

std::string SettingsPath(const TEngine& engine) {
    return engine.SettingsDir + std::string(SettingsFileName);
}

void TransferSettingsBody(TFieldIo& io, TEngine& engine) {
    const uint32_t version = io.Version();
    // The data directory is derived from the executable's place at every
    // start; the stored one is only kept for older versions of the program.
    std::string dataDir = engine.DataDir;
    io.String(dataDir);
    io.Bools({&engine.ShowLayerEditorWarning, &engine.FooterByClient});
    if (version >= 5) {
        io.WidenedByte(engine.DefaultNorm);
        io.Int32(engine.DefaultCorrectMode);
        io.Bool(engine.DefaultStrict);
        io.Doubles({&engine.DefaultParA, &engine.DefaultParB});
        T050Param& user = engine.DefaultUserCorr;
        io.Bool(user.UseUniform);
        io.Double(user.Uniform);
        io.Doubles({&user.K0_10, &user.K10_20, &user.K20_30, &user.K30_40, &user.K40_50});
        io.String(user.Description);
        if (io.Reading())
            CopyEvaluationDefaultsIntoTest(engine, engine.Protocol->Sheet);
    }
    if (version >= 6)
        io.String(engine.SkinName);
    if (version >= 7) {
        TWaterCorrection& water = engine.DefaultWaterCorr;
        io.Bool(water.Apply);
        io.Doubles({&water.X, &water.Y, &water.Z});
        if (io.Reading())
            engine.Protocol->Sheet.WaterCorr = water;
    }
    if (version >= 204) {
        io.Int32(engine.ServerPort);
        io.Bools(
            {&engine.StartServerOnLaunch, &engine.GoToTableOnReceive, &engine.PreviewOnReceive});
    }
}

bool TEngine::LoadSettings() {
    TAppData data(SettingsPath(*this));
    return ReadSettings(*this, data);
}

FileOperationResult TEngine::SaveSettings() {
    TAppData data(SettingsPath(*this));
    WriteSettings(*this, data);
    return FinishWriting(data);
}

std::string EncodeSettings(TEngine& engine) {
    TAppData data;
    WriteSettings(engine, data);
    data.Finish();
    return ImageOf(data);
}

bool DecodeSettings(TEngine& engine, std::string_view image) {
    TAppData data;
    LoadImage(data, image);
    return ReadSettings(engine, data);
}
