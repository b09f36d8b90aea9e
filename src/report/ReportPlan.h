#pragma once

#include "model/Protocol.h"

#include <vector>

// How the depth range of a test is divided between report pages, which
// header each page carries and how pages are numbered.
struct TReportPage {
    double StartDepth = 0; // m, depth at the top of the card
    int Metres = 0;        // whole metres shown
    int Number = 1;        // printed page number
    double CardTop = 87;   // mm, Y of the card's top rule
    enum THeader { FullHeader, CompactHeader, NoHeader } Header = FullHeader;
    bool Remarks = false; // the remarks block below the card (first page only)
};

struct TReportPlan {
    int FirstSpan = 5; // r: metres on the first page
    int NextSpan = 6;  // a: metres on every following page
    int PageCount = 1; // the count printed in the page number line
    std::vector<TReportPage> Pages;
};

// Card top on the first page and the Y of the remarks block for a span of r metres.
inline constexpr double FirstCardTop = 87;
inline double RemarksBlockY(int firstSpan) {
    return 30.0 * firstSpan + 99;
}

TReportPlan PlanReport(const TProtocol& test);
