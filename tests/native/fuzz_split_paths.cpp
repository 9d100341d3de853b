// Both registry path splits against a model of where the last backslash
// character is. A trail byte 0x5C never counts as a backslash. The same
// input also goes through the target check's root finding.
#include "exact_buffer.h"
#include "fuzz_support.h"
#include "relocation/target_path.h"
#include "relocation/typed_path.h"
#include "system/registry_path.h"

namespace {

// Index of the last backslash that starts a character, or npos.
std::size_t LastBackslash(std::string_view t) {
    const std::vector<bool> starts = CharacterStarts(t);
    for (std::size_t i = t.size(); i-- > 0;) {
        if (starts[i] && t[i] == '\\') return i;
    }
    return std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExactBuffer path(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view full = path.view();

    const RegistryLocation split = SplitFullPath(full);
    const std::size_t cut = LastBackslash(full);
    if (cut == std::string_view::npos) {
        REQUIRE(split.keyPath.empty());
        REQUIRE(split.valueName == full);
    } else {
        REQUIRE(split.keyPath + "\\" + split.valueName == full);
        REQUIRE(split.keyPath.size() == cut);
    }

    // The typed split drops one trailing 0x5C byte, whatever character it
    // belongs to, and only then looks for the backslash.
    std::string_view typed = full;
    if (!typed.empty() && typed.back() == '\\') typed.remove_suffix(1);
    const RegistryLocation typedSplit = SplitTypedPath(full);
    const std::size_t typedCut = LastBackslash(typed);
    REQUIRE(typedSplit.keyPath + typedSplit.valueName == typed);
    if (typedCut == std::string_view::npos) {
        REQUIRE(typedSplit.keyPath.empty());
    } else {
        REQUIRE(typedSplit.keyPath.size() == typedCut + 1);
    }

    // A usable target is its root followed by at least one more name.
    const TargetRoot target = TargetRootOf(full);
    REQUIRE((target.shape == TargetShape::Empty) == full.empty());
    if (target.shape == TargetShape::Usable) {
        REQUIRE(target.root.size() >= 3);
        REQUIRE(target.root.size() < full.size());
        REQUIRE(full.compare(0, target.root.size(), target.root) == 0);
        REQUIRE(target.root.back() == '\\');
        REQUIRE(full[target.root.size()] != '\\');
    } else {
        REQUIRE(target.root.empty());
    }
    return 0;
}
