#include "ReportSamples.h"

#include "base/DateTime.h"
#include "pages/PageTypes.h"

#include <cmath>

namespace {

DateTime Day(int y, int m, int d) {
    return EncodeDateTime({y, m, d, 0, 0, 0, 0}).value_or(0);
}

TGeoProfileItem* Layer(TProtocol& t, double start, const char* name, TVrColor color, int soilType,
                       double u) {
    auto layer = std::make_unique<TGeoProfileItem>(start, name, static_cast<int32_t>(color));
    layer->SoilType = static_cast<int16_t>(soilType);
    layer->U = u;
    layer->Category = 2; // non-cohesive
    return t.Profile.AddLayer(std::move(layer));
}

// A smooth, repeatable blow-count profile: denser with depth, a looser band
// and a little scatter so the charts look like a field record.
int Blows(double z, double base, double perMetre) {
    const double scatter = 2.0 * std::sin(z * 7.3) + 1.0 * std::cos(z * 13.1);
    return std::max(1, static_cast<int>(std::lround(base + perMetre * z + scatter)));
}

void AddReadings(TProtocol& t, double depthM, double step, double base, double perMetre) {
    const int rows = static_cast<int>(std::lround(depthM / step));
    for (int r = 1; r <= rows; ++r) {
        const double z = r * step;
        t.AddReading(z, Blows(z, base, perMetre), NoValue);
    }
}

constexpr TVrColor Topsoil = VrRgb(150, 120, 90);
constexpr TVrColor FineSand = VrRgb(255, 240, 170);
constexpr TVrColor MediumSand = VrRgb(250, 220, 120);
constexpr TVrColor CoarseSand = VrRgb(240, 200, 90);
constexpr TVrColor Gravel = VrRgb(210, 190, 160);
constexpr TVrColor Clay = VrRgb(170, 200, 230);

} // namespace

void FillSampleHeader(TProtocol& t, const char* testNumber) {
    t.Contractor = "GEOTECHNIKA MAŁOPOLSKA Sp. z o.o., ul. Zakopiańska 112, 30-435 Kraków";
    t.Client = "Gmina Wieliczka, ul. Powstania Warszawskiego 1, 32-020 Wieliczka";
    t.OrderNumber = "ZP/271/45/2024";
    t.ProjectNumber = "GT-118/2024";
    t.TestSite = "Wieliczka, ul. Sienkiewicza, dz. nr 1245/3 - przebudowa mostu na potoku Srebrnik";
    t.TestNumber = testNumber;
    t.SiteDescription = "Przyczółek P1, 2,5 m od osi jezdni";
    t.GpsB = 49.9871234;
    t.GpsL = 20.0654321;
    t.GpsH = 231.45;
    t.TestDate = Day(2024, 6, 12);
    t.ProbeDeviceNumber = "SD-2019/07";
    t.TestedBy = "inż. Tomasz Wróbel";
    t.PreparedBy = "mgr inż. Katarzyna Żak, upr. geol. VII-1234";
    t.Remarks = "Badanie zakończono na projektowanej głębokości. Sonda nie napotkała przeszkód.";
    t.Locality = "Kraków";
    t.HeaderDate = "14-06-2024";
}

void BuildDplSandSample(TProtocol& t) {
    FillSampleHeader(t, "SD-1");
    t.SetProbeType(ProbeDPL);
    t.Sheet.SetNorm(0);
    t.Sheet.CorrectMode = 1;
    TGeoProfileItem* soil = Layer(t, 0.0, "Gleba", Topsoil, 3, NoValue);
    soil->Gleba = true;
    Layer(t, 0.3, "P[d]", FineSand, 1, 4.2);
    Layer(t, 3.8, "P[s]", MediumSand, 1, 5.1);
    Layer(t, 8.2, "P[r]#+Ż", CoarseSand, 1, 6.8);
    t.Profile.End = 12.0;
    t.Profile.Normalize();
    t.Profile.Water1 = 3.4;
    t.Profile.Water2 = 3.1;
    AddReadings(t, 12.0, 0.1, 4, 2.2);
}

void BuildDpshbSample(TProtocol& t, double depthM) {
    FillSampleHeader(t, "SD-2");
    t.SetProbeType(ProbeDPSHB);
    t.Sheet.SetNorm(0);
    t.Sheet.CorrectMode = 0;
    Layer(t, 0.0, "P[d]", FineSand, 1, 3.8);
    Layer(t, 4.0, "P[s]", MediumSand, 1, 4.6);
    Layer(t, depthM * 0.55, "Ż#P[o]", Gravel, 2, 9.5);
    t.Profile.End = depthM;
    t.Profile.Normalize();
    t.Profile.Water1 = 5.6;
    AddReadings(t, depthM, 0.2, 5, 1.4);
}

void BuildDplSample(TProtocol& t, double depthM) {
    FillSampleHeader(t, "SD-3");
    t.SetProbeType(ProbeDPL);
    t.Sheet.SetNorm(0);
    Layer(t, 0.0, "P[d]", FineSand, 1, 4.0);
    Layer(t, depthM / 2, "P[s]", MediumSand, 1, 5.0);
    t.Profile.End = depthM;
    t.Profile.Normalize();
    t.Profile.Water1 = 2.5;
    AddReadings(t, depthM, 0.1, 3, 1.6);
}

namespace {

// Vane readings every half metre inside the cohesive layer; the wrench
// reading of the probing rods every metre.
void AddVaneReadings(TProtocol& t, double from, double to) {
    for (TMeasure& m : t.Measures) {
        const double z = m.Depth;
        const double half = std::fmod(z + 1e-6, 0.5);
        if (z > from && z <= to && half < 1e-3) {
            m.MMax = 18 + 6 * (z - from) + 2 * std::sin(z * 3);
            m.MRMax = m.MMax / (2.2 + 0.3 * std::cos(z * 5));
        }
        if (std::fmod(z + 1e-6, 1.0) < 1e-3)
            m.Torque = 12 + 3.5 * z;
    }
}

TGeoProfileItem* CohesiveLayer(TProtocol& t, double start, const char* name) {
    TGeoProfileItem* clay = Layer(t, start, name, Clay, 3, NoValue);
    clay->Category = 1;
    clay->ForVane = true;
    clay->WspKor = 1.0;
    return clay;
}

} // namespace

void BuildFvtSample(TProtocol& t) {
    FillSampleHeader(t, "SD/FVT-1");
    t.SetProbeType(ProbeDPL);
    t.Sheet.SetNorm(0);
    t.Sheet.SetVaneKind(1);
    t.Sheet.CorrectMode = 1;
    t.VaneFVT = {2, 60, 120};
    t.WrenchNumberFVT = "KD-340/12";
    t.WrenchRangeFVT = "0-340";
    t.WrenchAccuracyFVT = "2";
    t.WrenchCoefFVT = 1.02;
    t.WrenchCalibrationFVT = Day(2024, 2, 20);
    Layer(t, 0.0, "P[d]", FineSand, 1, 4.4);
    CohesiveLayer(t, 2.4, "G[pz]");
    Layer(t, 6.1, "P[s]", MediumSand, 1, 5.3);
    t.Profile.End = 8.0;
    t.Profile.Normalize();
    t.Profile.Water1 = 1.9;
    AddReadings(t, 8.0, 0.1, 5, 1.8);
    AddVaneReadings(t, 2.4, 6.1);
}

void BuildSlvtSample(TProtocol& t) {
    FillSampleHeader(t, "SLVT-4");
    t.SetProbeType(ProbeDPH);
    t.Sheet.SetNorm(0);
    t.Sheet.SetVaneKind(2);
    t.Sheet.CorrectMode = 2;
    t.Sheet.UserCorr.Description = "współczynniki z kalibracji na poligonie Bronowice, 2023";
    t.VaneSLVT = {5, 50, 100};
    t.WrenchNumberSLVT = "KD-200/03";
    t.WrenchRangeSLVT = "0-200";
    t.WrenchAccuracySLVT = "1";
    t.WrenchAxisSLVT = false;
    t.WrenchCoefSLVT = 0.98;
    t.WrenchCalibrationSLVT = Day(2023, 11, 7);
    Layer(t, 0.0, "nN", Gravel, 3, NoValue);
    CohesiveLayer(t, 1.2, "I[pi]#G[pi]");
    CohesiveLayer(t, 4.5, "G");
    t.Profile.End = 7.0;
    t.Profile.Normalize();
    t.Profile.Water1 = 2.6;
    t.Profile.Water2 = 2.2;
    AddReadings(t, 7.0, 0.1, 3, 1.2);
    AddVaneReadings(t, 1.2, 7.0);
}
