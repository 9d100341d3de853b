// Texts and byte strings as the rest of the program sees them.
//
// A Text is a run of bytes in the system ANSI code page (GBK on the systems
// Zelvora is made for) with no NUL inside; std::string adds the terminating
// NUL when its c_str() reaches Windows. Lengths and positions are byte counts,
// positions 1-based. Bytes may hold NULs and carry no terminator.
//
// Nothing in this file calls Windows: it builds and is fuzzed natively too.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

Text JoinTexts(std::initializer_list<std::string_view> parts);

template <typename... Parts>
Text JoinTexts(const Parts&... parts) {
    return JoinTexts({std::string_view(parts)...});
}

int TextLength(std::string_view t);
Text TakeLeft(std::string_view t, int n);
Text TakeRight(std::string_view t, int n);

// Position of the last occurrence of s in t, scanning character by character:
// a byte 0x80-0xFF starts a two-byte character, so a match never begins on
// the trail byte of one (GBK trail bytes include 0x5C, the backslash).
// -1 when s does not occur, or when s is empty.
int FindLast(std::string_view t, std::string_view s);

Bytes TextToBytes(std::string_view t);
int ByteCount(const Bytes& b);

// Every non-overlapping occurrence of find, left to right, becomes
// replacement; replaced bytes are not scanned again. An empty find leaves b.
Bytes ReplaceInBytes(const Bytes& b, const Bytes& find, const Bytes& replacement);

// A Text built from a buffer Windows filled: up to the first NUL, never past
// the given size.
Text TextFromBuffer(const char* data, std::size_t size);
