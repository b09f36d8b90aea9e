#include "ReportPage.h"

#include "pages/qt/PageOutput.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

// Renders a full report page onto the viewer's bitmap at zoom 4
// (840 x 1188 pixels), as every zoom or page change in the preview does.
static void BM_RenderReportPageAtZoom4(benchmark::State& state) {
    TVrPages pages;
    ComposeReportLikePage(pages);
    const QSize size = PageSizeAtZoom(pages, 4.0);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        RenderPageOnPainter(pages, 0, painter, 4.0);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["elements"] = pages.Page(0)->Count();
}
BENCHMARK(BM_RenderReportPageAtZoom4)->Unit(benchmark::kMillisecond);

static void BM_ComposeReportPage(benchmark::State& state) {
    TVrPages pages;
    for (auto _ : state)
        ComposeReportLikePage(pages);
}
BENCHMARK(BM_ComposeReportPage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Optionally write the rendered page for a look: bench_pages --png=out.png
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith("--png=")) {
            TVrPages pages;
            ComposeReportLikePage(pages);
            RenderPageToImage(pages, 0, 4.0).save(arg.mid(6));
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
