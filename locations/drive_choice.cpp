#include "locations/drive_choice.h"

#include "app/main_window.h"

void ProposeChosenDrive(MainWindow& window, FolderRow row) {
    window.SetPathCaption(row, JoinTexts(window.ComboText(row), RowSpec(row).suffix));
}
