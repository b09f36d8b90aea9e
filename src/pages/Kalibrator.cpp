#include "pages/Kalibrator.h"

#include <climits>
#include <cmath>

int TruncPx(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value); // toward zero
}

bool TVrKalibrator::Prepare() {
    valid_ = false;
    if (Calibration == clGeoToComp)
        return false;
    if (Source.X1 == Source.X2 || Source.Y1 == Source.Y2)
        return false;
    kx_ = (Dest.X2 - Dest.X1) / (Source.X2 - Source.X1);
    ky_ = (Dest.Y2 - Dest.Y1) / (Source.Y2 - Source.Y1);
    valid_ = true;
    return true;
}

bool TVrKalibrator::MapPoint(double x, double y, double& X, double& Y) const {
    if (!valid_)
        return false;
    X = (x + SourceMargins.X1 - Source.X1) * kx_ + (Dest.X1 - DestMargins.X1);
    if (Calibration == clMatToComp) // Y axis pointing up
        Y = (Source.Y2 - y - SourceMargins.Y1) * ky_ + (Dest.Y1 - DestMargins.Y1);
    else
        Y = (y + SourceMargins.Y1 - Source.Y1) * ky_ + (Dest.Y1 - DestMargins.Y1);
    return true;
}

bool TVrKalibrator::MapPointInt(double x, double y, TVrPoint& p) const {
    double X = 0;
    double Y = 0;
    if (!MapPoint(x, y, X, Y))
        return false;
    p = {TruncPx(X), TruncPx(Y)};
    return true;
}
