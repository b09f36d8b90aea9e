#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Builds file images byte by byte, little-endian, as the formats lay them out.
class TByteBuilder {
public:
    TByteBuilder& Raw(std::string_view bytes) {
        bytes_.append(bytes);
        return *this;
    }
    TByteBuilder& Byte(uint8_t v) {
        bytes_.push_back(static_cast<char>(v));
        return *this;
    }
    TByteBuilder& Int16(int16_t v) { return Little(static_cast<uint16_t>(v), 2); }
    TByteBuilder& Int32(int32_t v) { return Little(static_cast<uint32_t>(v), 4); }
    TByteBuilder& UInt32(uint32_t v) { return Little(v, 4); }
    TByteBuilder& Double(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Little(bits, 8);
    }
    // Windows-1250 bytes given as they are.
    TByteBuilder& String(std::string_view cp1250) {
        UInt32(static_cast<uint32_t>(cp1250.size()));
        return Raw(cp1250);
    }
    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    TByteBuilder& Little(uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    std::string bytes_;
};
