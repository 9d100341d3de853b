#include "bench/bench.h"

#include "system/unique_handle.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr double kPatienceMilliseconds = 30000;
constexpr DWORD kSettleMilliseconds = 250;
// The first path label's text in the window table, until start-up fills it.
constexpr char kUnfilledPathLabel[] = "My Documents";

// A one-millisecond poll: the figure is at most about a millisecond late, and
// the started program is asked for nothing.
HWND WaitForShownWindow(const Program& program, DWORD processId, HANDLE process, double begin) {
    for (;;) {
        for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, program.title.c_str()); window;
             window = FindWindowExA(nullptr, window, nullptr, program.title.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window)) return window;
        }
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
        if (NowMilliseconds() - begin > kPatienceMilliseconds) return nullptr;
        Sleep(1);
    }
}

// The path labels are filled before the window is shown: no control may
// still show the design-time text.
bool PathLabelsFilled(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[1024] = {};
        if (!SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                 SMTO_ABORTIFHUNG, 5000, nullptr) ||
            std::strcmp(text, kUnfilledPathLabel) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

Launch LaunchOnce(const Program& program) {
    Launch launch;
    std::string command = "\"" + program.path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double begin = NowMilliseconds();
    if (!CreateProcessA(program.path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.path.c_str(), GetLastError());
        return launch;
    }
    const UniqueKernelHandle process(info.hProcess);
    const UniqueKernelHandle thread(info.hThread);
    HWND window = WaitForShownWindow(program, info.dwProcessId, process.get(), begin);
    const double shown = NowMilliseconds();
    if (!window) {
        std::fprintf(stderr, "%s: no window \"%s\" shown\n", program.path.c_str(), program.title.c_str());
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        return launch;
    }

    bool ok = true;
    if (program.checkPathLabel && !PathLabelsFilled(window)) {
        std::fprintf(stderr, "%s: window shown before its path labels were filled\n", program.path.c_str());
        ok = false;
    }
    WaitForInputIdle(process.get(), 5000);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.get(), &memory, sizeof memory) || memory.PeakWorkingSetSize == 0) {
        std::fprintf(stderr, "%s: no memory counters\n", program.path.c_str());
        ok = false;
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "%s: still running 10 s after WM_CLOSE\n", program.path.c_str());
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        ok = false;
    } else if (GetExitCodeProcess(process.get(), &exitCode) && exitCode != 0) {
        std::fprintf(stderr, "%s: exit code %lu after WM_CLOSE\n", program.path.c_str(), exitCode);
        ok = false;
    }

    // Wine goes on tearing the process down after it has ended; the next
    // start should not share the machine with that.
    Sleep(kSettleMilliseconds);
    launch.ok = ok;
    launch.milliseconds = shown - begin;
    launch.peakWorkingSet = static_cast<double>(memory.PeakWorkingSetSize);
    return launch;
}
