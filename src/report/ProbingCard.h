#pragma once

#include "model/Protocol.h"
#include "pages/PageTypes.h"

class TVrPage;

// Records the probing card of the depth interval startDepth .. startDepth +
// metres onto the page: frame, column captions, scales, grid, depth and metre
// labels, the test's data, the notes below the card and the page number
// line. left is the card's left edge, top the Y of its top rule (mm).
void DrawProbingCard(TVrPage& page, const TProtocol& test, int pageNumber, double left, double top,
                     int pageCount, double startDepth, int metres);

// Where the page number line is anchored, in page millimetres, and how it
// is justified: portrait pages bottom-right, 12 mm from the paper's right
// edge and 7 mm from its bottom edge; landscape pages 5 mm from the bottom,
// centred.
struct TPageNumberPoint {
    double X;
    double Y;
    TJustify Justify;
};
TPageNumberPoint PageNumberPoint(bool portrait);

// The identification line below the card: program name, version, and a
// short note that the report was produced by the program.
std::string IdentificationText(bool english);
