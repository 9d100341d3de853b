#include "system/registry_path.h"

RegistryLocation SplitFullPath(std::string_view fullPath) {
    const int at = FindLast(fullPath, "\\");
    if (at < 0) return {Text(), Text(fullPath)};
    return {TakeLeft(fullPath, at - 1), TakeRight(fullPath, TextLength(fullPath) - at)};
}
