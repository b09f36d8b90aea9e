#include "Cli.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "i18n/Localization.h"
#include "model/Engine.h"
#include "pages/Pages.h"
#include "pages/qt/PageOutput.h"
#include "pages/qt/QtFonts.h"
#include "report/Report.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QSaveFile>
#include <cstdio>
#include <unistd.h>

namespace {

struct ReportJob {
    bool png = false;
    QString out; // PDF file or directory, or the PNG directory
    bool outIsDirectory = false;
    double zoom = 4.0;
};

QString BaseName(const std::string& input) {
    return QFileInfo(QString::fromStdString(input)).completeBaseName();
}

// Writes one PNG per page through a temporary file, so a failure leaves no
// half-written page behind.
bool WritePngPages(TVrPages& pages, const ReportJob& job, const std::string& input,
                   QString& error) {
    QStringList written;
    for (int i = 0; i < pages.Count(); ++i) {
        QString path = QDir(job.out).filePath(QString("%1-%2.png").arg(BaseName(input)).arg(i + 1));
        QImage image = RenderPageToImage(pages, i, job.zoom);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
            error = "cannot write " + path + ": " + file.errorString();
            for (const QString& done : written)
                QFile::remove(done);
            return false;
        }
        written << path;
    }
    for (const QString& path : written)
        std::printf("%s\n", qPrintable(path));
    return true;
}

bool WritePdf(TVrPages& pages, const ReportJob& job, const std::string& input, QString& error) {
    QString path = job.outIsDirectory ? QDir(job.out).filePath(BaseName(input) + ".pdf") : job.out;
    TQtOutputResult result = WritePagesToPdf(pages, path);
    if (!result.ok) {
        error = "cannot write " + path + ": " + result.error;
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// One test: load, verify, compose, write. False after telling why.
bool ReportOne(const std::string& input, const ReportJob& job) {
    TEngine engine;
    FileOperationResult loaded = engine.LoadTest(input);
    if (!loaded.ok) {
        FileError(input, loaded.error);
        return false;
    }
    TVrPages pages;
    ShowReport(engine, pages);
    pages.PrintSettings.Title = ReportJobTitle(*engine.Protocol);
    QString error;
    bool ok =
        job.png ? WritePngPages(pages, job, input, error) : WritePdf(pages, job, input, error);
    if (!ok)
        FileError(input, error.toStdString());
    return ok;
}

bool EnsureDirectory(const QString& dir) {
    return QDir().mkpath(dir);
}

} // namespace

int RunReport(Arguments& args) {
    std::optional<std::string> out = args.Option("-o");
    std::optional<std::string> pngDir = args.Option("--png");
    std::optional<std::string> zoom = args.Option("--zoom");
    std::optional<std::string> lang = args.Option("--lang");
    std::vector<std::string> inputs = args.Positional();
    if (!args.Error().empty())
        return UsageError("report", args.Error());
    if (inputs.empty())
        return UsageError("report", "expects at least one test file");
    if (out.has_value() == pngDir.has_value())
        return UsageError("report", "expects either -o OUT or --png DIR");

    ReportJob job;
    job.png = pngDir.has_value();
    job.out = QString::fromStdString(job.png ? *pngDir : *out);
    if (zoom) {
        std::optional<double> z = ParseNumber(*zoom);
        if (!z || *z <= 0 || *z > 40)
            return UsageError("report", "--zoom expects pixels per millimetre (0 to 40), not '" +
                                            *zoom + "'");
        job.zoom = *z;
    }
    if (lang && *lang != "PL" && *lang != "EN")
        return UsageError("report", "--lang expects PL or EN, not '" + *lang + "'");

    PrepareHeadlessQt();
    int argc = 1;
    char name[] = "quistra";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    RegisterReportFonts();
    if (lang)
        SetLanguage(*lang);
    else
        DetectLanguage("quistra", LanguageIdFromLocaleName(QLocale::system().name().toStdString()));

    job.outIsDirectory = job.png || inputs.size() > 1 || QFileInfo(job.out).isDir();
    if (job.outIsDirectory && !EnsureDirectory(job.out)) {
        FileError(job.out.toStdString(), "cannot create the directory");
        return ExitFile;
    }

    const bool progress = inputs.size() > 3 && ::isatty(STDERR_FILENO);
    int failed = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (progress)
            std::fprintf(stderr, "[%zu/%zu] %s\n", i + 1, inputs.size(), inputs[i].c_str());
        if (!ReportOne(inputs[i], job))
            ++failed;
    }
    if (failed > 0 && inputs.size() > 1)
        std::fprintf(stderr, "quistra report: %d of %zu files failed\n", failed, inputs.size());
    return failed > 0 ? ExitFile : ExitOk;
}
