#include "container/AppData.h"

#include "base/Cp1250.h"
#include "base/FileIo.h"

#include <cstring>
#include <limits>

namespace {

template <typename U> void StoreLittleEndian(U value, uint8_t* out) {
    for (size_t i = 0; i < sizeof(U); ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * i));
}

template <typename U> U LoadLittleEndian(const uint8_t* in) {
    U value = 0;
    for (size_t i = 0; i < sizeof(U); ++i)
        value |= static_cast<U>(static_cast<U>(in[i]) << (8 * i));
    return value;
}

} // namespace

TAppData::TAppData(std::string fileName) : FileName(std::move(fileName)) {}

bool TAppData::BeginWrite(std::string_view identifier) {
    Stream.Clear();
    if (!identifier.empty())
        Stream.Write(identifier.data(), static_cast<int32_t>(identifier.size()));
    Mode = ModeWriting;
    readPastEnd_ = false;
    lossyText_ = false;
    error_.clear();
    return true;
}

bool TAppData::BeginRead(std::string_view identifier) {
    Mode = ModeReading;
    readPastEnd_ = false;
    error_.clear();
    const auto idLength = static_cast<int32_t>(identifier.size());
    std::string probe(identifier.size(), '\0');

    if (!FileName.empty()) {
        std::string bytes;
        FileResult read = ReadWholeFile(FileName, bytes);
        if (read.ok) {
            if (bytes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 2)) {
                error_ = "file too large";
                return false;
            }
            const auto fileSize = static_cast<int32_t>(bytes.size());
            if (fileSize != 0) {
                Stream.Clear();
                Stream.Write(bytes.data(), fileSize);
                Stream.SetPosition(0);
            }
            if (identifier.empty())
                return true;
            if (idLength >= fileSize)
                return false;
            if (Stream.Read(probe.data(), idLength) == idLength && probe == identifier)
                return true;
        } else {
            error_ = read.error;
        }
    }
    // A container filled in memory: check the identifier at the start of the stream.
    Stream.SetPosition(0);
    if (identifier.empty())
        return true;
    if (Stream.Read(probe.data(), idLength) == idLength && probe == identifier)
        return true;
    return false;
}

bool TAppData::Finish(TVrMemoryStream* target) {
    bool ok = true;
    if (Mode == ModeWriting) {
        std::string_view image(reinterpret_cast<const char*>(Stream.Data()),
                               static_cast<size_t>(Stream.Size()));
        if (!FileName.empty()) {
            FileResult written = WriteFileAtomically(FileName, image);
            ok = written.ok;
            error_ = written.error;
        } else if (target) {
            target->SetSize(0);
            target->SetPosition(0);
            target->Write(Stream.Data(), Stream.Size());
        }
    }
    Mode = ModeIdle;
    return ok;
}

void TAppData::WriteString(const std::string& text) {
    std::string bytes = Utf8ToCp1250(text, &lossyText_);
    uint8_t length[4];
    StoreLittleEndian<uint32_t>(static_cast<uint32_t>(bytes.size()), length);
    Stream.Write(length, 4);
    Stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TAppData::ReadString(std::string& text) {
    text.clear();
    uint8_t raw[4];
    if (Stream.Read(raw, 4) != 4) {
        readPastEnd_ = true;
        return;
    }
    uint32_t length = LoadLittleEndian<uint32_t>(raw);
    if (length == 0)
        return;
    // Check against what is there before allocating anything for it.
    if (length > static_cast<uint32_t>(Stream.Remaining())) {
        readPastEnd_ = true;
        Stream.SetPosition(Stream.Size());
        return;
    }
    std::string bytes(length, '\0');
    Stream.Read(bytes.data(), static_cast<int32_t>(length));
    text = Cp1250ToUtf8(bytes);
}

void TAppData::Transfer(void* bytes, int32_t n) {
    if (Mode == ModeReading) {
        if (Stream.Read(bytes, n) != n && n > 0)
            readPastEnd_ = true;
    } else {
        Stream.Write(bytes, n);
    }
}

void TAppData::TransferFixed(void* bytes, int32_t n) {
    if (Mode == ModeReading || Mode == ModeWriting)
        Transfer(bytes, n);
}

void TAppData::TransferBool(bool& value) {
    uint8_t b = value ? 1 : 0;
    TransferByte(b);
    if (Mode == ModeReading)
        value = b != 0;
}

void TAppData::TransferByte(uint8_t& value) {
    TransferFixed(&value, 1);
}

void TAppData::TransferInt16(int16_t& value) {
    uint8_t raw[2];
    StoreLittleEndian<uint16_t>(static_cast<uint16_t>(value), raw);
    TransferFixed(raw, 2);
    value = static_cast<int16_t>(LoadLittleEndian<uint16_t>(raw));
}

void TAppData::TransferInt32(int32_t& value) {
    uint32_t u = static_cast<uint32_t>(value);
    TransferUInt32(u);
    value = static_cast<int32_t>(u);
}

void TAppData::TransferUInt32(uint32_t& value) {
    uint8_t raw[4];
    StoreLittleEndian<uint32_t>(value, raw);
    TransferFixed(raw, 4);
    value = LoadLittleEndian<uint32_t>(raw);
}

void TAppData::TransferDouble(double& value) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    uint8_t raw[8];
    StoreLittleEndian<uint64_t>(bits, raw);
    TransferFixed(raw, 8);
    bits = LoadLittleEndian<uint64_t>(raw);
    std::memcpy(&value, &bits, 8);
}

void TAppData::TransferString(std::string& text) {
    if (Mode == ModeWriting)
        WriteString(text);
    else if (Mode == ModeReading)
        ReadString(text);
}
