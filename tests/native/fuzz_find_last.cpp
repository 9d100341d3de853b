// FindLast against a model of character starts: the answer is the last
// character start where s occurs, and -1 exactly when there is none.
#include "exact_buffer.h"
#include "fuzz_support.h"
#include "system/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const ExactBuffer s(input.Part());
    const ExactBuffer t(input.Rest());

    const int found = FindLast(t.view(), s.view());
    const std::vector<bool> starts = CharacterStarts(t.view());
    const auto matchesAt = [&](std::size_t i) {
        return starts[i] && t.size() - i >= s.size() && t.view().compare(i, s.size(), s.view()) == 0;
    };

    if (s.size() == 0) {
        REQUIRE(found == -1);
        return 0;
    }
    REQUIRE(found == -1 || (found >= 1 && static_cast<std::size_t>(found) <= t.size()));
    const std::size_t laterFrom = found == -1 ? 0 : static_cast<std::size_t>(found);
    if (found != -1) REQUIRE(matchesAt(laterFrom - 1));
    for (std::size_t i = laterFrom; i < t.size(); ++i) REQUIRE(!matchesAt(i));
    return 0;
}
