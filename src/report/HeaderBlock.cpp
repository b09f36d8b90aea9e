#include "report/HeaderBlock.h"

#include "base/Numbers.h"
#include "evaluation/SoilState.h"
#include "evaluation/VaneShear.h"
#include "i18n/Translate.h"
#include "pages/FmtText.h"
#include "pages/Page.h"
#include "report/ReportText.h"
#include "report/ValueCell.h"

namespace {

constexpr const char* PlaceholderLocality = "_________________";
constexpr const char* PlaceholderDate = "__-__-____";

enum TWhen { Always, Full, LandscapeAll, LandscapeFull };

struct TLabel {
    const char* text;
    double dx, dy; // from (x, E)
    TWhen when;
};

// Field labels of the left and middle part (the wrench column follows separately).
constexpr TLabel Labels[] = {
    {"Wykonawca", -1, -6, Full},          {"Miejsce", -1, 12, Full},
    {"Zleceniodawca", -1, 23, Always},    {"Nr tematu", 109, 5.5, Full},
    {"Nr zamówienia", 109, 12, Full},     {"Numer sondowania", 109, 34.5, Always},
    {"Wysokość n.p.m.", 109, 23, Always}, {"Współrzędne GPS (BL) - położenie", 137, 23, Always},
};

// Labels of the wrench and vane column; X is x + 189, or x + 194 when compact.
constexpr TLabel WrenchLabels[] = {
    {"Zakres pomiarowy", 0, 5.5, LandscapeFull},
    {"Dokładność pomiaru", 0, 11.5, LandscapeFull},
    {"Mocowanie klucza", 0, 17.5, LandscapeAll},
    {"Współczynnik korekcyjny", 0, 23.5, LandscapeAll},
    {"Data ostatniej kalibracji", 0, 29.5, LandscapeAll},
    {"Typ końcówki", 0, 35.5, LandscapeAll},
    {"Średnica i wysokość krzyżaka", 0, 41.5, LandscapeAll},
    {"Typ badania", 0, 47.5, LandscapeAll},
};

const char* const SubtitleByProbe[] = {
    "",
    "SONDĄ DYNAMICZNĄ LEKKĄ (SD-10)",
    "SONDĄ DYNAMICZNĄ ŚREDNIĄ (SD-30)",
    "SONDĄ DYNAMICZNĄ CIĘŻKĄ (SD-50)",
    "SONDĄ DYNAMICZNĄ BARDZO CIĘŻKĄ (SD-63,5)",
    "SONDĄ DYNAMICZNĄ BARDZO CIĘŻKĄ (SD-63,5)",
};

std::string Or(const std::string& text, const char* placeholder) {
    return text.empty() ? placeholder : text;
}

std::string Gps(double value, int decimals, const char* unit, const char* placeholder) {
    return HasValue(value) ? FormatNumber(value, decimals) + unit : placeholder;
}

// The wrench and vane of the test kind: SLVT fields for a cone-vane probe
// test, FVT fields otherwise.
struct TWrench {
    const std::string& number;
    const std::string& range;
    const std::string& accuracy;
    bool axis;
    double coef;
    const std::optional<DateTime>& calibration;
    const TVaneParams& vane;
};

TWrench WrenchOf(const TProtocol& t) {
    if (t.Sheet.VaneKind == VaneKindSLVT)
        return {t.WrenchNumberSLVT, t.WrenchRangeSLVT, t.WrenchAccuracySLVT,
                t.WrenchAxisSLVT,   t.WrenchCoefSLVT,  t.WrenchCalibrationSLVT,
                t.VaneSLVT};
    return {t.WrenchNumberFVT, t.WrenchRangeFVT, t.WrenchAccuracyFVT,
            t.WrenchAxisFVT,   t.WrenchCoefFVT,  t.WrenchCalibrationFVT,
            t.VaneFVT};
}

std::string TipText(const TProtocol& t) {
    if (t.Sheet.VaneKind == VaneKindFVT) {
        static const char* const types[] = {"", " FVT 40/80", " FVT 60/120", " FVT 80/160",
                                            " FVT 100/200"};
        std::string text = Translate("Krzyżak");
        const int type = t.VaneFVT.VaneType;
        if (type >= 1 && type <= 4)
            text += types[type];
        else if (type == 5)
            text += " FVT " + Translate("INNY");
        return text;
    }
    if (t.Sheet.VaneKind == VaneKindSLVT)
        return Translate("Stożkowo-krzyżakowa SLVT");
    return {};
}

std::string TestKindText(const TProtocol& t) {
    switch (t.Sheet.VaneKind) {
    case VaneKindNone:
        return Translate("SONDOWANIE DYNAMICZNE");
    case VaneKindFVT:
        return Translate("SONDOWANIE DYNAMICZNE ZE ŚCINANIEM (DP+FVT)");
    case VaneKindSLVT:
        return Translate("SONDOWANIE DYNAMICZNE UDAROWO-OBROTOWE");
    default:
        return TipText(t);
    }
}

void DrawWrenchColumn(TVrPage& p, const TProtocol& t, bool compact, double x, double e) {
    const TWrench w = WrenchOf(t);
    if (!compact) {
        ValueCell(p, TCellKind::Left, w.number, x + 189, e - 3, 86, 5);
        ValueCell(p, TCellKind::Right, w.range + " Nm", x + 275, e + 3, 50, 5);
        ValueCell(p, TCellKind::Right, w.accuracy + " Nm", x + 275, e + 9, 50, 5);
    }
    ValueCell(p, TCellKind::Right, Translate(w.axis ? "w osi żerdzi" : "poza osią żerdzi"), x + 275,
              e + 15, 50, 5);
    ValueCell(p, TCellKind::Right, FormatNumber(w.coef, 2), x + 275, e + 21, 25, 5);
    TFmtText alpha;
    alpha.AddName("Symbol");
    alpha.AddHeight(6.0);
    alpha.AddText("a");
    p.TextOutF(alpha, x + 255, e + 24);
    ValueCell(p, TCellKind::Right, w.calibration ? FormatReportDate(*w.calibration) : "", x + 275,
              e + 27, 25, 5);
    ValueCell(p, TCellKind::Centre, FormatNumber(w.vane.D, 0) + " mm", x + 238, e + 39, 18, 5);
    ValueCell(p, TCellKind::Centre, FormatNumber(w.vane.H, 0) + " mm", x + 257, e + 39, 18, 5);
    ValueCell(p, TCellKind::Right, TipText(t), x + 275, e + 33, 50, 5);
    ValueCell(p, TCellKind::Right, TestKindText(t), x + 275, e + 45, 50, 9);
}

void DrawLabels(TVrPage& p, const TProtocol& t, bool compact, double x, double e) {
    const bool landscape = !t.Sheet.Portrait;
    p.Brush.SetStyle(bsClear);
    SetLabelFont(p);
    for (const TLabel& l : Labels)
        if (l.when == Always || !compact)
            p.TextOut(Translate(l.text), x + l.dx, e + l.dy);
    if (landscape) {
        if (!compact)
            p.TextOut(Translate("Oznaczenie klucza dynamometrycznego"),
                      x + (t.ProbeType == ProbeDPSHB ? 212 : 192), e - 6);
        const double lx = x + (compact ? 194 : 189);
        for (const TLabel& l : WrenchLabels)
            if (l.when == LandscapeAll || !compact)
                p.TextOut(Translate(l.text), lx, e + l.dy);
    }

    p.SetTextJustify(jtMiddle | jtCenter);
    p.TextOut(Translate("Typ sondy"), x + 19, e + 41);
    p.TextOut(Translate("Oznaczenie sondy"), x + 60, e + 41);
    p.TextOut(Translate("Data sondowania"), x + 94, e + 41);
    p.TextOut(Translate("Dodatkowy opis dla sondowania"), x + 147.5, e + 41);
}

void DrawValues(TVrPage& p, const TProtocol& t, bool compact, double x, double e) {
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(ClBlack);
    p.SetTextJustify(jtMiddle | jtCenter);
    if (!compact) {
        ValueCell(p, TCellKind::Right,
                  Or(t.Locality, PlaceholderLocality) + " , " + Translate("dnia") + " " +
                      Or(t.HeaderDate, PlaceholderDate),
                  x + 187, e - 3, 78, 5);
        ValueCell(p, TCellKind::Right, t.ProjectNumber, x + 187, e + 3, 53, 5);
        ValueCell(p, TCellKind::Left, t.Contractor, x - 1, e - 3, 108, 11);
        ValueCell(p, TCellKind::Left, t.TestSite, x - 1, e + 15, 188, 5);
    }
    ValueCell(p, TCellKind::Left, t.Client, x - 1, e + 26, 108, 11);
    if (!compact)
        ValueCell(p, TCellKind::Right, t.OrderNumber, x + 187, e + 9, 53, 5);
    ValueCell(p, TCellKind::Right, t.TestNumber, x + 187, e + 32, 26, 5);
    ValueCell(p, TCellKind::Centre, Gps(t.GpsH, 2, " m", "____,___ m"), x + 109, e + 26, 24, 5);
    ValueCell(p, TCellKind::Centre, Gps(t.GpsB, 7, " °", "__._______ °"), x + 134, e + 26, 26, 5);
    ValueCell(p, TCellKind::Centre, Gps(t.GpsL, 7, " °", "__._______ °"), x + 161, e + 26, 26, 5);
    ValueCell(p, TCellKind::Centre, Translate(t.ProbeName()), x - 1, e + 44, 40, 5);
    ValueCell(p, TCellKind::Centre, t.ProbeDeviceNumber, x + 40, e + 44, 40, 5);
    ValueCell(p, TCellKind::Centre, t.TestDate > 0 ? FormatReportDate(t.TestDate) : PlaceholderDate,
              x + 81, e + 44, 26, 5);
    ValueCell(p, TCellKind::Left, t.SiteDescription, x + 108, e + 44, 79, 9);
}

} // namespace

std::string StandardLine(int norm) {
    switch (norm) {
    case NormPN:
        return Translate("Wykonano zgodnie z normą PN-B-04452");
    case NormIBPG:
        return Translate("Wykonano zgodnie z Instrukcją Badań Podłoża Grunt. BDiM");
    case NormISO:
        return Translate("Wykonano zgodnie z normami", ": PN-EN ISO 22476-2/PN-EN 1997-2");
    case NormUser:
        return Translate("Wykonano zgodnie z normami", ": ");
    default:
        return {};
    }
}

std::string HeaderSubtitle(const TProtocol& t) {
    if (t.Sheet.VaneKind == VaneKindSLVT)
        return Translate("SONDĄ STOŻKOWO-KRZYŻAKOWĄ (SLVT)");
    if (t.ProbeType >= 1 && t.ProbeType <= 5)
        return Translate(SubtitleByProbe[t.ProbeType]);
    return {};
}

void DrawHeaderBlock(TVrPage& p, const TProtocol& t, bool compact, double x, double y) {
    const double b = y + 12;
    const double hw = t.Sheet.Portrait ? 186 : 274;
    const double hh = compact ? 33 : 55;
    const double xm = x + hw / 2;
    const double e = compact ? b - 22 : b;

    p.Font.SetName(ReportFont);
    p.Pen.SetColor(ClBlack);
    p.Brush.SetStyle(bsClear);
    DrawBlockFrame(p, {x - 2, b - 12, x + hw + 2, b + hh, true});

    // The title box is wider for the super-heavy probes' longer subtitle.
    p.SetTextJustify(jtMiddle | jtCenter);
    p.Font.SetStyle(fsBold);
    p.Font.SetHeight(6.0);
    p.Brush.SetColor(ClWhite);
    p.Pen.SetWidth(0.5);
    const double w = (t.ProbeType == ProbeDPSHA || t.ProbeType == ProbeDPSHB) ? 73 : 53;
    p.RoundRect(xm - w, b - 18, xm + w, b - 4, 4, 4);
    p.TextOut(Translate("KARTA SONDOWANIA"), xm, b - 14.5);
    const std::string subtitle = HeaderSubtitle(t);
    if (!subtitle.empty()) {
        p.Font.SetHeight(t.Sheet.VaneKind == VaneKindSLVT || ReportInEnglish() ? 5.5 : 6.0);
        p.TextOut(subtitle, xm, b - 8);
    }

    DrawLabels(p, t, compact, x, e);
    p.Font.SetStyle(fsBold);
    p.Font.SetColor(ClBlack);
    p.SetTextJustify(jtMiddle | jtLeft);
    p.TextOut(StandardLine(t.Sheet.Norm), x - 1, e + 52);
    DrawValues(p, t, compact, x, e);
    if (!t.Sheet.Portrait)
        DrawWrenchColumn(p, t, compact, x, e);
}
