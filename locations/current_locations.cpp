#include "locations/current_locations.h"

#include "app/drive_list.h"
#include "app/main_window.h"
#include "system/files.h"
#include "system/registry.h"

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\";

// The special folders come with a trailing backslash, which the window does
// not show.
Text WithoutLastByte(const Text& path) { return TakeLeft(path, TextLength(path) - 1); }

}  // namespace

void ShowCurrentLocations(MainWindow& window) {
    window.SetPathCaption(FolderRow::Personal, WithoutLastByte(GetSpecialFolder(1)));
    // The downloads default is the documents folder itself, backslash kept;
    // the videos and music defaults name folders inside it.
    window.SetPathCaption(FolderRow::Downloads,
                          ReadRegistryText(3, JoinTexts(kShellFolders, "{374DE290-123F-4565-9164-39C4925E467B}"),
                                           GetSpecialFolder(1)));
    window.SetPathCaption(FolderRow::Videos,
                          ReadRegistryText(3, JoinTexts(kShellFolders, "My Video"),
                                           JoinTexts(GetSpecialFolder(1), "My Video")));
    window.SetPathCaption(FolderRow::Music,
                          ReadRegistryText(3, JoinTexts(kShellFolders, "My Music"),
                                           JoinTexts(GetSpecialFolder(1), "My Music")));
    window.SetPathCaption(FolderRow::Temp, WithoutLastByte(GetSpecialFolder(11)));

    ReplaceDriveList(GetDriveList(1));
    // Drive by drive: the first reaches all five rows before the second.
    const std::size_t count = DriveListSize();
    for (std::size_t i = 0; i < count; ++i) {
        for (FolderRow row : kFolderRows) window.AddComboItem(row, DriveListEntry(i));
    }
}
