// The typed registry writer reads its full path its own way: one trailing
// backslash byte is dropped first, and the key path keeps the backslash
// that ends it. Pure text work.
#pragma once

#include "system/registry_path.h"

RegistryLocation SplitTypedPath(std::string_view fullPath);
