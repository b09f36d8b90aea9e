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
#include <atomic>
#include <cstdio>
#include <future>
#include <thread>
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
bool WritePngPages(TVrPages& pages, const ReportJob& job, const std::string& input, QString& error,
                   std::string& written) {
    QStringList paths;
    for (int i = 0; i < pages.Count(); ++i) {
        QString path = QDir(job.out).filePath(QString("%1-%2.png").arg(BaseName(input)).arg(i + 1));
        QImage image = RenderPageToImage(pages, i, job.zoom);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
            error = "cannot write " + path + ": " + file.errorString();
            for (const QString& done : paths)
                QFile::remove(done);
            return false;
        }
        paths << path;
    }
    for (const QString& path : paths)
        written += path.toStdString() + "\n";
    return true;
}

bool WritePdf(TVrPages& pages, const ReportJob& job, const std::string& input, QString& error,
              std::string& written) {
    QString path = job.outIsDirectory ? QDir(job.out).filePath(BaseName(input) + ".pdf") : job.out;
    TQtOutputResult result = WritePagesToPdf(pages, path);
    if (!result.ok) {
        error = "cannot write " + path + ": " + result.error;
        return false;
    }
    written = path.toStdString() + "\n";
    return true;
}

// What became of one input: the files written, or why it failed.
struct ReportOutcome {
    bool ok = false;
    std::string written; // one path per line
    std::string error;
};

// One test: load, verify, compose, write. Touches no shared state but the
// read-only translation tables, so several run at once.
ReportOutcome ReportOne(const std::string& input, const ReportJob& job) {
    ReportOutcome outcome;
    TEngine engine;
    FileOperationResult loaded = engine.LoadTest(input);
    if (!loaded.ok) {
        outcome.error = loaded.error;
        return outcome;
    }
    TVrPages pages;
    ShowReport(engine, pages);
    pages.PrintSettings.Title = ReportJobTitle(*engine.Protocol);
    QString error;
    outcome.ok = job.png ? WritePngPages(pages, job, input, error, outcome.written)
                         : WritePdf(pages, job, input, error, outcome.written);
    outcome.error = error.toStdString();
    return outcome;
}

// Renders the inputs on one worker per core and reports each outcome in the
// order of the inputs, as soon as it and those before it are done.
int RunBatch(const std::vector<std::string>& inputs, const ReportJob& job) {
    const size_t count = inputs.size();
    std::vector<std::promise<ReportOutcome>> promises(count);
    std::vector<std::future<ReportOutcome>> outcomes;
    for (auto& promise : promises)
        outcomes.push_back(promise.get_future());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            promises[i].set_value(ReportOne(inputs[i], job));
    };
    const size_t threads =
        std::min<size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (size_t t = 0; t < threads; ++t)
        pool.emplace_back(worker);

    const bool progress = count > 3 && ::isatty(STDERR_FILENO);
    int failed = 0;
    for (size_t i = 0; i < count; ++i) {
        ReportOutcome outcome = outcomes[i].get();
        if (progress)
            std::fprintf(stderr, "[%zu/%zu] %s\n", i + 1, count, inputs[i].c_str());
        if (outcome.ok) {
            std::fputs(outcome.written.c_str(), stdout);
        } else {
            FileError(inputs[i], outcome.error);
            ++failed;
        }
    }
    for (std::thread& t : pool)
        t.join();
    if (failed > 0 && count > 1)
        std::fprintf(stderr, "quistra report: %d of %zu files failed\n", failed, count);
    return failed > 0 ? ExitFile : ExitOk;
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
    QtArguments qtArguments;
    QGuiApplication app(qtArguments.argc, qtArguments.argv);
    RegisterReportFonts();
    if (lang)
        SetLanguage(*lang);
    else
        DetectLanguage("quistra", LanguageIdFromLocaleName(QLocale::system().name().toStdString()));

    job.outIsDirectory = job.png || inputs.size() > 1 || QFileInfo(job.out).isDir();
    if (job.outIsDirectory && !QDir().mkpath(job.out)) {
        FileError(job.out.toStdString(), "cannot create the directory");
        return ExitFile;
    }

    return RunBatch(inputs, job);
}
