// Start-up, the message loop and shutdown.
#include "app/drive_list.h"
#include "app/main_window.h"
#include "locations/current_locations.h"
#include "locations/drive_choice.h"
#include "relocation/apply.h"
#include "system/fatal.h"
#include "system/shell.h"

#include <ole2.h>

#include <cstdlib>

namespace {
MainWindow* g_mainWindow = nullptr;

bool PreTranslate(MSG& message) { return g_mainWindow && g_mainWindow->PreTranslate(message); }
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InstallFatalReports();
    OleInitialize(nullptr);
    ReplaceDriveList({});
    std::atexit(ReleaseDriveList);

    MainWindow window({ShowCurrentLocations, ProposeChosenDrive, RunApply});
    g_mainWindow = &window;
    SetPreTranslateHook(PreTranslate);
    if (!window.Load(instance)) ReportFatalError("加载主窗口失败");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) HandleMessage(message);

    SetPreTranslateHook(nullptr);
    g_mainWindow = nullptr;
    ReleaseDriveList();
    OleUninitialize();
    return 0;
}
