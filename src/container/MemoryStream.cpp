#include "container/MemoryStream.h"

#include <cstring>

TVrMemoryStream::TVrMemoryStream() : buffer_(new uint8_t[InitialCapacity]()) {}

void TVrMemoryStream::Clear() {
    buffer_.reset(new uint8_t[static_cast<size_t>(capacity_)]());
    size_ = 0;
    position_ = 0;
}

void TVrMemoryStream::Reserve(int32_t capacity) {
    std::unique_ptr<uint8_t[]> grown(new uint8_t[static_cast<size_t>(capacity)]());
    if (size_ > 0)
        std::memcpy(grown.get(), buffer_.get(), static_cast<size_t>(size_));
    buffer_ = std::move(grown);
    capacity_ = capacity;
}

int32_t TVrMemoryStream::Write(const void* bytes, int32_t n) {
    if (n <= 0 || position_ < 0)
        return 0;
    // Grow by one step, or by the whole write when it is larger than a step.
    // Compared against the end of the write, not the size, so a write at a
    // position past the end can never run out of the buffer.
    int64_t end = int64_t(position_) + n;
    if (int64_t(size_) + n > capacity_ || end > capacity_) {
        int64_t grown = int64_t(capacity_) + (n > GrowStep ? n : GrowStep);
        if (grown < end)
            grown = end;
        if (grown > INT32_MAX)
            return 0;
        Reserve(static_cast<int32_t>(grown));
    }
    std::memcpy(buffer_.get() + position_, bytes, static_cast<size_t>(n));
    position_ += n;
    if (position_ > size_)
        size_ = position_;
    return n;
}

int32_t TVrMemoryStream::Read(void* destination, int32_t n) {
    if (n <= 0 || position_ < 0 || int64_t(position_) + n > size_)
        return 0;
    std::memcpy(destination, buffer_.get() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

void TVrMemoryStream::SetSize(int32_t n) {
    if (n < 0)
        n = 0;
    if (n > capacity_)
        Reserve(n);
    if (n > size_)
        std::memset(buffer_.get() + size_, 0, static_cast<size_t>(n - size_));
    size_ = n;
    if (position_ > size_)
        position_ = size_;
}
