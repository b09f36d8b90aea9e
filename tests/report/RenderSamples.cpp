// Writes the sample tests as test files and renders every report page of
// them to PNG, for looking at the layout:
//   report_render_samples <png directory> [<sample file directory>] [EN]

#include "ReportSamples.h"

#include "i18n/Localization.h"
#include "pages/qt/PageOutput.h"
#include "pages/qt/QtFonts.h"
#include "report/Report.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

struct Sample {
    const char* name;
    void (*build)(TProtocol&);
};

void BuildDpshb(TProtocol& t) {
    BuildDpshbSample(t);
}

const Sample Samples[] = {
    {"DPL-piasek-woda", BuildDplSandSample},
    {"DPSH-B", BuildDpshb},
    {"FVT", BuildFvtSample},
    {"SLVT", BuildSlvtSample},
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <png dir> [<sample dir>] [EN]\n", argv[0]);
        return 2;
    }
    if (!RegisterReportFonts())
        std::printf("Tahoma is not available: text is drawn in its stand-in\n");
    const QString pngDir = QString::fromLocal8Bit(argv[1]);
    const QString sampleDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool english = argc > 3 && std::string(argv[3]) == "EN";
    SetLanguage(english ? "EN" : "PL");
    QDir().mkpath(pngDir);
    for (const Sample& s : Samples) {
        TEngine engine;
        s.build(*engine.Protocol);
        TVrPages pages;
        const TShowReportResult shown = ShowReport(engine, pages);
        std::printf("%s: %d pages, verification %s\n", s.name, pages.Count(),
                    shown.DataValid ? "complete" : "incomplete");
        for (int i = 0; i < pages.Count(); ++i) {
            const QString file =
                QStringLiteral("%1/%2-%3.png").arg(pngDir, QString::fromUtf8(s.name)).arg(i + 1);
            RenderPageToImage(pages, i, 4).save(file);
        }
        if (!sampleDir.isEmpty()) {
            const std::string path = (sampleDir + "/" + s.name + ".sdn").toStdString();
            const FileOperationResult saved = engine.SaveTest(path);
            std::printf("  %s: %s\n", path.c_str(), saved.ok ? "saved" : saved.error.c_str());
        }
    }
    return 0;
}
