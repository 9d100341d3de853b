#include "app/link_command.h"

#include <cstring>

bool BuildLinkCommand(const char* registered, const char* address, char* out, std::size_t capacity) {
    if (capacity == 0) return false;
    out[0] = '\0';
    std::size_t keep = std::strlen(registered);
    if (const char* quoted = std::strstr(registered, "\"%1\"")) {
        keep = static_cast<std::size_t>(quoted - registered);
    } else if (const char* bare = std::strstr(registered, "%1")) {
        keep = static_cast<std::size_t>(bare - registered);
    }
    const std::size_t addressLength = std::strlen(address);
    // keep + space + address + NUL, checked without overflow.
    if (keep >= capacity || addressLength >= capacity - keep - 1) return false;
    std::memcpy(out, registered, keep);
    out[keep] = ' ';
    std::memcpy(out + keep + 1, address, addressLength);
    out[keep + 1 + addressLength] = '\0';
    return true;
}
