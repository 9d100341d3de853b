#include "relocation/typed_path.h"

RegistryLocation SplitTypedPath(std::string_view fullPath) {
    // The last byte alone decides, not the last character.
    if (!fullPath.empty() && fullPath.back() == '\\') fullPath.remove_suffix(1);
    const int at = FindLast(fullPath, "\\");
    // Without a backslash at is -1: the key path is empty and the value name
    // is the whole path.
    return {TakeLeft(fullPath, at), TakeRight(fullPath, TextLength(fullPath) - at)};
}
