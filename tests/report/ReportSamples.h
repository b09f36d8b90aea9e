#pragma once

// Realistic tests built in code: the report tests, the benchmark, the sample
// files under samples/ and the rendering check all start from these.

#include "model/Engine.h"

#include <memory>

// 12 m DPL probing on sand with ground water at 3,40 m (stabilised 3,10 m).
void BuildDplSandSample(TProtocol& t);
// DPSH-B probing (N20 every 0,2 m) to the given depth through sand and gravel.
void BuildDpshbSample(TProtocol& t, double depthM = 14.0);
// DPL probing with field vane tests in a cohesive layer.
void BuildFvtSample(TProtocol& t);
// Cone-vane probe test (SLVT) with vane torques every half metre.
void BuildSlvtSample(TProtocol& t);
// A DPL probing of the given depth with sand layers (for the benchmark).
void BuildDplSample(TProtocol& t, double depthM);

// Common Polish header data of the samples.
void FillSampleHeader(TProtocol& t, const char* testNumber);
