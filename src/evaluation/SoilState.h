#pragma once

#include "model/Protocol.h"

#include <string>

// Density index I_D, density state and compaction index I_S of
// non-cohesive soil from the corrected blow count, and their layer means.

// The evaluation standard, the Norm of a test.
enum EvaluationNorm : uint8_t {
    NormPN = 0,   // PN-B-04452
    NormIBPG = 1, // road-and-bridge ground investigation instruction, part 2
    NormISO = 2,  // PN-EN ISO 22476-2 / PN-EN 1997-2
    NormUser = 3, // I_D = ParA * log10(NKor) + ParB
};

// Soil types of a layer (SoilType).
enum SoilKind : int16_t {
    SoilNone = 0,
    SoilSand = 1,       // "piasek"
    SoilSandGravel = 2, // "pospółka"
    SoilOther = 3,
};

// The side of the water table a layer lies on.
enum class WaterSide { Above, Below };

// The layer covering the depth interval [fromM, toM]; boundaries are compared
// within the reading tolerance, and a depth on a boundary belongs to the
// lower layer. Same as TGeoProfile::FindLayer.
TGeoProfileItem* FindLayer(const TGeoProfile& profile, double fromM, double toM);

// The layer a reading belongs to: the one holding the top of its interval.
TGeoProfileItem* ReadingLayer(const TProtocol& test, const TMeasure& reading);

// Below the water table when a first water level is entered and the layer's
// top is at or below it; otherwise (no water level, or the top above it)
// above.
WaterSide WaterSideOf(const TGeoProfile& profile, const TGeoProfileItem& layer);

// I_D of a reading by the test's standard from its NKor, for the reading's
// layer (nullptr when it has none); NoValue when the standard gives none.
// Whether PN-B-04452 and the IBPG instruction are applied at all is the
// verification's decision (their soil condition); the ISO rows carry their
// own conditions, with the fallback of the simplified mode.
double DensityIndex(const TProtocol& test, const TMeasure& reading, const TGeoProfileItem* layer);

// The density state (the stored Polish text) of an I_D.
std::string DensityState(double id);

// I_S = 0.818 / (0.958 - 0.174 I_D); NoValue for an I_D that is NoValue.
double CompactionIndex(double id);

// IDAvg and ISAvg of every layer: the means over the readings whose intervals
// start inside the layer and that carry a blow count, I_D and I_S.
void LayerAverages(TProtocol& test);
