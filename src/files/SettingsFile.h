#pragma once

#include "files/FieldIo.h"
#include "model/Engine.h"

#include <string>
#include <string_view>

inline constexpr std::string_view SettingsFileIdentifier =
    "Brennholt.Formats.ArdelvenQuistra.Settings";

// The settings file lives in the working directory (SettingsDir is empty).
inline constexpr std::string_view SettingsFileName = "Ustawienia.dat";

// Where the engine's settings file is: SettingsDir followed by the file name.
std::string SettingsPath(const TEngine& engine);

// The body after the version: application options, the evaluation defaults,
// the colour scheme name and the receiver options. Reading copies the
// evaluation defaults into the current test as well.
void TransferSettingsBody(TFieldIo& io, TEngine& engine);

// In-memory images with the rules of TEngine::SaveSettings / LoadSettings.
std::string EncodeSettings(TEngine& engine);
bool DecodeSettings(TEngine& engine, std::string_view image);
