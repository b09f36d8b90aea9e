#include "files/FieldIo.h"

void TFieldIo::EndDataAfterFailedRead() {
    if (data_.Reading() && data_.ReadPastEnd())
        data_.Stream.SetPosition(data_.Stream.Size());
}

void TFieldIo::Bool(bool& value) {
    data_.TransferBool(value);
    EndDataAfterFailedRead();
}

void TFieldIo::Bools(std::initializer_list<bool*> values) {
    for (bool* value : values)
        Bool(*value);
}

void TFieldIo::Byte(uint8_t& value) {
    data_.TransferByte(value);
    EndDataAfterFailedRead();
}

void TFieldIo::WidenedByte(uint8_t& value) {
    int16_t wide = value;
    Int16(wide);
    // A failed read leaves wide as it was, so this assignment keeps the value.
    value = static_cast<uint8_t>(wide & 0xFF);
}

void TFieldIo::Int16(int16_t& value) {
    data_.TransferInt16(value);
    EndDataAfterFailedRead();
}

void TFieldIo::Int32(int32_t& value) {
    data_.TransferInt32(value);
    EndDataAfterFailedRead();
}

void TFieldIo::UInt32(uint32_t& value) {
    data_.TransferUInt32(value);
    EndDataAfterFailedRead();
}

void TFieldIo::Double(double& value) {
    data_.TransferDouble(value);
    EndDataAfterFailedRead();
}

void TFieldIo::Doubles(std::initializer_list<double*> values) {
    for (double* value : values)
        Double(*value);
}

void TFieldIo::String(std::string& text) {
    if (!data_.Reading()) {
        data_.TransferString(text);
        return;
    }
    // ReadString empties its target before reading: read aside so a string
    // cut off (or with a length the data cannot hold) keeps the old text.
    if (!Ok())
        return;
    std::string read;
    data_.ReadString(read);
    EndDataAfterFailedRead();
    if (Ok())
        text = std::move(read);
}

void TFieldIo::Strings(std::initializer_list<std::string*> texts) {
    for (std::string* text : texts)
        String(*text);
}

bool TFieldIo::TransferVersion() {
    if (data_.Reading())
        data_.Version = 0; // a file cut before its version is refused
    else
        data_.Version = CurrentFileVersion;
    UInt32(data_.Version);
    return data_.Version >= 1 && data_.Version <= CurrentFileVersion;
}

std::string RefusalReason(const TAppData& data, std::string_view kind) {
    if (!data.Error().empty())
        return "cannot read: " + data.Error();
    return "not an Ardelven Quistra " + std::string(kind) + " file";
}

std::string VersionRefusal(uint32_t version) {
    if (version > CurrentFileVersion)
        return "file version " + std::to_string(version) + " is newer than this program (" +
               std::to_string(CurrentFileVersion) + ")";
    return "file version " + std::to_string(version) + " is not valid";
}

void LoadImage(TAppData& data, std::string_view image) {
    data.Stream.Clear();
    data.Stream.Write(image.data(), static_cast<int32_t>(image.size()));
    data.Stream.SetPosition(0);
}

std::string ImageOf(const TAppData& data) {
    return std::string(reinterpret_cast<const char*>(data.Stream.Data()),
                       static_cast<size_t>(data.Stream.Size()));
}

FileOperationResult FinishWriting(TAppData& data) {
    FileOperationResult result;
    result.ok = data.Finish();
    result.error = data.Error();
    result.lossyText = data.LossyText();
    return result;
}
