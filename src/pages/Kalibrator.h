#pragma once

#include "pages/PageTypes.h"

enum TCalibration : uint8_t { clMatToComp = 0, clGeoToComp = 1, clCompToComp = 2 };

// Maps page millimetres onto device pixels: the source rectangle S is
// stretched onto the destination rectangle D; the source margins SM shift
// the origin right/down on the page, the destination margins DM shift the
// result left/up on the device (the printer's physical offsets).
class TVrKalibrator {
public:
    virtual ~TVrKalibrator() = default;

    TCalibration Calibration = clMatToComp;
    TRange Source;
    TRange SourceMargins;
    TRange Dest;
    TRange DestMargins;

    // Computes kx and ky; false (and not prepared) when S is degenerate or
    // the mode is clGeoToComp, which the engine does not use.
    bool Prepare();
    bool Valid() const { return valid_; }
    double Kx() const { return kx_; }
    double Ky() const { return ky_; }

    // False when not prepared.
    bool MapPoint(double x, double y, double& X, double& Y) const;
    // Truncated toward zero, not rounded.
    bool MapPointInt(double x, double y, TVrPoint& p) const;
    // 0 when not prepared.
    double ScaleX(double length) const { return valid_ ? length * kx_ : 0; }
    double ScaleY(double length) const { return valid_ ? length * ky_ : 0; }

private:
    double kx_ = 0;
    double ky_ = 0;
    bool valid_ = false;
};
