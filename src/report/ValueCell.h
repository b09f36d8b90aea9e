#pragma once

#include <string>

class TVrPage;

// A value printed in a light grey box with a silver outline, as the header
// and remarks blocks show every field of the test.
enum class TCellKind {
    Left,   // x is the left edge; text left-aligned 1 mm inside
    Centre, // x is the left edge; text centred
    Right,  // x is the RIGHT edge; text right-aligned 1 mm inside
};

void ValueCell(TVrPage& page, TCellKind kind, const std::string& text, double x, double y,
               double width, double height);

// The font of the field labels beside the value cells: 3.8 mm, regular,
// dark grey, left-justified and centred on the label's Y.
void SetLabelFont(TVrPage& page);

// The grey frame of a block: outline, a 2 mm band along the top edge
// (and optionally the bottom edge), and two 3 mm corner triangles under the
// top band. Leaves the brush clear.
struct TBlockFrame {
    double X1, Y1, X2, Y2;
    bool BottomBand;
};
void DrawBlockFrame(TVrPage& page, const TBlockFrame& frame);
