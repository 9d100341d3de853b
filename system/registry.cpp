#include "system/registry.h"

#include "system/registry_path.h"
#include "system/unique_handle.h"

#include <cstring>
#include <iterator>

namespace {

const HKEY kRootKeys[] = {
    // selector 1 ... 5
    HKEY_CLASSES_ROOT, HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
};

// The current environment's expansion of text; empty when it fails.
Text ExpandEnvironmentText(const Text& text) {
    DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (size == 0) return Text();
    // Windows answers in bytes, some implementations in characters; grow until
    // the expansion ends before the buffer does, so nothing is ever cut short.
    std::string buffer;
    for (;;) {
        size = size * 2 + 2;
        buffer.assign(size, '\0');
        const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), size);
        if (needed == 0) return Text();
        const void* nul = std::memchr(buffer.data(), '\0', size);
        if (needed < size && nul && static_cast<const char*>(nul) < buffer.data() + size - 1) {
            return TextFromBuffer(buffer.data(), size);
        }
        if (needed > size) size = needed;
    }
}

}  // namespace

HKEY KnownRootKey(RegistryRoot root) {
    if (root < 1 || root > static_cast<int>(std::size(kRootKeys))) return nullptr;
    return kRootKeys[root - 1];
}

HKEY RootKeyOrCurrentUser(RegistryRoot root) {
    const HKEY key = KnownRootKey(root);
    return key ? key : HKEY_CURRENT_USER;
}

Text ReadRegistryText(RegistryRoot root, std::string_view fullPath, std::string_view fallback) {
    const RegistryLocation where = SplitFullPath(fullPath);
    UniqueKey key;
    if (RegOpenKeyExA(RootKeyOrCurrentUser(root), where.keyPath.c_str(), 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS) {
        return Text(fallback);
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), where.valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) {
        return Text(fallback);
    }
    std::string data(size, '\0');
    DWORD read = size;
    if (RegQueryValueExA(key.get(), where.valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return Text(fallback);
    }
    key.reset();
    // Stored data need not end in a NUL: take no more than was read.
    const Text stored = TextFromBuffer(data.data(), read < size ? read : size);
    return type == REG_EXPAND_SZ ? ExpandEnvironmentText(stored) : stored;
}

bool WriteRegistryText(RegistryRoot root, std::string_view fullPath, std::string_view value) {
    const RegistryLocation where = SplitFullPath(fullPath);
    const HKEY rootKey = RootKeyOrCurrentUser(root);
    UniqueKey key;
    if (RegOpenKeyExA(rootKey, where.keyPath.c_str(), 0, KEY_WRITE, key.put()) != ERROR_SUCCESS &&
        RegCreateKeyA(rootKey, where.keyPath.c_str(), key.put()) != ERROR_SUCCESS) {
        return false;
    }
    const Text stored(value);
    return RegSetValueExA(key.get(), where.valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(stored.c_str()),
                          static_cast<DWORD>(stored.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRegistryEntry(RegistryRoot root, std::string_view fullPath) {
    const RegistryLocation where = SplitFullPath(fullPath);
    const HKEY rootKey = RootKeyOrCurrentUser(root);
    {
        UniqueKey key;
        if (RegOpenKeyExA(rootKey, where.keyPath.c_str(), 0, KEY_WRITE, key.put()) == ERROR_SUCCESS &&
            RegDeleteValueA(key.get(), where.valueName.c_str()) == ERROR_SUCCESS) {
            return true;
        }
    }
    return RegDeleteKeyA(rootKey, Text(fullPath).c_str()) == ERROR_SUCCESS;
}
