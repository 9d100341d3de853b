#include "relocation/target_path.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The end of the path component that starts at from: the next backslash,
// found character by character, or the end of the text.
std::size_t ComponentEnd(std::string_view text, std::size_t from) {
    std::size_t at = from;
    while (at < text.size() && text[at] != '\\') {
        at += (static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size()) ? 2 : 1;
    }
    return at;
}

}  // namespace

TargetRoot TargetRootOf(std::string_view caption) {
    if (caption.empty()) return {TargetShape::Empty, Text()};
    const TargetRoot notAbsolute{TargetShape::NotAbsolute, Text()};
    if (caption.size() > 3 && IsLetter(caption[0]) && caption[1] == ':' && caption[2] == '\\') {
        if (caption[3] == '\\') return notAbsolute;
        return {TargetShape::Usable, Text(caption.substr(0, 3))};
    }
    if (caption.size() > 2 && caption[0] == '\\' && caption[1] == '\\') {
        const std::size_t serverEnd = ComponentEnd(caption, 2);
        if (serverEnd == 2 || serverEnd >= caption.size()) return notAbsolute;
        const std::size_t shareEnd = ComponentEnd(caption, serverEnd + 1);
        if (shareEnd == serverEnd + 1 || shareEnd + 1 >= caption.size()) return notAbsolute;
        if (caption[shareEnd + 1] == '\\') return notAbsolute;
        return {TargetShape::Usable, Text(caption.substr(0, shareEnd + 1))};
    }
    return notAbsolute;
}
