// BuildLinkCommand into a buffer of exactly capacity bytes, so that any
// write past it is a heap overflow. The capacity is mostly chosen near the
// size the result needs, where an off-by-one would show.
#include "app/link_command.h"
#include "exact_buffer.h"
#include "fuzz_support.h"

#include <cstring>
#include <string_view>

namespace {

std::string ExpectedCommand(const std::string& registered, const std::string& address) {
    std::size_t keep = registered.find("\"%1\"");
    if (keep == std::string::npos) keep = registered.find("%1");
    return registered.substr(0, keep) + " " + address;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t mode = input.Byte();
    const std::uint8_t amount = input.Byte();
    // C strings: whatever follows a NUL is not part of them.
    const std::string address = input.Part().c_str();
    const std::string registered = input.Rest().c_str();

    const std::string expected = ExpectedCommand(registered, address);
    std::size_t capacity = amount;
    if (mode % 3 == 0) {
        const std::size_t needed = expected.size() + 1;
        const std::size_t offset = amount % 7;
        capacity = needed + offset >= 3 ? needed + offset - 3 : 0;
    } else if (mode % 3 == 1) {
        capacity = kLinkCommandCapacity;
    }

    // The strings end at their NUL, so a read past it is caught as well.
    ExactBuffer registeredText(std::string_view(registered.c_str(), registered.size() + 1));
    ExactBuffer addressText(std::string_view(address.c_str(), address.size() + 1));
    ExactBuffer out(std::string(capacity, 'X'));
    const bool built = BuildLinkCommand(registeredText.data(), addressText.data(), out.data(), capacity);

    REQUIRE(built == (expected.size() < capacity));
    if (built) {
        const std::size_t length = std::strlen(out.data());
        REQUIRE(length < capacity);
        REQUIRE(std::string(out.data()) == expected);
        const std::string_view command(out.data(), length);
        REQUIRE(command.size() > address.size() &&
                command.substr(length - address.size() - 1) == " " + address);
    } else if (capacity > 0) {
        REQUIRE(out.data()[0] == '\0');
    }
    return 0;
}
