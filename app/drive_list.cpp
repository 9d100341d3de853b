#include "app/drive_list.h"

#include "system/fatal.h"

namespace {
std::vector<Text> g_drives;
bool g_released = false;
}  // namespace

void ReplaceDriveList(std::vector<Text> drives) { g_drives = std::move(drives); }

std::size_t DriveListSize() { return g_drives.size(); }

const Text& DriveListEntry(std::size_t i) {
    if (i >= g_drives.size()) ReportFatalError("驱动器列表下标超出范围");
    return g_drives[i];
}

void ReleaseDriveList() {
    if (g_released) return;
    g_released = true;
    std::vector<Text>().swap(g_drives);
}
