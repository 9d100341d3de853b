// Stores a registry value of a chosen type into a key that must exist already.
#pragma once

#include "system/registry.h"
#include "system/text.h"

// 1 REG_NONE ... 6 REG_DWORD_BIG_ENDIAN, 7 REG_MULTI_SZ ... 12 (type code 12).
using ValueTypeSelector = int;

// path and data are the caller's and are rewritten: path becomes the key path
// (ending in a backslash, or empty), and under selector 7 data becomes the
// converted multi-string. A root or type selector outside its table ends the
// program through the fatal error report. Keys are never created.
// True when the value was stored.
bool WriteRegistryTyped(RegistryRoot root, Text& path, ValueTypeSelector type, Bytes& data);
