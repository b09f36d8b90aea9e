#pragma once

#include "Json.h"

#include <cstdint>

class TEngine;
class TGeoProfile;
class TProtocol;

// Every stored field of a test, keyed by the model's field names.
void WriteTestDump(JsonWriter& json, const TEngine& engine, uint32_t fileVersion);
// The profile block: water levels, end and layers.
void WriteProfileDump(JsonWriter& json, const TGeoProfile& profile, std::string_view key = {});
// The results of a verification run.
void WriteVerification(JsonWriter& json, const TProtocol& test, bool complete);
