// receive and send: the field-device link without a window. `receive`
// collects sheets unattended and saves each as its own test file; `send`
// plays the field application so users can check their network set-up.

#include "Cli.h"

#include "base/DateTime.h"
#include "base/FileIo.h"
#include "base/Numbers.h"
#include "base/Text.h"
#include "model/Engine.h"
#include "receiver/SheetDecoder.h"
#include "receiver/SheetEncoder.h"
#include "receiver/SheetFormat.h"
#include "receiver/SheetReceiver.h"
#include "receiver/SheetSender.h"

#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <cstdio>

namespace {

std::optional<quint16> ParsePort(const std::string& text) {
    std::optional<int> port = ParseInteger(text);
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return static_cast<quint16>(*port);
}

std::string StampNow() {
    CalendarDateTime t = DecodeDateTime(NowDateTime());
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

// DIR/<test number or "sheet">_<stamp>.sdn, with "-2", "-3" ... before the
// extension when that name is taken: a received sheet never replaces a file.
std::string FreeSheetPath(const std::string& dir, const std::string& testNumber) {
    std::string stem = MakeFileNameSafe(Trim(testNumber).empty() ? "sheet" : Trim(testNumber));
    std::string base = dir + "/" + stem + "_" + StampNow();
    std::string path = base + ".sdn";
    for (int n = 2; FileExists(path); ++n)
        path = base + "-" + std::to_string(n) + ".sdn";
    return path;
}

} // namespace

int RunReceive(Arguments& args) {
    std::optional<std::string> portText = args.Option("--port");
    std::optional<std::string> bind = args.Option("--bind");
    std::optional<std::string> outDir = args.Option("--out-dir");
    bool once = args.Flag("--once");
    std::vector<std::string> rest = args.Positional();
    if (!args.Error().empty())
        return UsageError("receive", args.Error());
    if (!rest.empty())
        return UsageError("receive", "takes no file arguments");
    if (!outDir)
        return UsageError("receive", "expects --out-dir DIR");
    quint16 port = DefaultReceiverPort;
    if (portText) {
        std::optional<quint16> p = ParsePort(*portText);
        if (!p)
            return UsageError("receive", "--port expects 1 to 65535, not '" + *portText + "'");
        port = *p;
    }
    QHostAddress address = QHostAddress::Any;
    if (bind && !address.setAddress(QString::fromStdString(*bind)))
        return UsageError("receive", "--bind expects an IP address, not '" + *bind + "'");
    if (!QDir().mkpath(QString::fromStdString(*outDir))) {
        FileError(*outDir, "cannot create the directory");
        return ExitFile;
    }

    QtArguments qtArguments;
    QCoreApplication app(qtArguments.argc, qtArguments.argv);
    TSheetReceiver receiver;
    QObject::connect(&receiver, &TSheetReceiver::logLine,
                     [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    int exitCode = ExitOk;
    QObject::connect(&receiver, &TSheetReceiver::sheetReceived, [&](const TReceivedSheet& got) {
        if (!got.Sheet.IdentifierOk || !got.Sheet.EndMarkerOk) {
            std::fprintf(stderr, "sheet from %s not saved: %s\n", qPrintable(got.Peer),
                         got.Sheet.IdentifierOk ? "wrong or missing end marker"
                                                : "not an Ardelven Quistra sheet");
            return;
        }
        TEngine engine;
        ApplySheet(*engine.Protocol, got.Sheet);
        std::string path = FreeSheetPath(*outDir, engine.Protocol->TestNumber);
        FileOperationResult saved = engine.SaveTest(path);
        if (!saved.ok) {
            FileError(path, saved.error);
            exitCode = ExitFile;
        } else {
            std::printf("%s\n", path.c_str());
            std::fflush(stdout);
        }
        if (once)
            QCoreApplication::exit(exitCode);
    });
    if (!receiver.listen(port, address)) {
        std::fprintf(stderr, "quistra receive: cannot listen on port %u: %s\n", port,
                     qPrintable(receiver.errorString()));
        return ExitFile;
    }
    std::fprintf(stderr, "listening on port %u, saving sheets to %s\n", receiver.serverPort(),
                 outDir->c_str());
    int loop = app.exec();
    return exitCode != ExitOk ? exitCode : loop;
}

int RunSend(Arguments& args) {
    std::optional<std::string> host = args.Option("--host");
    std::optional<std::string> portText = args.Option("--port");
    std::vector<std::string> files = args.Positional();
    if (!args.Error().empty())
        return UsageError("send", args.Error());
    if (files.size() != 1 || !host)
        return UsageError("send", "expects FILE.sdn --host HOST");
    quint16 port = DefaultReceiverPort;
    if (portText) {
        std::optional<quint16> p = ParsePort(*portText);
        if (!p)
            return UsageError("send", "--port expects 1 to 65535, not '" + *portText + "'");
        port = *p;
    }

    TEngine engine;
    FileOperationResult loaded = engine.LoadTest(files[0]);
    if (!loaded.ok) {
        FileError(files[0], loaded.error);
        return ExitFile;
    }
    bool lossy = false;
    std::string sheet = EncodeSheet(*engine.Protocol, &lossy);
    if (lossy)
        FileError(files[0], "warning: characters that Windows-1250 cannot hold are sent as '?'");

    QtArguments qtArguments;
    QCoreApplication app(qtArguments.argc, qtArguments.argv);
    TSendResult result = SendSheet(QString::fromStdString(*host), port,
                                   QByteArray(sheet.data(), qsizetype(sheet.size())));
    if (!result.ok) {
        std::fprintf(stderr, "quistra send: %s:%u: %s\n", host->c_str(), port,
                     result.closedByReceiver ? "the receiver closed the connection before "
                                               "confirming the sheet"
                                             : qPrintable(result.error));
        return ExitFile;
    }
    std::printf("sent %lld bytes to %s:%u\n", static_cast<long long>(result.bytesSent),
                host->c_str(), port);
    return ExitOk;
}
