#include "report/CardLayout.h"

#include <algorithm>

namespace {

// Width of the fixed columns in front of the diagram and of each optional
// column behind it, in mm.
constexpr double DepthLabelWidth = 8;
constexpr double ProfileWidth = 25;
constexpr double MetreLabelWidth = 14;
constexpr double StaffWidth = 2;
constexpr double ReadingsWidth = 22;
constexpr double ValueWidth = 10;
constexpr double IdChartWidth = 30;
constexpr double WideIsWidth = 30; // the I_S column takes the I_D diagram's room when that is off
constexpr double MeansWidth = 20;
constexpr double ShearWidth = 20;

// Lays the column after the previous one.
void Place(TCardColumn& column, double& x, bool present, double width) {
    column.Present = present;
    column.Left = x;
    column.Right = x + (present ? width : 0);
    x = column.Right;
}

} // namespace

double TCardLayout::BlowX(int blows) const {
    const int n = std::clamp(blows, 0, 60);
    return Diagram.Left + n * D / 60.0;
}

TCardLayout ComputeCardLayout(const TProtocol& test, double left) {
    const TSheetOptions& o = test.Sheet;
    TCardLayout c;
    c.Left = left;
    c.PageWidth = o.Portrait ? 188 : 276;
    c.Vane = o.VaneKind != 0;
    if (test.ProbeType == ProbeDPSHB) {
        c.RowsPerMetre = 5;
        c.RowPitch = 6;
        c.Step = 0.2;
    }

    const double idValues = o.PrintDensityState ? ValueWidth : 0;
    const double idChart = o.PrintIdChart ? IdChartWidth : 0;
    const double isValues = o.PrintIsIndex ? (o.PrintIdChart ? ValueWidth : WideIsWidth) : 0;
    const double profile = o.PrintProfile ? ProfileWidth : 0;
    const bool shear = c.Vane && o.PrintShearChart;
    const double vaneValues =
        (shear ? 2 * ValueWidth : 0) + (c.Vane && o.PrintIR ? ValueWidth : 0) +
        (c.Vane && o.PrintILMean ? ValueWidth : 0) + (c.Vane && o.PrintILMin ? ValueWidth : 0) +
        (c.Vane && o.PrintILMax ? ValueWidth : 0);
    // The shear diagram's 20 mm are reserved whenever the option is on, even
    // for a test without vane tests, so the columns end 2 mm inside the frame.
    const double w = idValues + idChart + isValues + profile + MeansWidth + vaneValues +
                     (o.PrintShearChart ? ShearWidth : 0);
    c.D = (o.Portrait ? 160.0 : 228.0) - w;

    double x = left;
    Place(c.DepthLabels, x, true, DepthLabelWidth);
    Place(c.Profile, x, o.PrintProfile, ProfileWidth);
    Place(c.MetreLabels, x, true, MetreLabelWidth);
    Place(c.Staff, x, true, StaffWidth);
    Place(c.Diagram, x, true, c.D);
    Place(c.Readings, x, true, ReadingsWidth);
    Place(c.IdValues, x, o.PrintDensityState, ValueWidth);
    Place(c.IdChart, x, o.PrintIdChart, IdChartWidth);
    Place(c.IsValues, x, o.PrintIsIndex, isValues);
    Place(c.Means, x, true, MeansWidth);
    Place(c.Shear, x, shear, ShearWidth);
    Place(c.TauMin, x, shear, ValueWidth);
    Place(c.TauMax, x, shear, ValueWidth);
    Place(c.IR, x, c.Vane && o.PrintIR, ValueWidth);
    Place(c.ILMean, x, c.Vane && o.PrintILMean, ValueWidth);
    Place(c.ILMin, x, c.Vane && o.PrintILMin, ValueWidth);
    Place(c.ILMax, x, c.Vane && o.PrintILMax, ValueWidth);
    return c;
}
