#include "pages/qt/PageOutput.h"

#include "base/FileIo.h"
#include "pages/qt/QtPrinter.h"
#include "pages/qt/QtSurface.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

TQtOutputResult PrintThrough(TVrPages& pages, TQtPagedPrinter& printer,
                             const std::vector<int>& indices) {
    // Write the orientation first, so the geometry read back matches the
    // paper the job prints on.
    pages.PrintSettings.Orientation = pages.Orientation();
    pages.PrintSettings.WriteToPrinter(printer);
    pages.PrintSettings.ReadFromPrinter(printer);
    const TPrintResult printed =
        pages.Print(printer, indices.data(), static_cast<int>(indices.size()), false);
    TQtOutputResult result;
    result.ok = printed.ok;
    result.error = QString::fromStdString(printed.error);
    result.sheets = printed.sheets;
    return result;
}

} // namespace

QSize PageSizeAtZoom(const TVrPages& pages, double zoomPxPerMm) {
    return QSize(TruncPx((pages.Range.X2 - pages.Range.X1) * zoomPxPerMm),
                 TruncPx((pages.Range.Y2 - pages.Range.Y1) * zoomPxPerMm));
}

void RenderPageOnPainter(TVrPages& pages, int index, QPainter& painter, double zoomPxPerMm) {
    const QSize size = PageSizeAtZoom(pages, zoomPxPerMm);
    TQtSurface surface(painter);
    pages.RenderPageOnto(index, surface, TRange{0, 0, double(size.width()), double(size.height())});
}

QImage RenderPageToImage(TVrPages& pages, int index, double zoomPxPerMm) {
    const QSize size = PageSizeAtZoom(pages, zoomPxPerMm);
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const TVrColor bg = pages.BackgroundColor;
    image.fill(QColor(VrRed(bg), VrGreen(bg), VrBlue(bg)));
    QPainter painter(&image);
    RenderPageOnPainter(pages, index, painter, zoomPxPerMm);
    return image;
}

TQtOutputResult WritePagesToPdf(TVrPages& pages, const QString& path) {
    QByteArray bytes;
    TQtOutputResult result;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        TQtPdfPrinter printer(writer);
        result = PrintThrough(pages, printer, AllPageIndices(pages));
    }
    if (!result.ok)
        return result;
    const FileResult saved = WriteFileAtomically(path.toStdString(), bytes.toStdString());
    if (!saved.ok) {
        result.ok = false;
        result.error = QString::fromStdString(saved.error);
    }
    return result;
}

TQtOutputResult PrintPages(TVrPages& pages, QPrinter& printer, const std::vector<int>& indices) {
    TQtPrinter qtPrinter(printer);
    return PrintThrough(pages, qtPrinter, indices);
}

std::vector<int> AllPageIndices(const TVrPages& pages) {
    std::vector<int> indices(static_cast<size_t>(pages.Count()));
    for (int i = 0; i < pages.Count(); ++i)
        indices[size_t(i)] = i;
    return indices;
}
