// ReplaceInBytes against a search-based model of left-to-right,
// non-overlapping replacement, plus a round trip through a marker byte that
// occurs nowhere else, which checks the function against itself.
#include "fuzz_support.h"
#include "system/text.h"

#include <algorithm>

namespace {

Bytes Model(const Bytes& b, const Bytes& find, const Bytes& replacement) {
    if (find.empty()) return b;
    Bytes result;
    auto at = b.begin();
    for (;;) {
        const auto hit = std::search(at, b.end(), find.begin(), find.end());
        result.insert(result.end(), at, hit);
        if (hit == b.end()) return result;
        result.insert(result.end(), replacement.begin(), replacement.end());
        at = hit + static_cast<std::ptrdiff_t>(find.size());
    }
}

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const Bytes find = ToBytes(input.Part());
    const Bytes replacement = ToBytes(input.Part());
    const Bytes b = ToBytes(input.Rest());

    REQUIRE(ReplaceInBytes(b, find, replacement) == Model(b, find, replacement));

    if (find.empty()) return 0;
    int marker = 0;
    while (marker < 256 && (std::count(b.begin(), b.end(), marker) != 0 ||
                            std::count(find.begin(), find.end(), marker) != 0)) {
        ++marker;
    }
    if (marker == 256) return 0;
    const Bytes marked = ReplaceInBytes(b, find, Bytes{static_cast<std::uint8_t>(marker)});
    const auto hits = static_cast<std::size_t>(std::count(marked.begin(), marked.end(), marker));
    REQUIRE(marked.size() + hits * (find.size() - 1) == b.size());
    REQUIRE(ReplaceInBytes(marked, Bytes{static_cast<std::uint8_t>(marker)}, find) == b);
    return 0;
}
