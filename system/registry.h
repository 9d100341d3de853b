// Reading, writing and removing registry text by root selector and full path.
// Failures are results: the default text, or false. Nothing is shown.
#pragma once

#include "system/text.h"

#include <windows.h>

// 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 3 HKEY_CURRENT_USER,
// 4 HKEY_LOCAL_MACHINE, 5 HKEY_USERS.
using RegistryRoot = int;

// The predefined key of a selector 1-5; null for any other.
HKEY KnownRootKey(RegistryRoot root);
// Any selector outside 1-5 means HKEY_CURRENT_USER here.
HKEY RootKeyOrCurrentUser(RegistryRoot root);

// The stored REG_SZ text (up to its first NUL) or the expanded REG_EXPAND_SZ
// text; a copy of fallback for anything else.
Text ReadRegistryText(RegistryRoot root, std::string_view fullPath, std::string_view fallback);

// Stores value as REG_SZ with its NUL, creating the key and the keys above it.
bool WriteRegistryText(RegistryRoot root, std::string_view fullPath, std::string_view value);

// Removes the named value; when there is none, removes the key the whole
// path names, if it has no subkeys.
bool DeleteRegistryEntry(RegistryRoot root, std::string_view fullPath);
