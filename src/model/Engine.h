#pragma once

#include "model/Protocol.h"
#include "model/SheetOptions.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TVrPages;

// Outcome of a file operation: ok, or the reason in words the window can
// show after the file name.
struct FileOperationResult {
    bool ok = false;
    std::string error;
    bool lossyText = false; // some text could not be written in Windows-1250 and became "?"
    uint32_t version = 0;   // the version a loaded file was written with
};

// The one engine of the run: owns the current test, the application-wide
// defaults and paths.
class TEngine {
public:
    // applicationDir: the directory of the executable; DataDir is derived
    // from it ("Dane/" when that directory exists, else "Projects/").
    explicit TEngine(const std::string& applicationDir = {});
    virtual ~TEngine() = default;
    TEngine(const TEngine&) = delete;
    TEngine& operator=(const TEngine&) = delete;

    std::unique_ptr<TProtocol> Protocol;
    std::string FileName;
    bool Bound = false;
    bool Modified = false;
    std::string SettingsDir; // prefix of the settings file; empty = working directory
    std::string DataDir;
    bool ShowLayerEditorWarning = true;
    bool FooterByClient = false;
    int32_t ServerPort = 8080;
    bool StartServerOnLaunch = false;
    bool PreviewOnReceive = false;
    bool GoToTableOnReceive = true;
    bool DefaultStrict = false;
    int32_t DefaultCorrectMode = 1;
    uint8_t DefaultNorm = 0;
    double DefaultParA = NoValue;
    double DefaultParB = NoValue;
    T050Param DefaultUserCorr;
    TWaterCorrection DefaultWaterCorr;
    // The colour scheme name restored from the settings file; the window
    // applies it.
    std::string SkinName;

    // Called by MarkModified so the window repaints its status bar.
    std::function<void()> OnModified;

    // Discards the current test and starts a fresh one with the default
    // evaluation settings.
    void New();
    void MarkModified();
    bool IsNamed() const { return !FileName.empty(); }
    bool IsModified() const { return Modified; }
    bool IsBound() const { return Bound; }

    // Brings every derived value of the current test up to date; true when
    // the evaluation is complete. Defined with the evaluation.
    bool Verify();

    // Test files (*.sdn). Defined with the file formats.
    FileOperationResult SaveTest(const std::string& path);
    FileOperationResult LoadTest(const std::string& path);
    // The settings file and the history lists. Defined with the file formats.
    bool LoadSettings();
    FileOperationResult SaveSettings();
    std::vector<std::string> LoadHistory(const std::string& listName) const;
    FileOperationResult SaveHistory(const std::string& listName,
                                    const std::vector<std::string>& items) const;

    // Composes the report of the current test into the page set. Defined with the report.
    void BuildReport(TVrPages& pages);
};
