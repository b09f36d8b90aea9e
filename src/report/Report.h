#pragma once

#include "model/Engine.h"

#include <string>

class TVrPages;

// Clears the page set and composes the report of the test into it: margins,
// orientation, one page per depth span with its header, card and (on the
// first page) the remarks block. Reads Portrait and MaxDepth as the last
// verification left them. Always returns true.
bool BuildReport(const TProtocol& test, TVrPages& pages, bool footerByClient = false);
bool BuildReport(const TEngine& engine, TVrPages& pages);

// The report command without its window: verifies the current test, then
// composes the report. The caller shows the warning when DataValid is false
// (the report is composed anyway) and the error list.
struct TShowReportResult {
    bool DataValid = false; // what Verify returned
    std::string Errors;     // the conformity error list, CR LF separated
};
TShowReportResult ShowReport(TEngine& engine, TVrPages& pages);

// The print job title of a test's report, also the default name of its PDF:
// "QuistSD_" and the project number made safe for a file name, or
// "Ardelven Quistra - Wydruk" when there is no project number (translated).
std::string ReportJobTitle(const TProtocol& test);
