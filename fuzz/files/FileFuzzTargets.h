#pragma once

#include <string_view>

// The bodies of the file-format fuzzers, shared with the test that replays
// their seed corpora. Each returns whether the input was accepted; a broken
// invariant traps.

// Loads the bytes as a test file; an accepted file must save, load and save
// again to the same bytes.
bool FuzzTestFile(std::string_view bytes);
// Loads the bytes as a profile file; the same stability check.
bool FuzzProfileFile(std::string_view bytes);
// Loads the bytes as a settings file; the same stability check.
bool FuzzSettingsFile(std::string_view bytes);
// Pastes the bytes as clipboard text over a test with one reading; a refused
// table must leave that reading alone.
bool FuzzTableImport(std::string_view bytes);
