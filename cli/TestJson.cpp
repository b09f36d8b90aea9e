#include "TestJson.h"

#include "model/Engine.h"

namespace {

void WriteOptionalDate(JsonWriter& json, std::string_view key, const std::optional<DateTime>& d) {
    if (d)
        json.Number(key, *d);
    else
        json.Null(key);
}

void WriteSheet(JsonWriter& json, const TSheetOptions& s) {
    json.Value("PrintHeader", s.PrintHeader)
        .Value("HeaderOnEveryPage", s.HeaderOnEveryPage)
        .Value("SmallerHeaderOnNextPages", s.SmallerHeaderOnNextPages)
        .Value("PrintResultsChart", s.PrintResultsChart)
        .Value("SeparateReadingsTable", s.SeparateReadingsTable)
        .Value("PrintRemarks", s.PrintRemarks)
        .Value("PrintProfile", s.PrintProfile)
        .Value("ColumnChart", s.ColumnChart)
        .Value("StepChart", s.StepChart)
        .Value("PrintDensityState", s.PrintDensityState)
        .Value("PrintIdChart", s.PrintIdChart)
        .Value("PrintIsIndex", s.PrintIsIndex)
        .Value("PrintLogo", s.PrintLogo)
        .Value("Strict", s.Strict)
        .Value("CorrectMode", int(s.CorrectMode))
        .Value("Norm", int(s.Norm))
        .Number("ParA", s.ParA)
        .Number("ParB", s.ParB);
    const T050Param& u = s.UserCorr;
    json.BeginObject("UserCorr")
        .Number("K0_10", u.K0_10)
        .Number("K10_20", u.K10_20)
        .Number("K20_30", u.K20_30)
        .Number("K30_40", u.K30_40)
        .Number("K40_50", u.K40_50)
        .Number("Uniform", u.Uniform)
        .Value("UseUniform", u.UseUniform)
        .Value("Description", u.Description)
        .EndObject();
    json.BeginObject("WaterCorr")
        .Number("X", s.WaterCorr.X)
        .Number("Y", s.WaterCorr.Y)
        .Number("Z", s.WaterCorr.Z)
        .Value("Apply", s.WaterCorr.Apply)
        .EndObject();
    json.Value("VaneKind", int(s.VaneKind))
        .Value("SheetSpare", int(s.SheetSpare))
        .Value("SupportsDP", s.SupportsDP)
        .Value("SupportsFVT", s.SupportsFVT)
        .Value("SupportsSLVT", s.SupportsSLVT)
        .Value("SupportFlag4", s.SupportFlag4)
        .Value("SupportFlag5", s.SupportFlag5)
        .Value("SupportFlag6", s.SupportFlag6)
        .Value("SupportFlag7", s.SupportFlag7);
}

void WriteVane(JsonWriter& json, std::string_view key, const TVaneParams& v) {
    json.BeginObject(key)
        .Value("VaneType", int(v.VaneType))
        .Number("D", v.D)
        .Number("H", v.H)
        .EndObject();
}

} // namespace

void WriteProfileDump(JsonWriter& json, const TGeoProfile& profile, std::string_view key) {
    json.BeginObject(key)
        .Number("Water1", profile.Water1)
        .Number("Water2", profile.Water2)
        .Number("End", profile.End);
    json.BeginArray("Items");
    for (const TGeoProfileItem& layer : profile.Items) {
        json.BeginObject()
            .Number("Start", layer.Start)
            .Value("Gleba", layer.Gleba)
            .Value("Name", layer.Name)
            .Value("Color", int(layer.Color))
            .Value("SoilType", int(layer.SoilType))
            .Value("GradingKnown", layer.GradingKnown)
            .Value("WellGraded", layer.WellGraded)
            .Number("U", layer.U)
            .Number("CU", layer.CU)
            .Value("ForDP", layer.ForDP)
            .Value("ForVane", layer.ForVane)
            .Value("Category", int(layer.Category))
            .Number("WspKor", layer.WspKor)
            .EndObject();
    }
    json.EndArray().EndObject();
}

void WriteTestDump(JsonWriter& json, const TEngine& engine, uint32_t fileVersion) {
    const TProtocol& p = *engine.Protocol;
    json.BeginObject()
        .Value("version", fileVersion)
        .Value("Locality", p.Locality)
        .Value("HeaderDate", p.HeaderDate)
        .Value("Remarks", p.Remarks)
        .Value("Contractor", p.Contractor)
        .Value("Client", p.Client)
        .Value("OrderNumber", p.OrderNumber)
        .Value("ProjectNumber", p.ProjectNumber)
        .Value("TestSite", p.TestSite)
        .Value("TestNumber", p.TestNumber)
        .Value("SiteDescription", p.SiteDescription)
        .Number("GpsB", p.GpsB)
        .Number("GpsL", p.GpsL)
        .Number("GpsH", p.GpsH)
        .Number("TestDate", p.TestDate)
        .Value("ProbeDeviceNumber", p.ProbeDeviceNumber)
        .Value("ProbeType", int(p.ProbeType))
        .Value("TestedBy", p.TestedBy)
        .Value("PreparedBy", p.PreparedBy);
    WriteSheet(json, p.Sheet);
    WriteProfileDump(json, p.Profile, "Profile");
    json.BeginArray("Measures");
    for (const TMeasure& m : p.Measures) {
        json.BeginObject()
            .Number("Depth", m.Depth)
            .Value("N", m.N)
            .Number("Torque", m.Torque)
            .Number("MMax", m.MMax)
            .Number("MRMax", m.MRMax)
            .Number("Speed", m.Speed)
            .Number("TimeToShear", m.TimeToShear)
            .EndObject();
    }
    json.EndArray();
    WriteVane(json, "VaneFVT", p.VaneFVT);
    WriteVane(json, "VaneSLVT", p.VaneSLVT);
    WriteOptionalDate(json, "WrenchCalibrationFVT", p.WrenchCalibrationFVT);
    json.Value("WrenchNumberFVT", p.WrenchNumberFVT)
        .Value("WrenchRangeFVT", p.WrenchRangeFVT)
        .Value("WrenchAccuracyFVT", p.WrenchAccuracyFVT)
        .Value("WrenchAxisFVT", p.WrenchAxisFVT)
        .Number("WrenchCoefFVT", p.WrenchCoefFVT);
    WriteOptionalDate(json, "WrenchCalibrationSLVT", p.WrenchCalibrationSLVT);
    json.Value("WrenchNumberSLVT", p.WrenchNumberSLVT)
        .Value("WrenchRangeSLVT", p.WrenchRangeSLVT)
        .Value("WrenchAccuracySLVT", p.WrenchAccuracySLVT)
        .Value("WrenchAxisSLVT", p.WrenchAxisSLVT)
        .Number("WrenchCoefSLVT", p.WrenchCoefSLVT)
        .Value("FirstPageNumber", p.FirstPageNumber)
        .Value("LastPageNumber", p.LastPageNumber)
        .Value("ShowLayerEditorWarning", engine.ShowLayerEditorWarning)
        .Value("FooterByClient", engine.FooterByClient)
        .EndObject();
}

void WriteVerification(JsonWriter& json, const TProtocol& p, bool complete) {
    json.BeginObject()
        .Value("complete", complete)
        .Value("errors", p.Errors)
        .Number("maxDepth", p.MaxDepth)
        .Value("portrait", p.Sheet.Portrait)
        .Value("probeType", int(p.ProbeType))
        .Value("norm", int(p.Sheet.Norm));
    json.BeginArray("readings");
    for (const TMeasure& m : p.Measures) {
        json.BeginObject()
            .Number("depth", m.Depth)
            .Value("n", m.N)
            .Value("nkor", m.NKor)
            .Value("included", m.Included)
            .Number("id", m.ID)
            .Number("is", m.IS)
            .Value("state", m.State)
            .Number("mu", m.Mu)
            .Number("tauPeak", m.TauPeak)
            .Number("tauRes", m.TauRes)
            .Number("ir", m.IR)
            .Number("ilAvg", m.ILAvg)
            .Number("ilRes", m.ILRes)
            .Number("ilPeak", m.ILPeak)
            .EndObject();
    }
    json.EndArray();
    json.BeginArray("layers");
    for (const TGeoProfileItem& layer : p.Profile.Items) {
        json.BeginObject()
            .Number("start", layer.Start)
            .Number("size", layer.Size)
            .Value("name", layer.Name)
            .Value("soilType", int(layer.SoilType))
            .Number("idAvg", layer.IDAvg)
            .Number("isAvg", layer.ISAvg)
            .EndObject();
    }
    json.EndArray().EndObject();
}
