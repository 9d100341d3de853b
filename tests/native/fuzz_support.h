// What the fuzz targets share: cutting one fuzz input into several
// arguments, an independent model of where characters start, and the abort
// that turns a broken property into a libFuzzer crash with a saved input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define REQUIRE(condition)                                                                    \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// Each argument but the last is a length byte followed by that many bytes
// (fewer when the input runs out); the last argument is whatever remains.
// Seeds stay easy to write by hand: "\x03abc" + "rest".
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    std::string Part() {
        std::size_t length = Byte();
        if (length > size_ - at_) length = size_ - at_;
        return Take(length);
    }

    std::string Rest() { return Take(size_ - at_); }

private:
    std::string Take(std::size_t length) {
        std::string part(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return part;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// starts[i] is true when byte i begins a character: a byte 0x80-0xFF takes
// the next byte with it, unless it is the last byte. Written apart from the
// product's scan on purpose, so the two can disagree.
inline std::vector<bool> CharacterStarts(std::string_view t) {
    std::vector<bool> starts(t.size(), false);
    for (std::size_t i = 0; i < t.size(); ++i) {
        starts[i] = true;
        if (static_cast<unsigned char>(t[i]) >= 0x80) ++i;
    }
    return starts;
}
