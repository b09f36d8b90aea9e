#pragma once

#include "pages/FmtText.h"

#include <string_view>

class TGeoProfileItem;
class TVrPage;

// Soil symbols of the lithological profile. A layer's Name holds them in a
// small notation: "[x]" sets x as a subscript, "pi" (any case, but not the
// word "piasek") is the Greek letter pi, and "#" ends a line.

// One line of the notation as formatted text: 4.0 mm letters, 3.3 mm
// subscripts, pi drawn from the "Symbol" font at 5.0 mm (4.5 mm in a
// subscript, followed by a blank). A line that ends inside a subscript
// stays in it.
TFmtText SoilSymbolText(std::string_view line);

// Draws the lines of the layer's symbol centred on centreY at x, 4 mm apart,
// as many as fit the band (at least one, at most ten; lines after the first
// empty one are left out), with the page's current text justification.
void DrawLayerSymbol(const TGeoProfileItem& layer, TVrPage& page, double bandHeightMm,
                     double centreYMm, double xMm);
