#pragma once

#include "model/Protocol.h"

// Geometry of one probing card: the column edges (millimetres from the page
// origin), the blow-count diagram width and the reading grid of the probe.
// Pure arithmetic, so the layout can be checked without recording a page.

// One column of the card; an absent column has zero width (Left == Right).
struct TCardColumn {
    double Left = 0;
    double Right = 0;
    bool Present = false;
    double Width() const { return Right - Left; }
    double Centre() const { return (Left + Right) / 2; }
};

struct TCardLayout {
    // Depth scale of every card: 30 mm per metre.
    static constexpr double MmPerMetre = 30.0;

    double Left = 0;      // card's left edge
    double PageWidth = 0; // PW: 188 portrait, 276 landscape
    double D = 0;         // blow-count diagram width; 0..60 blows span it
    bool Vane = false;    // the test has vane tests (VaneKind not 0)

    TCardColumn DepthLabels;
    TCardColumn Profile; // soil part 15 mm, water part 10 mm
    TCardColumn MetreLabels;
    TCardColumn Staff;
    TCardColumn Diagram;
    TCardColumn Readings; // blow counts 13 mm, depths 9 mm
    TCardColumn IdValues;
    TCardColumn IdChart;
    TCardColumn IsValues;
    TCardColumn Means; // I_D half, I_S half
    TCardColumn Shear;
    TCardColumn TauMin;
    TCardColumn TauMax;
    TCardColumn IR;
    TCardColumn ILMean;
    TCardColumn ILMin;
    TCardColumn ILMax;

    // Reading grid: R readings per metre (10, or 5 for DPSH-B), row pitch in
    // mm (3 or 6) and the reading step in metres (0.1 or 0.2).
    int RowsPerMetre = 10;
    double RowPitch = 3;
    double Step = 0.1;

    // The right edge of the last column.
    double LastRight() const { return ILMax.Right; }
    // X of a blow count on the diagram; counts are limited to 0..60
    // (a missing count, -1, gives 0).
    double BlowX(int blows) const;
};

TCardLayout ComputeCardLayout(const TProtocol& test, double left);
