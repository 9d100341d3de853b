// The five rows of the window, as the rest of the program names them.
#pragma once

#include <cstddef>

enum class FolderRow : std::size_t { Personal, Downloads, Videos, Music, Temp };

constexpr FolderRow kFolderRows[] = {FolderRow::Personal, FolderRow::Downloads, FolderRow::Videos,
                                     FolderRow::Music, FolderRow::Temp};
