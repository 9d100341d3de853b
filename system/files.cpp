#include "system/files.h"

#include "system/unique_handle.h"

#include <shlobj.h>
#include <windows.h>

bool CreateFolder(const Text& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool FolderExists(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileHolds(const Text& path, const Bytes& content) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart != static_cast<LONGLONG>(content.size())) {
        return false;
    }
    Bytes stored(content.size());
    DWORD read = 0;
    if (!stored.empty() &&
        (!ReadFile(file.get(), stored.data(), static_cast<DWORD>(stored.size()), &read, nullptr) ||
         read != stored.size())) {
        return false;
    }
    return stored == content;
}

bool SetPathAttributes(const Text& path, unsigned flags) {
    const DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;  // 0x27
    return SetFileAttributesA(path.c_str(), flags & settable) != FALSE;
}

bool WriteFileBytes(const Text& path, const Bytes& content) {
    if (path.empty()) return false;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, &inheritable, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (!content.empty()) {
        DWORD written = 0;
        if (!WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr) ||
            written != content.size()) {
            return false;
        }
    }
    return CloseHandle(file.release()) != FALSE;
}

Text GetSpecialFolder(int selector) {
    // Room for the path, a backslash we may add and the NUL.
    char buffer[MAX_PATH + 2] = {};
    switch (selector) {
    case 1:
        if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_PERSONAL, FALSE)) return Text();
        break;
    case 11: {
        const DWORD length = GetTempPathA(MAX_PATH, buffer);
        if (length == 0 || length >= MAX_PATH) return Text();
        break;
    }
    default:
        return Text();
    }
    Text path = TextFromBuffer(buffer, MAX_PATH);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

bool RootExists(const Text& root) {
    const UINT type = GetDriveTypeA(root.c_str());
    return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

std::vector<Text> GetDriveList(int selector) {
    std::vector<Text> drives;
    if (selector != 1) return drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const Text drive{letter, ':'};
        if (GetDriveTypeA(drive.c_str()) == DRIVE_FIXED) drives.push_back(drive);
    }
    return drives;
}
