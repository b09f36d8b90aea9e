#pragma once

#include "pages/Pages.h"

// Composes a page the size of a full report page (about 2,000 elements):
// framed header cells with texts, a 10-metre probing card with dotted row
// lines, filled depth-staff cells, blow-count bars and value labels with
// indices.
void ComposeReportLikePage(TVrPages& pages);
