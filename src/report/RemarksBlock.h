#pragma once

#include "model/Protocol.h"

class TVrPage;

// The remarks block below the first page's card. The tester's variant
// carries the remarks, who made the test and who prepared the report (and
// the vane legend on landscape pages); the client's variant carries the
// remarks, who prepared the report and two boxes for the stamps of the
// client and the contractor.
void DrawRemarksBlock(TVrPage& page, const TProtocol& test, double x, double y,
                      bool footerByClient);
