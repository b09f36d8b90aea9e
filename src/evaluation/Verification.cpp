#include "evaluation/Verification.h"

#include "base/Numbers.h"
#include "evaluation/BlowCounts.h"
#include "evaluation/SoilState.h"
#include "evaluation/VaneShear.h"
#include "i18n/Translate.h"
#include "model/Engine.h"

namespace {

// The soil condition of PN-B-04452 and of the road-and-bridge instruction:
// sand whose coefficient of uniformity U is above 3 (PN) or at most 3 (IBPG).
// A reading without a layer is not in sand.
enum class SandCheck { Conforms, NotSand, UMissing, URejected };

SandCheck CheckSand(int norm, const TGeoProfileItem* layer) {
    if (!layer || layer->SoilType != SoilSand)
        return SandCheck::NotSand;
    if (!HasValue(layer->U))
        return SandCheck::UMissing;
    const bool accepted = norm == NormPN ? layer->U > 3 : layer->U <= 3;
    return accepted ? SandCheck::Conforms : SandCheck::URejected;
}

// The message of a failed check in each standard's wording, translated. Each
// key stays one literal so that the translation tables can be checked
// against the sources.
std::string SandCheckMessage(int norm, SandCheck check) {
    const bool pn = norm == NormPN;
    // clang-format off
    switch (check) {
    case SandCheck::NotSand:
        return pn ? Translate("Profil gruntowy musi obejmować piasek aby zachować zgodność z normą PN")
                  : Translate("Profil gruntowy musi obejmować piasek aby zachować zgodność z normą");
    case SandCheck::UMissing:
        return Translate("Brak określenia parametru U dla profilu gruntowego");
    case SandCheck::URejected:
        return pn ? Translate("Parametr U dla profilu gruntowego musi być większy niż 3 aby zachować zgodność z normą PN")
                  : Translate("Parametr U dla profilu gruntowego musi być mniejszy lub równy 3 aby zachować zgodność z normą");
    case SandCheck::Conforms:
        break;
    }
    // clang-format on
    return {};
}

// "%3.2f m : " with a point, the message, CR LF.
void AppendErrorLine(std::string& errors, double depthM, const std::string& message) {
    errors += FormatFixedPoint(depthM, 3, 2);
    errors += " m : ";
    errors += message;
    errors += "\r\n";
}

// I_D of one evaluated reading by the test's standard. In strict mode a
// reading whose layer fails the PN or IBPG soil condition gets an error line
// instead.
double EvaluateDensity(TProtocol& test, const TMeasure& reading, const TGeoProfileItem* layer) {
    const int norm = test.Sheet.Norm;
    if ((norm == NormPN || norm == NormIBPG) && test.Sheet.Strict) {
        const SandCheck check = CheckSand(norm, layer);
        if (check != SandCheck::Conforms) {
            AppendErrorLine(test.Errors, reading.Depth, SandCheckMessage(norm, check));
            return NoValue;
        }
    }
    return DensityIndex(test, reading, layer);
}

// Readings with at least one blow take part; MaxDepth is the deepest of them.
// Readings without blows keep their Included flag as it was.
void IncludeReadingsWithBlows(TProtocol& test) {
    bool any = false;
    double maxDepth = 0;
    for (TMeasure& reading : test.Measures) {
        if (reading.N < 1)
            continue;
        reading.Included = true;
        if (!any || reading.Depth > maxDepth)
            maxDepth = reading.Depth;
        any = true;
    }
    test.MaxDepth = any ? maxDepth : 0;
}

// A reading with blows is evaluated; a DPSH-B test counts per 20 cm, so its
// readings off the 20 cm grid (imported at 10 cm steps) are skipped and keep
// their old results.
bool IsEvaluated(const TProtocol& test, const TMeasure& reading) {
    if (reading.N < 1)
        return false;
    return test.ProbeType != ProbeDPSHB || RoundHalfUp(reading.Depth * 100) % 20 == 0;
}

// Every result of one evaluated reading; false when it got no I_D.
bool EvaluateReading(TProtocol& test, TMeasure& reading) {
    CorrectBlows(test, reading);
    reading.ID = reading.IS = NoValue;
    reading.State.clear();

    const TGeoProfileItem* layer = ReadingLayer(test, reading);
    if (layer && layer->Gleba)
        reading.Included = false; // topsoil is evaluated but not presented
    VaneResults(test, reading, layer ? layer->WspKor : 1.0);

    reading.ID = EvaluateDensity(test, reading, layer);
    if (!HasValue(reading.ID))
        return false;
    reading.State = DensityState(reading.ID);
    reading.IS = CompactionIndex(reading.ID);
    return true;
}

} // namespace

bool Verify(TProtocol& test) {
    test.Errors.clear();
    test.Sheet.Portrait = test.Sheet.VaneKind == VaneKindNone;

    IncludeReadingsWithBlows(test);

    bool complete = true;
    int evaluated = 0;
    for (TMeasure& reading : test.Measures) {
        if (!IsEvaluated(test, reading))
            continue;
        ++evaluated;
        if (!EvaluateReading(test, reading))
            complete = false;
    }
    if (evaluated == 0)
        complete = false;

    LayerAverages(test);

    if (complete && test.Errors.empty())
        test.Errors = Translate("Brak błędów.");
    return complete;
}

bool TEngine::Verify() {
    return Protocol ? ::Verify(*Protocol) : false;
}
