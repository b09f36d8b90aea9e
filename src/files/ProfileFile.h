#pragma once

#include "files/FieldIo.h"
#include "model/Engine.h"
#include "model/GeoProfile.h"

#include <string>
#include <string_view>

inline constexpr std::string_view ProfileFileIdentifier =
    "Brennholt.Formats.ArdelvenQuistra.Profile";

// The profile block shared by the test file and the profile file: water
// levels, end depth, the layer count and the layers. Reading clears the
// layers, refills them and normalizes; a layer cut off by the end of the data
// is dropped, and a count larger than the data can hold stops at the end.
void TransferProfileBlock(TFieldIo& io, TGeoProfile& profile);

// Profile files (*.pg): the profile block on its own.
FileOperationResult SaveProfile(TGeoProfile& profile, const std::string& path);
// True when the block was read (the file has the profile identifier and a
// version from 1 to 242); otherwise the profile is untouched.
bool LoadProfile(TGeoProfile& profile, const std::string& path);
// The same with the reason of a refusal and the stored version.
FileOperationResult LoadProfileFile(TGeoProfile& profile, const std::string& path);

// The same on in-memory file images (tests, fuzzing, the benchmark).
std::string EncodeProfile(TGeoProfile& profile);
bool DecodeProfile(TGeoProfile& profile, std::string_view image);
