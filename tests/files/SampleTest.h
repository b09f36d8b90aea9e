#pragma once

#include "model/Engine.h"

#include <memory>

// A test with every stored field set to a value unlike its default: header
// texts (some Polish), equipment with calibration dates, evaluation settings,
// a profile of `layers` layers and readings every 0.1 m down to depthM, with
// vane data on every fifth reading.
inline void FillSampleTest(TEngine& engine, double depthM = 3.0, int layers = 3) {
    TProtocol& t = *engine.Protocol;
    t.Locality = "Łódź";
    t.HeaderDate = "12.05.2023";
    t.Remarks = "Uwagi: grunt nawodniony";
    t.Contractor = "Geo-Serwis Sp. z o.o.";
    t.Client = "Gmina Żółkiewka";
    t.OrderNumber = "Z/17/2023";
    t.ProjectNumber = "T-42";
    t.TestSite = "Działka 12/4";
    t.TestNumber = "SD-3";
    t.SiteDescription = "przy drodze";
    t.GpsB = 51.7592;
    t.GpsL = 19.4560;
    t.GpsH = 212.5;
    t.TestDate = 45058.5;
    t.ProbeDeviceNumber = "DPL-0815";
    t.ProbeType = ProbeDPM;
    t.TestedBy = "Jan Kowalski";
    t.PreparedBy = "Anna Nowak";
    TSheetOptions& s = t.Sheet;
    s.PrintLogo = true;
    s.SeparateReadingsTable = true;
    s.PrintRemarks = false;
    s.Strict = true;
    s.CorrectMode = 2;
    s.ParA = 0.709;
    s.ParB = 0.029;
    s.UserCorr.K0_10 = 5.5;
    s.UserCorr.Uniform = 1.3;
    s.UserCorr.UseUniform = true;
    s.UserCorr.Description = "współczynniki własne";
    s.WaterCorr.Apply = true;
    s.WaterCorr.X = 1.2;
    s.SetNorm(0);
    s.VaneKind = 1;
    s.SheetSpare = 7;
    for (int i = 0; i < layers; ++i) {
        auto layer = std::make_unique<TGeoProfileItem>(
            i * depthM / layers, "Ps#[pi]" + std::to_string(i), 0x00102030 + i);
        layer->SoilType = static_cast<int16_t>(1 + i % 3);
        layer->GradingKnown = true;
        layer->WellGraded = i % 2 == 0;
        layer->CU = 1.5 + i;
        layer->U = 4.0 + i;
        layer->Gleba = i == 0;
        layer->ForVane = true;
        layer->Category = static_cast<int16_t>(i % 4);
        layer->WspKor = 0.9;
        t.Profile.Items.Add(std::move(layer));
    }
    t.Profile.Water1 = 1.8;
    t.Profile.Water2 = 2.4;
    t.Profile.End = depthM;
    t.Profile.Normalize();
    const int rows = static_cast<int>(depthM * 10 + 0.5);
    for (int r = 1; r <= rows; ++r) {
        TMeasure* m = t.AddReading(r * 0.1, 3 + r % 17, r % 7 == 0 ? 40.0 + r : NoValue);
        if (r % 5 == 0) {
            m->MMax = 20.0 + r * 0.1;
            m->MRMax = 8.0 + r * 0.1;
            m->Speed = 6.0;
            m->TimeToShear = 2.5;
        }
    }
    t.VaneFVT = {2, 60, 120};
    t.VaneSLVT = {4, 100, 200};
    t.WrenchCalibrationFVT = 44927.0;
    t.WrenchNumberFVT = "KD-1";
    t.WrenchRangeFVT = "0-200 Nm";
    t.WrenchAccuracyFVT = "±2%";
    t.WrenchAxisFVT = false;
    t.WrenchCoefFVT = 1.05;
    t.WrenchNumberSLVT = "KD-2";
    t.WrenchCoefSLVT = 0.98;
    t.FirstPageNumber = "3";
    t.LastPageNumber = "5";
    engine.ShowLayerEditorWarning = false;
    engine.FooterByClient = true;
}
