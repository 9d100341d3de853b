// How a full registry path ("key\path\value name") is cut into a key path
// and a value name. Pure text work, no Windows calls.
#pragma once

#include "system/text.h"

struct RegistryLocation {
    Text keyPath;    // empty: the root key itself
    Text valueName;  // empty: the key's unnamed (default) value
};

// The last backslash (two-byte character rule) separates the two and belongs
// to neither; without one the whole path is the value name.
RegistryLocation SplitFullPath(std::string_view fullPath);
