// File-system queries and changes. Failures are results: false, the empty
// text or an empty list. Nothing is shown.
#pragma once

#include "system/text.h"

#include <vector>

// Creates exactly one folder; false when it exists already or its parent
// does not.
bool CreateFolder(const Text& path);

bool FolderExists(const Text& path);

// True when the file exists and holds exactly content.
bool FileHolds(const Text& path, const Bytes& content);

// Sets the read-only (1), hidden (2), system (4) and archive (32) attributes
// from flags and clears the others of those four; other bits are dropped.
bool SetPathAttributes(const Text& path, unsigned flags);

// Creates or truncates the file and writes content whole. False for an empty
// path, a file that cannot be opened (a hidden or system one, on Windows) or
// a short write.
bool WriteFileBytes(const Text& path, const Bytes& content);

// 1: the documents folder, 11: the temporary folder. The path ends in one
// backslash; the empty text for any other selector or a failed query.
Text GetSpecialFolder(int selector);

// Whether a drive or share root ("D:\\", "\\\\server\\share\\") is there now.
bool RootExists(const Text& root);

// 1: the fixed drives, as "C:" ... "Z:" in letter order.
std::vector<Text> GetDriveList(int selector);
