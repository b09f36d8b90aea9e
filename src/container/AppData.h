#pragma once

#include "container/MemoryStream.h"

#include <cstdint>
#include <string>
#include <string_view>

// The sequential record container behind every binary format: an identifier
// text, a uint32 version, then the format's fields one after another with no
// tags or lengths around them. A format is one transfer routine that visits
// its fields in order; in writing mode each Transfer* call appends the field,
// in reading mode the same call reads it back, so reader and writer cannot
// drift apart. All numbers are little-endian whatever the machine.
class TAppData {
public:
    enum : uint8_t { ModeIdle = 0, ModeReading = 1, ModeWriting = 2 };

    explicit TAppData(std::string fileName = {});
    virtual ~TAppData() = default;

    std::string FileName;
    TVrMemoryStream Stream;
    uint8_t Mode = ModeIdle;
    uint32_t Version = 0;

    // Clears the stream, writes the identifier's bytes, enters writing mode.
    bool BeginWrite(std::string_view identifier);
    // Loads FileName (when it can be read) and checks the identifier; with an
    // empty or unreadable FileName, checks what Stream already holds. On
    // success the position is just behind the identifier.
    bool BeginRead(std::string_view identifier);
    // In writing mode saves the stream to FileName (atomically), or copies it
    // into target when there is no file name. Returns to idle mode.
    bool Finish(TVrMemoryStream* target = nullptr);

    // Strings: uint32 length, then Windows-1250 bytes. Text in memory is UTF-8.
    void WriteString(const std::string& text);
    // Empties text, then reads it. A length that runs past the end of the
    // data reads as empty and ends the data: every later read fails, so a
    // damaged file yields the fields before the damage and nothing invented.
    void ReadString(std::string& text);
    // Reads n bytes in reading mode, writes them in any other mode.
    void Transfer(void* bytes, int32_t n);

    // Field transfers by type: write in writing mode, read in reading mode,
    // nothing when idle. A read past the end leaves the field as it was.
    void TransferBool(bool& value);
    void TransferByte(uint8_t& value);
    void TransferInt16(int16_t& value);
    void TransferInt32(int32_t& value);
    void TransferUInt32(uint32_t& value);
    void TransferDouble(double& value);
    void TransferString(std::string& text);

    bool Reading() const { return Mode == ModeReading; }
    bool Writing() const { return Mode == ModeWriting; }
    // In reading mode: bytes left after the position.
    int32_t Remaining() const { return Stream.Remaining(); }
    // True after a read in this session could not be satisfied (the data ended).
    bool ReadPastEnd() const { return readPastEnd_; }
    // True when some text could not be held in Windows-1250 and was written as "?".
    bool LossyText() const { return lossyText_; }
    // Why BeginRead or Finish failed, in the system's words.
    const std::string& Error() const { return error_; }

private:
    void TransferFixed(void* bytes, int32_t n);
    bool readPastEnd_ = false;
    bool lossyText_ = false;
    std::string error_;
};
