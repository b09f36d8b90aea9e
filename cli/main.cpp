// quistra: the command-line front door to the same engine as the window
// program. Loads, verifies, dumps and converts tests, renders their reports
// to PDF or PNG, and receives or sends field sheets, with no display.

#include "Cli.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

const char* kVersion = "Ardelven Quistra 2.42";

struct Command {
    int (*run)(Arguments&);
    const char* summary;
    const char* help;
};

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"verify",
         {RunVerify, "evaluate a test and list its conformity errors",
          "usage: quistra verify FILE.sdn [--json] [--strict|--simplified] [--norm 0-3]\n"
          "\n"
          "Loads the test, runs the verification and prints the conformity errors and\n"
          "the readings with their results. Exit code 0 when the evaluation is complete,\n"
          "1 when it is not.\n"
          "  --json         one JSON object on standard output (absent values as null)\n"
          "  --strict       verify every condition of the standard\n"
          "  --simplified   evaluate without enforcing the conditions\n"
          "  --norm N       standard: 0 PN-B-04452, 1 road-and-bridge instruction (IBPG),\n"
          "                 2 PN-EN ISO 22476-2 / PN-EN 1997-2, 3 user formula\n"}},
        {"report",
         {RunReport, "write the report of one or more tests as PDF or PNG",
          "usage: quistra report FILE.sdn... -o OUT [--lang PL|EN]\n"
          "       quistra report FILE.sdn... --png DIR [--zoom Z] [--lang PL|EN]\n"
          "\n"
          "Verifies each test and writes its report, the pages the preview shows:\n"
          "  -o OUT       a vector PDF at physical A4 scale; OUT is a file for one input,\n"
          "               a directory for several (one PDF per input, named after it)\n"
          "  --png DIR    one PNG per page instead, named FILE-N.png\n"
          "  --zoom Z     pixels per millimetre of the PNG pages (default 4)\n"
          "  --lang L     report language PL or EN (default: detected as the window does)\n"
          "A batch goes on after a bad file and ends with exit code 3.\n"}},
        {"dump",
         {RunDump, "print every stored field of a test or profile file as JSON",
          "usage: quistra dump FILE.sdn\n"
          "       quistra dump --profile FILE.pg\n"
          "\n"
          "Prints every field the file stores, keyed by the model's field names, plus\n"
          "\"version\": the version the file was written with. Absent numbers are null,\n"
          "dates are day numbers since 1899-12-30.\n"}},
        {"import-csv",
         {RunImportCsv, "make a test file from a CSV table of readings",
          "usage: quistra import-csv IN.csv -o OUT.sdn [--probe 0-5]\n"
          "\n"
          "Reads a two-column table (depth;blows, decimal comma, Windows-1250) into a\n"
          "new test and saves it.\n"
          "  --probe N   probe type: 1 DPL (default), 2 DPM, 3 DPH, 4 DPSH-A, 5 DPSH-B\n"}},
        {"export-csv",
         {RunExportCsv, "write the readings of a test as a CSV table",
          "usage: quistra export-csv FILE.sdn -o OUT.csv\n"}},
        {"receive",
         {RunReceive, "receive sheets from the field application and save them",
          "usage: quistra receive --out-dir DIR [--port N] [--bind ADDRESS] [--once]\n"
          "\n"
          "Listens for sheets sent by the field application (default port 8080, all\n"
          "interfaces) and saves each valid sheet as a new test file\n"
          "DIR/<test number or \"sheet\">_<yyyymmdd-hhmmss>.sdn, never overwriting a file.\n"
          "Runs until interrupted, or until one sheet was saved with --once.\n"}},
        {"send",
         {RunSend, "send a test to a receiver as a field sheet",
          "usage: quistra send FILE.sdn --host HOST [--port N]\n"
          "\n"
          "Sends the test's readings and header fields as a sheet, waits for the receiver\n"
          "and reports the bytes sent.\n"}},
    };
    return commands;
}

void PrintToolHelp() {
    std::printf("usage: quistra COMMAND [ARGS]   (quistra COMMAND --help for details)\n\n");
    std::printf("%s command-line tool.\n\nCommands:\n", kVersion);
    for (const auto& [name, command] : Commands())
        std::printf("  %-11s %s\n", name.c_str(), command.summary);
    std::printf("\nOptions:\n  --help      this text\n  --version   print the version\n");
    std::printf("\nExit codes: 0 ok, 1 evaluation incomplete (verify), 2 usage error,\n"
                "3 a file could not be read or written.\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintToolHelp();
        return ExitUsage;
    }
    std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintToolHelp();
        return ExitOk;
    }
    if (first == "--version") {
        std::printf("%s\n", kVersion);
        return ExitOk;
    }
    auto it = Commands().find(first);
    if (it == Commands().end()) {
        std::fprintf(stderr, "quistra: unknown command '%s' (see 'quistra --help')\n",
                     first.c_str());
        return ExitUsage;
    }
    std::vector<std::string> rest(argv + 2, argv + argc);
    Arguments args(rest);
    if (args.Flag("--help") || args.Flag("-h")) {
        std::fputs(it->second.help, stdout);
        return ExitOk;
    }
    return it->second.run(args);
}
