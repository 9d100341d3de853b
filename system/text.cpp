#include "system/text.h"

#include <algorithm>
#include <cstring>

Text JoinTexts(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    Text joined;
    joined.reserve(total);
    for (std::string_view part : parts) joined.append(part);
    return joined;
}

int TextLength(std::string_view t) { return static_cast<int>(t.size()); }

Text TakeLeft(std::string_view t, int n) {
    if (n <= 0) return Text();
    return Text(t.substr(0, static_cast<std::size_t>(n)));
}

Text TakeRight(std::string_view t, int n) {
    if (n <= 0) return Text();
    if (static_cast<std::size_t>(n) >= t.size()) return Text(t);
    return Text(t.substr(t.size() - static_cast<std::size_t>(n)));
}

int FindLast(std::string_view t, std::string_view s) {
    if (s.empty()) return -1;
    int found = -1;
    std::size_t at = 0;
    while (t.size() - at >= s.size()) {
        if (t.compare(at, s.size(), s) == 0) found = static_cast<int>(at) + 1;
        const bool lead = static_cast<unsigned char>(t[at]) >= 0x80;
        // A lead byte in the last place is a character of its own.
        at += (lead && at + 1 < t.size()) ? 2 : 1;
    }
    return found;
}

Bytes TextToBytes(std::string_view t) { return Bytes(t.begin(), t.end()); }

int ByteCount(const Bytes& b) { return static_cast<int>(b.size()); }

Bytes ReplaceInBytes(const Bytes& b, const Bytes& find, const Bytes& replacement) {
    if (b.empty() || find.empty()) return b;
    Bytes result;
    result.reserve(b.size());
    std::size_t at = 0;
    while (b.size() - at >= find.size()) {
        if (std::equal(find.begin(), find.end(), b.begin() + static_cast<std::ptrdiff_t>(at))) {
            result.insert(result.end(), replacement.begin(), replacement.end());
            at += find.size();
        } else {
            result.push_back(b[at]);
            ++at;
        }
    }
    result.insert(result.end(), b.begin() + static_cast<std::ptrdiff_t>(at), b.end());
    return result;
}

Text TextFromBuffer(const char* data, std::size_t size) {
    const void* nul = std::memchr(data, '\0', size);
    return Text(data, nul ? static_cast<const char*>(nul) - data : size);
}
