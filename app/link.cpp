#include "app/link.h"

#include "app/link_command.h"
#include "system/unique_handle.h"

#include <shellapi.h>

namespace {

// The unnamed value of an HKEY_CLASSES_ROOT key, in the 260-byte buffer the
// fallback reads its names into.
bool ReadClassValue(const Text& keyName, char (&buffer)[MAX_PATH]) {
    UniqueKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    LONG size = sizeof buffer;
    if (RegQueryValueA(key.get(), nullptr, buffer, &size) != ERROR_SUCCESS) return false;
    buffer[sizeof buffer - 1] = '\0';
    return true;
}

}  // namespace

bool OpenLinkAddress(const LinkControl& link) {
    if (link.address.empty()) return false;
    const auto shell = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", link.address.c_str(), nullptr, nullptr, SW_SHOW));
    if (shell > 32) return true;

    char fileType[MAX_PATH];
    if (!ReadClassValue(".htm", fileType)) return false;
    char registered[MAX_PATH];
    if (!ReadClassValue(JoinTexts(fileType, "\\shell\\open\\command"), registered)) return false;
    char command[kLinkCommandCapacity];
    if (!BuildLinkCommand(registered, link.address.c_str(), command, sizeof command)) return false;
    return WinExec(command, SW_SHOW) > 32;
}
