#include "files/TestFile.h"

#include "files/ProfileFile.h"

#include <memory>
#include <optional>

namespace {

void TransferSheetBlock(TFieldIo& io, TSheetOptions& sheet) {
    const uint32_t version = io.Version();
    // The vane-report flags and Portrait are not stored.
    io.Bools({&sheet.PrintHeader, &sheet.HeaderOnEveryPage, &sheet.SmallerHeaderOnNextPages,
              &sheet.PrintResultsChart, &sheet.SeparateReadingsTable, &sheet.PrintRemarks,
              &sheet.PrintProfile, &sheet.ColumnChart, &sheet.StepChart, &sheet.PrintDensityState,
              &sheet.PrintIdChart, &sheet.PrintIsIndex, &sheet.PrintLogo});
    io.Bool(sheet.Strict);
    if (version >= 4) {
        io.Int32(sheet.CorrectMode);
    } else if (version >= 2) {
        // Versions 2 and 3 knew only "correct the top half-metre or not",
        // which is the road and bridge instruction's correction.
        uint8_t correct = sheet.CorrectMode != 0 ? 1 : 0;
        io.Byte(correct);
        if (io.Reading() && io.Ok())
            sheet.CorrectMode = correct != 0 ? 1 : 0;
    } else if (io.Reading() && io.Ok()) {
        sheet.CorrectMode = 1; // version 1 always corrected that way
    }
    io.Doubles({&sheet.ParA, &sheet.ParB});
    if (version >= 4) {
        T050Param& user = sheet.UserCorr;
        io.Bool(user.UseUniform);
        io.Double(user.Uniform);
        io.Doubles({&user.K0_10, &user.K10_20, &user.K20_30, &user.K30_40, &user.K40_50});
        io.String(user.Description);
    }
    if (version >= 7) {
        TWaterCorrection& water = sheet.WaterCorr;
        io.Bool(water.Apply);
        io.Doubles({&water.X, &water.Y, &water.Z});
    }
    // A plain value: the support flags are stored beside it, not derived.
    io.WidenedByte(sheet.Norm);
    if (version >= 200) {
        io.WidenedByte(sheet.VaneKind);
        io.WidenedByte(sheet.SheetSpare);
        io.Bools({&sheet.SupportsDP, &sheet.SupportsFVT, &sheet.SupportsSLVT, &sheet.SupportFlag4,
                  &sheet.SupportFlag5, &sheet.SupportFlag6, &sheet.SupportFlag7});
    }
}

void TransferReading(TFieldIo& io, TMeasure& reading) {
    io.Double(reading.Depth);
    io.Int32(reading.N);
    io.Double(reading.Torque);
    if (io.Version() >= 200)
        io.Doubles({&reading.MMax, &reading.MRMax, &reading.Speed, &reading.TimeToShear});
}

void TransferReadingsBlock(TFieldIo& io, TProtocol& test) {
    if (io.Reading()) {
        if (!io.Ok())
            return;
        test.Measures.Clear();
    }
    // Every reading takes at least 20 bytes, so a lying count ends with the data.
    TransferList(
        io, test.Measures, [] { return std::make_unique<TMeasure>(0.0, 0, 0.0); }, TransferReading);
}

void TransferVane(TFieldIo& io, TVaneParams& vane) {
    io.Byte(vane.VaneType);
    io.Doubles({&vane.D, &vane.H});
}

struct TWrenchFields {
    std::string& Number;
    std::string& Range;
    std::string& Accuracy;
    bool& Axis;
    double& Coef;
    std::optional<DateTime>& Calibration;
};

void TransferWrench(TFieldIo& io, const TWrenchFields& wrench) {
    io.Strings({&wrench.Number, &wrench.Range, &wrench.Accuracy});
    io.Bool(wrench.Axis);
    io.Double(wrench.Coef);
    if (io.Writing()) {
        uint8_t present = wrench.Calibration ? 1 : 0;
        io.Byte(present);
        if (wrench.Calibration)
            io.Double(*wrench.Calibration);
        return;
    }
    if (!io.Ok())
        return;
    wrench.Calibration.reset();
    uint8_t present = 0;
    io.Byte(present);
    if (present == 0)
        return;
    DateTime date = 0;
    io.Double(date);
    if (io.Ok())
        wrench.Calibration = date;
}

FileOperationResult ReadTest(TEngine& engine, TAppData& data, const std::string& path) {
    FileOperationResult result;
    TFieldIo io(data);
    if (!data.BeginRead(TestFileIdentifier)) {
        result.error = RefusalReason(data, "test");
    } else if (!io.TransferVersion()) {
        result.error = VersionRefusal(data.Version);
    } else {
        result.version = data.Version;
        engine.FileName = path;
        TransferTestBody(io, engine);
        // NKor of every reading, then every derived value and the error list.
        engine.Protocol->CorrectAllBlows();
        engine.Verify();
        engine.Bound = true;
        engine.Modified = false;
        result.ok = true;
    }
    data.Finish();
    return result;
}

void WriteTest(TEngine& engine, TAppData& data) {
    TFieldIo io(data);
    data.BeginWrite(TestFileIdentifier);
    io.TransferVersion();
    TransferTestBody(io, engine);
}

} // namespace

void TransferTestBody(TFieldIo& io, TEngine& engine) {
    TProtocol& test = *engine.Protocol;
    const uint32_t version = io.Version();
    io.Strings({&test.Locality, &test.HeaderDate, &test.Remarks, &test.Contractor, &test.Client,
                &test.OrderNumber, &test.ProjectNumber, &test.TestSite, &test.TestNumber,
                &test.SiteDescription});
    io.Doubles({&test.GpsB, &test.GpsL, &test.GpsH, &test.TestDate});
    io.String(test.ProbeDeviceNumber);
    io.Byte(test.ProbeType);
    io.Strings({&test.TestedBy, &test.PreparedBy});
    TransferSheetBlock(io, test.Sheet);
    TransferProfileBlock(io, test.Profile);
    TransferReadingsBlock(io, test);
    if (version >= 200) {
        TransferVane(io, test.VaneFVT);
        TransferVane(io, test.VaneSLVT);
        TransferWrench(io, {test.WrenchNumberFVT, test.WrenchRangeFVT, test.WrenchAccuracyFVT,
                            test.WrenchAxisFVT, test.WrenchCoefFVT, test.WrenchCalibrationFVT});
        TransferWrench(io, {test.WrenchNumberSLVT, test.WrenchRangeSLVT, test.WrenchAccuracySLVT,
                            test.WrenchAxisSLVT, test.WrenchCoefSLVT, test.WrenchCalibrationSLVT});
    }
    if (version >= 203)
        io.Strings({&test.FirstPageNumber, &test.LastPageNumber});
    io.Bools({&engine.ShowLayerEditorWarning, &engine.FooterByClient});
}

FileOperationResult TEngine::SaveTest(const std::string& path) {
    FileName = path;
    TAppData data(path);
    WriteTest(*this, data);
    // The container writes a temporary file beside the target and renames it
    // over the target, so a failed save leaves the previous file intact.
    FileOperationResult result = FinishWriting(data);
    if (result.ok) {
        Bound = true;
        Modified = false;
    }
    return result;
}

FileOperationResult TEngine::LoadTest(const std::string& path) {
    FileName.clear();
    TAppData data(path);
    return ReadTest(*this, data, path);
}

std::string EncodeTest(TEngine& engine) {
    TAppData data;
    WriteTest(engine, data);
    data.Finish();
    return ImageOf(data);
}

FileOperationResult DecodeTest(TEngine& engine, std::string_view image) {
    TAppData data;
    LoadImage(data, image);
    return ReadTest(engine, data, std::string());
}
