#pragma once

#include "base/DateTime.h"
#include "base/Values.h"
#include "model/GeoProfile.h"
#include "model/Measure.h"
#include "model/SheetOptions.h"
#include "model/VrList.h"

#include <cstdint>
#include <optional>
#include <string>

// The vane used for field vane tests or of the cone-vane probe.
struct TVaneParams {
    uint8_t VaneType =
        1; // index into "[wybierz]", "FVT 40/80", "FVT 60/120", "FVT 80/160", "FVT 100/200", "INNY"
    double D = 40; // mm, vane diameter
    double H = 80; // mm, vane height
};

// Probe types as stored in ProbeType.
enum ProbeKind : uint8_t {
    ProbeNone = 0,
    ProbeDPL = 1,
    ProbeDPM = 2,
    ProbeDPH = 3,
    ProbeDPSHA = 4,
    ProbeDPSHB = 5,
};

// The one test document: header, equipment, readings, profile, options.
class TProtocol {
public:
    TProtocol();
    virtual ~TProtocol() = default;
    TProtocol(const TProtocol&) = delete;
    TProtocol& operator=(const TProtocol&) = delete;

    TVrList<TMeasure> Measures;
    TGeoProfile Profile;
    std::string Contractor;
    std::string Client;
    std::string OrderNumber;
    std::string ProjectNumber;
    std::string TestSite;
    std::string TestNumber;
    std::string SiteDescription;
    double GpsB = NoValue; // degrees WGS84
    double GpsL = NoValue;
    double GpsH = NoValue; // m above sea level
    DateTime TestDate = 0;
    std::string ProbeDeviceNumber;
    uint8_t ProbeType = ProbeDPL;
    std::string TestedBy;
    std::string PreparedBy;
    std::string Remarks;
    std::string Locality;
    std::string HeaderDate;
    TSheetOptions Sheet;
    double MaxDepth = 0; // m, derived: deepest reading with at least one blow
    TVaneParams VaneFVT;
    TVaneParams VaneSLVT;
    std::optional<DateTime> WrenchCalibrationFVT;
    std::string WrenchNumberFVT;
    std::string WrenchRangeFVT;
    std::string WrenchAccuracyFVT;
    bool WrenchAxisFVT = true; // mounted in the rod axis
    double WrenchCoefFVT = 1.0;
    std::optional<DateTime> WrenchCalibrationSLVT;
    std::string WrenchNumberSLVT;
    std::string WrenchRangeSLVT;
    std::string WrenchAccuracySLVT;
    bool WrenchAxisSLVT = true;
    double WrenchCoefSLVT = 1.0;
    std::string FirstPageNumber;
    std::string LastPageNumber;
    std::string Errors; // conformity errors of the last verification, CR LF separated

    // Appends a reading with the values given and every derived field reset.
    TMeasure* AddReading(double depth, int blows, double torque);
    // The first reading (in list order) within 0.00001 m of depth.
    TMeasure* FindReading(double depth) const;
    // The same among readings that take part in the evaluation.
    TMeasure* FindIncludedReading(double depth) const;
    bool RemoveReading(const TMeasure* reading) { return Measures.Remove(reading); }
    // The probe's name (a Polish key for Translate).
    std::string ProbeName() const;
    void SetProbeType(int value) { ProbeType = static_cast<uint8_t>(value); }
    // Recomputes NKor of every reading; defined with the evaluation.
    void CorrectAllBlows();
};

// Readings are matched to depths within this tolerance (m): depths built as
// r x 0.1 differ from typed ones in the last bits.
inline constexpr double DepthTolerance = 0.00001;

// Polish names of the probe types; any other value is "b/d".
const char* ProbeNameOf(int probeType);
