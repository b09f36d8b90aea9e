#include "Cli.h"
#include "Json.h"
#include "TestJson.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "i18n/Translate.h"
#include "model/Engine.h"

#include <cstdio>

namespace {

std::string Cell(double value, int decimals) {
    return HasValue(value) ? FormatNumber(value, decimals) : "-";
}

void PrintReadings(const TProtocol& p) {
    std::printf("%8s %5s %5s %6s %6s  %s\n", "depth", "N", "Nkor", "ID", "IS", "state");
    for (const TMeasure& m : p.Measures) {
        bool evaluated = m.N >= 1 && m.Included;
        std::printf("%8s %5s %5s %6s %6s  %s\n", FormatNumber(m.Depth, 2).c_str(),
                    m.N >= 0 ? std::to_string(m.N).c_str() : "-",
                    evaluated ? std::to_string(m.NKor).c_str() : "-",
                    evaluated ? Cell(m.ID, 3).c_str() : "-",
                    evaluated ? Cell(m.IS, 3).c_str() : "-",
                    evaluated ? Translate(m.State).c_str() : "");
    }
}

} // namespace

int RunVerify(Arguments& args) {
    bool json = args.Flag("--json");
    bool strict = args.Flag("--strict");
    bool simplified = args.Flag("--simplified");
    std::optional<std::string> norm = args.Option("--norm");
    std::vector<std::string> files = args.Positional();
    if (!args.Error().empty())
        return UsageError("verify", args.Error());
    if (files.size() != 1)
        return UsageError("verify", "expects exactly one test file");
    if (strict && simplified)
        return UsageError("verify", "--strict and --simplified exclude each other");
    std::optional<int> normValue;
    if (norm) {
        normValue = ParseInteger(*norm);
        if (!normValue || *normValue < 0 || *normValue > 3)
            return UsageError("verify", "--norm expects 0, 1, 2 or 3, not '" + *norm + "'");
    }

    TEngine engine;
    FileOperationResult loaded = engine.LoadTest(files[0]);
    if (!loaded.ok) {
        FileError(files[0], loaded.error);
        return ExitFile;
    }
    TProtocol& test = *engine.Protocol;
    if (strict || simplified)
        test.Sheet.Strict = strict;
    if (normValue)
        test.Sheet.SetNorm(*normValue);
    bool complete = engine.Verify();

    if (json) {
        JsonWriter writer;
        WriteVerification(writer, test, complete);
        std::fputs(writer.Text().c_str(), stdout);
    } else {
        std::string errors = test.Errors;
        std::erase(errors, '\r');
        errors = Trim(errors);
        std::printf("%s\n", errors.empty() ? "-" : errors.c_str());
        std::printf("\n");
        PrintReadings(test);
        std::printf("\nevaluation %s\n", complete ? "complete" : "incomplete");
    }
    return complete ? ExitOk : ExitIncomplete;
}
