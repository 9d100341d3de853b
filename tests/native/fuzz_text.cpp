// The small text helpers: TakeLeft, TakeRight, JoinTexts, TextToBytes and
// TextFromBuffer, each held to what it must return for any length and any n.
#include "exact_buffer.h"
#include "fuzz_support.h"
#include "system/text.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i) raw = raw << 8 | input.Byte();
    const int n = static_cast<int>(raw);
    const ExactBuffer other(input.Part());
    const ExactBuffer t(input.Rest());

    const std::size_t wanted = n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), t.size());
    const Text left = TakeLeft(t.view(), n);
    const Text right = TakeRight(t.view(), n);
    REQUIRE(left == t.view().substr(0, wanted));
    REQUIRE(right == t.view().substr(t.size() - wanted));
    REQUIRE(TextLength(t.view()) == static_cast<int>(t.size()));

    const int rest = static_cast<int>(t.size() - wanted);
    REQUIRE(JoinTexts(TakeLeft(t.view(), static_cast<int>(wanted)), TakeRight(t.view(), rest)) ==
            t.view());
    REQUIRE(JoinTexts(other.view(), t.view()) == Text(other.view()) + Text(t.view()));

    const Bytes bytes = TextToBytes(t.view());
    REQUIRE(ByteCount(bytes) == static_cast<int>(t.size()));
    REQUIRE(std::equal(bytes.begin(), bytes.end(), t.view().begin(), t.view().end(),
                       [](std::uint8_t b, char c) { return b == static_cast<unsigned char>(c); }));

    // The buffer holds exactly size bytes: a read past it is a heap overflow.
    ExactBuffer buffer(t.view());
    const Text fromBuffer = TextFromBuffer(buffer.data(), buffer.size());
    REQUIRE(fromBuffer == t.view().substr(0, t.view().find('\0')));
    return 0;
}
