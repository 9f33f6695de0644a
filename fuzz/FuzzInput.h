// SPDX-License-Identifier: MIT
// Reads typed values off the bytes of a fuzzing input, front to back; past the end it gives zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T> T Take() {
        T value{};
        const std::size_t n = sizeof(T) < size_ - used_ ? sizeof(T) : size_ - used_;
        if (n > 0)
            std::memcpy(&value, data_ + used_, n);
        used_ += n;
        return value;
    }

    // The bytes not yet taken, as text.
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(data_ + used_), size_ - used_};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};
