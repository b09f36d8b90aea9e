#pragma once

#include "model/Protocol.h"

// The verification run: brings every derived value of a test up to date
// (corrected blow counts, vane results, I_D, I_S and density states of the
// readings, layer means, MaxDepth, Portrait) and writes the list of conformity
// errors into Errors. True when every evaluated reading got an I_D. Never
// fails: missing data shows as NoValue results, error lines and false.
bool Verify(TProtocol& test);
