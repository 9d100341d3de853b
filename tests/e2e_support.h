// Driving the real zelvora.exe from another process, as a user's system sees
// it: its window, its controls and their texts.
#pragma once

#include "system/unique_handle.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

using Environment = std::map<std::string, std::string>;

class RunningZelvora {
public:
    // Starts build/zelvora.exe with these environment variables changed and
    // waits for its main window to be visible.
    explicit RunningZelvora(const Environment& environment = {});
    ~RunningZelvora();
    RunningZelvora(const RunningZelvora&) = delete;
    RunningZelvora& operator=(const RunningZelvora&) = delete;

    HWND window() const { return window_; }
    DWORD processId() const { return processId_; }
    double millisecondsToVisible() const { return millisecondsToVisible_; }
    // Children from the top of the z-order down.
    std::vector<HWND> ChildrenTopDown() const;

    // Sends WM_CLOSE and waits; the exit code, or STILL_ACTIVE on a time-out.
    DWORD Close();
    // Waits for the process to end on its own.
    DWORD WaitForExit(DWORD milliseconds);

private:
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    double millisecondsToVisible_ = 0;
};

std::string ZelvoraPath();
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
RECT ClientRectIn(HWND parent, HWND child);
// A combo box's items, read across processes.
std::vector<std::string> ComboItems(HWND combo);
// Chooses item index as a user's click in the opened list does.
void ChooseItem(HWND combo, int index);
// Polls until the window's text equals expected; false on a time-out.
bool WaitForText(HWND window, const std::string& expected, DWORD milliseconds = 3000);
// A visible dialog box of this process with this title, or null.
HWND FindDialog(DWORD processId, const std::string& title, DWORD milliseconds);
// The text of a message box's static text.
std::string MessageBoxText(HWND box);
