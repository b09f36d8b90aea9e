#pragma once

#include "base/Values.h"

#include <cstdint>
#include <string>

// The user's correction coefficients for the top 50 cm of the probing.
class T050Param {
public:
    virtual ~T050Param() = default;

    double K0_10 = 6.0; // coefficient for 0-10 cm, then 10-20, 20-30, 30-40, 40-50 cm
    double K10_20 = 3.0;
    double K20_30 = 2.0;
    double K30_40 = 1.5;
    double K40_50 = 1.25;
    double Uniform = 1.0;    // the single coefficient used with UseUniform
    bool UseUniform = false; // "jednolita wartość"
    std::string Description;
};

// Correction of blow counts near the water table.
struct TWaterCorrection {
    double X = 1.5; // up to 1 m above the water table
    double Y = 1.5; // up to 2 m below
    double Z = 1.5; // up to 3 m below
    bool Apply = false;
};

// Report layout flags and evaluation settings of a test.
class TSheetOptions {
public:
    TSheetOptions();
    virtual ~TSheetOptions() = default;

    bool PrintHeader = true;
    bool HeaderOnEveryPage = true;
    bool SmallerHeaderOnNextPages = true;
    bool PrintResultsChart = true;
    bool SeparateReadingsTable = false;
    bool PrintRemarks = true;
    bool PrintProfile = true;
    bool ColumnChart = true;
    bool StepChart = true;
    bool PrintDensityState = true;
    bool PrintIdChart = true;
    bool PrintIsIndex = true;
    bool PrintLogo = false;
    // The five vane-report flags below are not stored in files.
    bool PrintShearChart = true;
    bool PrintIR = true;
    bool PrintILMean = true;
    bool PrintILMin = true;
    bool PrintILMax = true;

    bool Strict = false;     // strict verification of every condition
    int32_t CorrectMode = 1; // 0 none, 1 road-and-bridge instruction (IBPG), 2 user coefficients
    uint8_t Norm = 0; // 0 PN-B-04452, 1 IBPG, 2 PN-EN ISO 22476-2 / PN-EN 1997-2, 3 user formula
    double ParA = NoValue; // I_D = A * log10(N) + B
    double ParB = NoValue;
    T050Param UserCorr;
    TWaterCorrection WaterCorr;
    uint8_t VaneKind = 0; // 0 "SD/DP", 1 "SD/DP + FVT", 2 "SLVT"
    uint8_t SheetSpare = 0;

    bool Portrait = true; // derived by the verification

    // What the chosen standard admits; derived by SetNorm.
    bool SupportsDP = true;
    bool SupportsFVT = true;
    bool SupportsSLVT = true;
    bool SupportFlag4 = true;
    bool SupportFlag5 = true;
    bool SupportFlag6 = true;
    bool SupportFlag7 = true;

    // Stores the standard and derives the support flags; a vane kind the
    // standard does not admit falls back to plain dynamic probing.
    void SetNorm(int value);
    void SetVaneKind(int value) { VaneKind = static_cast<uint8_t>(value); }
};
