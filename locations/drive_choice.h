// A drive chosen in a row proposes that row's new location.
#pragma once

#include "app/folder_rows.h"

class MainWindow;

void ProposeChosenDrive(MainWindow& window, FolderRow row);
