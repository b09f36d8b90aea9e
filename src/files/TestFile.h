#pragma once

#include "files/FieldIo.h"
#include "model/Engine.h"

#include <string>
#include <string_view>

inline constexpr std::string_view TestFileIdentifier = "Brennholt.Formats.ArdelvenQuistra.Protocol";

// The body of a test file (*.sdn) after the version: header, sheet options,
// profile, readings, vanes and wrenches, page numbers, and the two engine
// options kept with every test. One routine for both directions; reading
// fills the engine's current test in place and leaves every field the stored
// version lacks as it was.
void TransferTestBody(TFieldIo& io, TEngine& engine);

// In-memory file images of the engine's current test, with the same rules as
// TEngine::SaveTest and TEngine::LoadTest (which set FileName, Bound and
// Modified on top).
std::string EncodeTest(TEngine& engine);
FileOperationResult DecodeTest(TEngine& engine, std::string_view image);
