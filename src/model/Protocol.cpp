#include "model/Protocol.h"

#include <cmath>

TProtocol::TProtocol() : TestDate(NowDateTime()) {}

TMeasure* TProtocol::AddReading(double depth, int blows, double torque) {
    return Measures.Add(std::make_unique<TMeasure>(depth, blows, torque));
}

TMeasure* TProtocol::FindReading(double depth) const {
    for (TMeasure& m : Measures)
        if (std::fabs(m.Depth - depth) < DepthTolerance)
            return &m;
    return nullptr;
}

TMeasure* TProtocol::FindIncludedReading(double depth) const {
    for (TMeasure& m : Measures)
        if (m.Included && std::fabs(m.Depth - depth) < DepthTolerance)
            return &m;
    return nullptr;
}

const char* ProbeNameOf(int probeType) {
    switch (probeType) {
    case ProbeDPL:
        return "Sonda lekka DPL";
    case ProbeDPM:
        return "Sonda średnia DPM";
    case ProbeDPH:
        return "Sonda ciężka DPH";
    case ProbeDPSHA:
        return "Sonda b.ciężka DPSH-A";
    case ProbeDPSHB:
        return "Sonda b.ciężka DPSH-B";
    default:
        return "b/d";
    }
}

std::string TProtocol::ProbeName() const {
    return ProbeNameOf(ProbeType);
}
