// dump, import-csv and export-csv: the test file and table formats, unchanged,
// seen from the command line.

#include "Cli.h"
#include "Json.h"
#include "TestJson.h"

#include "base/Numbers.h"
#include "files/ProfileFile.h"
#include "files/TableExchange.h"
#include "model/Engine.h"

#include <cstdio>

int RunDump(Arguments& args) {
    bool profile = args.Flag("--profile");
    std::vector<std::string> files = args.Positional();
    if (!args.Error().empty())
        return UsageError("dump", args.Error());
    if (files.size() != 1)
        return UsageError("dump", "expects exactly one file");

    JsonWriter json;
    if (profile) {
        TGeoProfile loaded;
        FileOperationResult result = LoadProfileFile(loaded, files[0]);
        if (!result.ok) {
            FileError(files[0], result.error);
            return ExitFile;
        }
        json.BeginObject().Value("version", result.version);
        WriteProfileDump(json, loaded, "Profile");
        json.EndObject();
    } else {
        TEngine engine;
        FileOperationResult result = engine.LoadTest(files[0]);
        if (!result.ok) {
            FileError(files[0], result.error);
            return ExitFile;
        }
        WriteTestDump(json, engine, result.version);
    }
    std::fputs(json.Text().c_str(), stdout);
    return ExitOk;
}

int RunImportCsv(Arguments& args) {
    std::optional<std::string> out = args.Option("-o");
    std::optional<std::string> probe = args.Option("--probe");
    std::vector<std::string> files = args.Positional();
    if (!args.Error().empty())
        return UsageError("import-csv", args.Error());
    if (files.size() != 1 || !out)
        return UsageError("import-csv", "expects IN.csv -o OUT.sdn");
    std::optional<int> probeType = 1;
    if (probe) {
        probeType = ParseInteger(*probe);
        if (!probeType || *probeType < 0 || *probeType > 5)
            return UsageError("import-csv", "--probe expects 0 to 5, not '" + *probe + "'");
    }

    TEngine engine;
    engine.Protocol->SetProbeType(*probeType);
    TableImportResult imported = ImportCsv(*engine.Protocol, files[0]);
    if (!imported.ok) {
        FileError(files[0], TableImportMessage(imported));
        return ExitFile;
    }
    FileOperationResult saved = engine.SaveTest(*out);
    if (!saved.ok) {
        FileError(*out, saved.error);
        return ExitFile;
    }
    if (saved.lossyText)
        FileError(*out, "warning: characters that Windows-1250 cannot hold were saved as '?'");
    std::printf("%s: %d readings\n", out->c_str(), engine.Protocol->Measures.Count());
    return ExitOk;
}

int RunExportCsv(Arguments& args) {
    std::optional<std::string> out = args.Option("-o");
    std::vector<std::string> files = args.Positional();
    if (!args.Error().empty())
        return UsageError("export-csv", args.Error());
    if (files.size() != 1 || !out)
        return UsageError("export-csv", "expects FILE.sdn -o OUT.csv");

    TEngine engine;
    FileOperationResult loaded = engine.LoadTest(files[0]);
    if (!loaded.ok) {
        FileError(files[0], loaded.error);
        return ExitFile;
    }
    FileOperationResult written = ExportCsv(*engine.Protocol, *out);
    if (!written.ok) {
        FileError(*out, written.error);
        return ExitFile;
    }
    std::printf("%s: %d readings\n", out->c_str(), engine.Protocol->Measures.Count());
    return ExitOk;
}
