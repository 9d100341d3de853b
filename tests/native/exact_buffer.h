// A heap copy of some bytes with no slack and no terminator after them, so
// that AddressSanitizer reports a read one byte past the end. String
// literals and std::string both carry a NUL that would hide such a read.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

class ExactBuffer {
public:
    // AddressSanitizer treats new char[0] as one usable byte, so an empty
    // buffer points just past a one-byte block instead: touching it is
    // reported all the same.
    explicit ExactBuffer(std::string_view bytes)
        : block_(new char[bytes.empty() ? 1 : bytes.size()]),
          data_(bytes.empty() ? block_.get() + 1 : block_.get()),
          size_(bytes.size()) {
        if (size_ != 0) std::memcpy(data_, bytes.data(), size_);
    }

    char* data() { return data_; }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_, size_}; }

private:
    std::unique_ptr<char[]> block_;
    char* data_;
    std::size_t size_;
};
