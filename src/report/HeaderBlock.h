#pragma once

#include "model/Protocol.h"

class TVrPage;

// The framed header at the top of a report page: title box, order and site
// data, GPS position, probe row and standard line; on landscape pages (tests
// with vane tests) also the torque wrench and vane column. The compact
// variant leaves out contractor, site, project, order, place and date (and
// the wrench number, range and accuracy) and is 22 mm lower.
void DrawHeaderBlock(TVrPage& page, const TProtocol& test, bool compact, double x, double y);

// The header's standard line for the test's Norm.
std::string StandardLine(int norm);
// Subtitle of the title box ("SONDĄ DYNAMICZNĄ LEKKĄ (SD-10)" ...), empty for no probe.
std::string HeaderSubtitle(const TProtocol& test);
