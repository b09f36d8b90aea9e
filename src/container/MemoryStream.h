#pragma once

#include <cstdint>
#include <memory>

// A growable byte buffer with a position. Capacity starts at 10240 bytes and
// grows by 10240 (or by the write's length when that is larger), so the many
// small field writes of a file cost few reallocations.
class TVrMemoryStream {
public:
    static constexpr int32_t InitialCapacity = 10240;
    static constexpr int32_t GrowStep = 10240;

    TVrMemoryStream();
    virtual ~TVrMemoryStream() = default;

    // Drops the content: a new buffer of the current capacity, size and position 0.
    void Clear();
    // Copies n bytes at the position; returns n (0 for n <= 0).
    int32_t Write(const void* bytes, int32_t n);
    // Copies n bytes from the position; when fewer than n remain it returns 0
    // and changes neither the destination nor the position.
    int32_t Read(void* destination, int32_t n);
    void SetPosition(int32_t p) { position_ = p; }
    // Truncates or extends (zero-filled) to exactly n bytes.
    void SetSize(int32_t n);

    int32_t Position() const { return position_; }
    int32_t Size() const { return size_; }
    int32_t Capacity() const { return capacity_; }
    int32_t Remaining() const { return position_ < size_ ? size_ - position_ : 0; }
    const uint8_t* Data() const { return buffer_.get(); }

private:
    void Reserve(int32_t capacity);

    std::unique_ptr<uint8_t[]> buffer_;
    int32_t size_ = 0;
    int32_t capacity_ = InitialCapacity;
    int32_t position_ = 0;
};
