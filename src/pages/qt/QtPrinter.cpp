#include "pages/qt/QtPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace {

int PaperCode(QPageSize::PageSizeId id) {
    switch (id) {
    case QPageSize::A3:
        return PaperCodeA3;
    case QPageSize::A4:
        return PaperCodeA4;
    case QPageSize::A5:
        return PaperCodeA5;
    default:
        return 0; // another paper: the settings fall back to A4
    }
}

QPageSize::PageSizeId PageSizeId(int paperCode) {
    switch (paperCode) {
    case PaperCodeA3:
        return QPageSize::A3;
    case PaperCodeA5:
        return QPageSize::A5;
    default:
        return QPageSize::A4;
    }
}

} // namespace

TQtPagedPrinter::TQtPagedPrinter(QPagedPaintDevice& device) : device_(device) {}

TQtPagedPrinter::~TQtPagedPrinter() {
    surface_.reset();
    if (painter_.isActive())
        painter_.end();
}

std::optional<TPrinterJobSettings> TQtPagedPrinter::JobSettings() const {
    const QPageLayout layout = device_.pageLayout();
    TPrinterJobSettings job;
    job.Copies = Copies();
    job.ColorMode = Colour() ? 2 : 1;
    job.Orientation = layout.orientation() == QPageLayout::Portrait ? 1 : 2;
    job.PaperCode = PaperCode(layout.pageSize().id());
    job.Scale = 100;
    return job;
}

void TQtPagedPrinter::SetJobSettings(const TPrinterJobSettings& settings) {
    if (settings.Fields & jfCopies)
        SetCopies(settings.Copies);
    if (settings.Fields & jfColor)
        SetColour(settings.ColorMode == 2);
    if (settings.Fields & jfPaperSize)
        device_.setPageSize(QPageSize(PageSizeId(settings.PaperCode)));
    if (settings.Fields & jfOrientation)
        device_.setPageOrientation(settings.Orientation == 1 ? QPageLayout::Portrait
                                                             : QPageLayout::Landscape);
}

int TQtPagedPrinter::ResolutionX() const {
    return device_.logicalDpiX();
}
int TQtPagedPrinter::ResolutionY() const {
    return device_.logicalDpiY();
}

// Without full-page mode the painter's origin is the printable area's corner.
int TQtPagedPrinter::PhysicalOffsetX() const {
    const QPageLayout layout = device_.pageLayout();
    if (layout.mode() == QPageLayout::FullPageMode)
        return 0;
    return layout.paintRectPixels(ResolutionX()).left();
}
int TQtPagedPrinter::PhysicalOffsetY() const {
    const QPageLayout layout = device_.pageLayout();
    if (layout.mode() == QPageLayout::FullPageMode)
        return 0;
    return layout.paintRectPixels(ResolutionY()).top();
}

bool TQtPagedPrinter::BeginDoc(const std::string& title, std::string& error) {
    SetTitle(QString::fromStdString(title));
    if (!painter_.begin(&device_)) {
        error = "The printer could not start the job.";
        return false;
    }
    surface_.emplace(painter_);
    return true;
}

void TQtPagedPrinter::NewPage() {
    device_.newPage();
}

bool TQtPagedPrinter::EndDoc(std::string& error) {
    surface_.reset();
    if (painter_.isActive() && !painter_.end()) {
        error = "The printer could not finish the job.";
        return false;
    }
    return true;
}

TQtPrinter::TQtPrinter(QPrinter& printer) : TQtPagedPrinter(printer), printer_(printer) {}

std::string TQtPrinter::DeviceName() const {
    return printer_.printerName().toStdString();
}
int TQtPrinter::Copies() const {
    return printer_.copyCount();
}
bool TQtPrinter::Colour() const {
    return printer_.colorMode() == QPrinter::Color;
}
void TQtPrinter::SetCopies(int copies) {
    printer_.setCopyCount(std::max(1, copies));
}
void TQtPrinter::SetColour(bool colour) {
    printer_.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
}
void TQtPrinter::SetTitle(const QString& title) {
    printer_.setDocName(title);
}

TQtPdfPrinter::TQtPdfPrinter(QPdfWriter& writer) : TQtPagedPrinter(writer), writer_(writer) {
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
}

void TQtPdfPrinter::SetTitle(const QString& title) {
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Ardelven Quistra"));
}
