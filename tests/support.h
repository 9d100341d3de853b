// What the tests share: a scratch registry key per test, a raw look at
// stored values, and facts about the Wine session the tests run in.
#pragma once

#include "system/files.h"
#include "system/text.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <string>
#include <vector>

// HKCU\Software\ZelvoraTests\<name>, emptied on creation and on destruction.
class ScratchKey {
public:
    explicit ScratchKey(const std::string& name);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    // Path below HKEY_CURRENT_USER, without a trailing backslash.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Removes a key and everything below it; true when it is gone afterwards.
bool DeleteTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);

struct StoredValue {
    bool present = false;
    DWORD type = 0;
    Bytes data;
};
StoredValue ReadStored(HKEY root, const std::string& keyPath, const std::string& name);
// Stores raw bytes of any type, creating the key.
void Store(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
           const Bytes& data);
Bytes BytesOf(const std::string& text, bool withNul);

// A folder of the test's own on C:, emptied first.
std::string ScratchFolder(const std::string& name);
void RemoveTree(const std::string& path);
Bytes ReadFileWhole(const std::string& path);
DWORD Attributes(const std::string& path);

// The session's fixed drives as the harness made them ("C: D: F: Z:").
std::vector<std::string> SessionFixedDrives();
bool RunningOnWine();
