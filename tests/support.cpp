#include "tests/support.h"

#include <fstream>
#include <iterator>
#include <sstream>

ScratchKey::ScratchKey(const std::string& name) : path_("Software\\ZelvoraTests\\" + name) {
    DeleteTree(HKEY_CURRENT_USER, path_);
    UniqueKey key;
    RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), key.put());
}

ScratchKey::~ScratchKey() { DeleteTree(HKEY_CURRENT_USER, path_); }

bool DeleteTree(HKEY root, const std::string& path) {
    RegDeleteTreeA(root, path.c_str());
    RegDeleteKeyA(root, path.c_str());
    return !KeyExists(root, path);
}

bool KeyExists(HKEY root, const std::string& path) {
    UniqueKey key;
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

StoredValue ReadStored(HKEY root, const std::string& keyPath, const std::string& name) {
    StoredValue value;
    UniqueKey key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                         size ? value.data.data() : nullptr, &size) != ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    value.present = true;
    return value;
}

void Store(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
           const Bytes& data) {
    UniqueKey key;
    RegCreateKeyA(root, keyPath.c_str(), key.put());
    RegSetValueExA(key.get(), name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                   static_cast<DWORD>(data.size()));
}

Bytes BytesOf(const std::string& text, bool withNul) {
    Bytes bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    return bytes;
}

std::string ScratchFolder(const std::string& name) {
    const std::string path = "C:\\zelvora-tests\\" + name;
    CreateDirectoryA("C:\\zelvora-tests", nullptr);
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    {
        const UniqueFind search(FindFirstFileA((path + "\\*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string child = path + "\\" + name;
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search.get(), &found));
        }
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

Bytes ReadFileWhole(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    Bytes content;
    if (!file) return content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.insert(content.end(), buffer, buffer + read);
    }
    return content;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

std::vector<std::string> SessionFixedDrives() {
    char buffer[256] = {};
    GetEnvironmentVariableA("ZELVORA_FIXED_DRIVES", buffer, sizeof buffer);
    std::istringstream words(buffer);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
