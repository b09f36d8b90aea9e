#pragma once

#include "model/Protocol.h"
#include "report/CardLayout.h"

#include <vector>

class TVrPage;

// One visited row of the reading grid with what the card draws from it.
struct TCardRow {
    double Z = 0;                       // m, depth of the reading (bottom of its interval)
    double LineY = 0;                   // mm, the row line; the reading is drawn above it
    const TMeasure* Included = nullptr; // FindIncludedReading
    const TMeasure* Any = nullptr;      // FindReading
    const TGeoProfileItem* Layer = nullptr;
    bool Cohesive = false;    // the row's layer has vane category 1
    bool VaneEligible = true; // no layer, or a layer meant for vane tests
};

// Everything one DrawProbingCard call shares between its steps.
struct TCardContext {
    TVrPage& Page;
    const TProtocol& Test;
    TCardLayout L;
    double Top = 0;        // mm, Y of startDepth
    double StartDepth = 0; // m
    int Metres = 0;
    double End = 0;    // m, startDepth + metres
    double Bottom = 0; // mm, Y of End
    std::vector<TCardRow> Rows;

    TCardContext(TVrPage& page, const TProtocol& test, double left, double top, double startDepth,
                 int metres);

    // Y of a depth on this card (30 mm per metre).
    double Y(double depthM) const { return Top + TCardLayout::MmPerMetre * (depthM - StartDepth); }
    // Y limited to the card.
    double ClampY(double y) const;
    // Row middle: half a row pitch above the row line.
    double Middle(const TCardRow& row) const { return row.LineY - L.RowPitch / 2; }
};
