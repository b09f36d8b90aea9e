#pragma once

#include "base/Values.h"
#include "model/VrList.h"

#include <cstdint>
#include <string>
#include <vector>

// One soil layer of the lithological profile.
class TGeoProfileItem {
public:
    TGeoProfileItem(double start, std::string name, int32_t color)
        : Start(start), Name(std::move(name)), Color(color) {}
    virtual ~TGeoProfileItem() = default;

    double Start = 0;     // m, top of the layer
    std::string Name;     // soil symbol: "#" separates lines, "[x]" marks index text
    double Size = 0;      // m, thickness (derived by Normalize)
    int32_t Color = 0;    // 0x00BBGGRR, colour on the report
    int16_t SoilType = 0; // 0 not given, 1 sand ("piasek"), 2 sand-gravel ("pospółka"), 3 other
    bool GradingKnown = false; // the well-graded question was answered
    bool WellGraded = false;
    double CU = NoValue;    // coefficient of curvature ("Wsp. różnorodności C")
    double U = NoValue;     // coefficient of uniformity ("Wsp. różnoziarnistości U")
    double IDAvg = NoValue; // derived layer means
    double ISAvg = NoValue;
    bool Gleba = false;   // topsoil: left out of presentation and calculations
    bool ForDP = true;    // layer meant for dynamic probing
    bool ForVane = false; // layer meant for vane shear
    int16_t Category = 0; // vane soil category: 0 unknown, 1 cohesive, 2 non-cohesive, 3 organic
    double WspKor = 1.0;  // vane correction coefficient of the layer
    TGeoProfileItem* Next = nullptr; // following layer in depth order, not owned

    // Name becomes the lines joined with "#".
    void SetNameFromLines(const std::vector<std::string>& lines);
    // Name with every "#" replaced by CR LF.
    std::string NameAsText() const;
};

// The lithological profile: layers sorted by Start, water levels, end depth.
class TGeoProfile {
public:
    TGeoProfile() = default;
    virtual ~TGeoProfile() = default;

    TVrList<TGeoProfileItem> Items;
    double Water1 = NoValue; // m, first water level (used by the corrections and ISO rules)
    double Water2 = NoValue; // m, second water level
    double End = 0;          // m, end of the profile

    // Appends the layer and normalizes.
    TGeoProfileItem* AddLayer(std::unique_ptr<TGeoProfileItem> layer);
    // Sorts by Start (stable), recomputes Size and the Next links.
    void Normalize();
    // The layer at index, or nullptr.
    TGeoProfileItem* Layer(int index) const { return Items.Get(index); }
    int Count() const { return Items.Count(); }
    // Deletes every layer and normalizes.
    void Clear();

    // The layer that covers the depth interval [from, to] (metres). Defined
    // with the evaluation, which owns the boundary rules.
    TGeoProfileItem* FindLayer(double from, double to) const;
};
