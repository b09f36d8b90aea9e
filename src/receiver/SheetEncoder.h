#pragma once

#include "base/DateTime.h"

#include <string>

class TProtocol;

// The test's readings and header fields laid out as a sheet of the field
// application (see SheetFormat.h), ready to be written to a TCP connection.
// Only readings with a blow count or a torque travel: the receiver would skip
// the others. An absent torque is sent as -1, the test date to the second.
// lossyText, when given, is set when some text could not be held in
// Windows-1250 and was sent as "?".
std::string EncodeSheet(const TProtocol& protocol, bool* lossyText = nullptr);

// "yyyy-mm-dd hh:mm:ss" of a date-time, rounded to the nearest second.
std::string FormatSheetDate(DateTime value);
