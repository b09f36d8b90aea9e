#include "pages/PrintSettings.h"

namespace {
constexpr double InchesPerMm = 0.03937007874015748; // 1 / 25.4
} // namespace

void PaperSizeMm(TPaperSize size, double& widthMm, double& heightMm) {
    switch (size) {
    case psA5:
        widthMm = 148;
        heightMm = 210;
        return;
    case psA3:
        widthMm = 297;
        heightMm = 420;
        return;
    case psA4:
    default:
        widthMm = 210;
        heightMm = 297;
        return;
    }
}

void TPrintSettings::ReadFromPrinter(TVrPrinter& printer) {
    if (const auto job = printer.JobSettings()) {
        Copies = job->Copies;
        Color = job->ColorMode == 2;
        Orientation = job->Orientation == 1 ? orVertical : orHorizontal;
        Size = job->PaperCode == PaperCodeA3 ? psA3 : job->PaperCode == PaperCodeA5 ? psA5 : psA4;
    }
    ResolutionX = printer.ResolutionX();
    ResolutionY = printer.ResolutionY();
    const double px = ResolutionX * InchesPerMm;
    const double py = ResolutionY * InchesPerMm;
    double widthMm = 0;
    double heightMm = 0;
    PaperSizeMm(Size, widthMm, heightMm);
    if (Orientation == orHorizontal)
        std::swap(widthMm, heightMm);
    const double W = px * widthMm; // not truncated
    const double H = py * heightMm;
    PrinterName = printer.DeviceName();
    PageRect = {0, 0, W, H};
    PrinterOffset = {double(printer.PhysicalOffsetX()), double(printer.PhysicalOffsetY()), W, H};
}

void TPrintSettings::WriteToPrinter(TVrPrinter& printer) const {
    auto job = printer.JobSettings();
    if (!job)
        return;
    job->Copies = Copies;
    job->ColorMode = Color ? 2 : 1;
    job->Orientation = Orientation == orVertical ? 1 : 2;
    job->PaperCode = Size == psA5 ? PaperCodeA5 : Size == psA3 ? PaperCodeA3 : PaperCodeA4;
    job->Scale = 100;
    job->Fields |= jfOrientation | jfPaperSize | jfScale | jfCopies | jfColor;
    printer.SetJobSettings(*job);
}
