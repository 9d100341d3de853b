#include "tests/e2e_support.h"

#include <chrono>

namespace {

constexpr char kTitle[] = "Zelvora Build20110801";

struct Search {
    DWORD processId;
    std::string className;
    std::string title;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->processId || !IsWindowVisible(window)) return TRUE;
    if (!search->className.empty() && ClassOf(window) != search->className) return TRUE;
    if (TextOf(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevelWindow(DWORD processId, const std::string& className, const std::string& title,
                        DWORD milliseconds, HANDLE process = nullptr) {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{processId, className, title, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > milliseconds) return nullptr;
        if (process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
        Sleep(10);
    }
}

std::string EnvironmentBlock(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> variables;
    char* block = GetEnvironmentStringsA();
    for (const char* entry = block; *entry; entry += strlen(entry) + 1) {
        const std::string text = entry;
        const std::size_t equals = text.find('=', 1);
        if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : changes) variables[name] = value;
    std::string result;
    for (const auto& [name, value] : variables) result += name + "=" + value + '\0';
    return result + '\0';
}

}  // namespace

std::string ZelvoraPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.resize(folder.rfind('\\'));           // build\tests
    folder.resize(folder.rfind('\\'));           // build
    return folder + "\\zelvora.exe";
}

RunningZelvora::RunningZelvora(const Environment& environment) {
    std::string command = "\"" + ZelvoraPath() + "\"";
    std::string block = EnvironmentBlock(environment);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, block.data(), nullptr,
                        &startup, &info)) {
        return;
    }
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    processId_ = info.dwProcessId;
    window_ = FindTopLevelWindow(processId_, "", kTitle, 20000, process_.get());
    millisecondsToVisible_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

RunningZelvora::~RunningZelvora() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.get(), 5000) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
    }
}

std::vector<HWND> RunningZelvora::ChildrenTopDown() const {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

DWORD RunningZelvora::Close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return WaitForExit(10000);
}

DWORD RunningZelvora::WaitForExit(DWORD milliseconds) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.get(), &code);
    }
    return code;
}

std::string TextOf(HWND window) {
    char text[2048] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectIn(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<std::string> ComboItems(HWND combo) {
    // CB_GETLBTEXT through SendMessageA comes back as UTF-16 from another
    // process on Wine; asking for UTF-16 and converting is right everywhere.
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char narrow[512] = {};
        WideCharToMultiByte(936, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

void ChooseItem(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
}

bool WaitForText(HWND window, const std::string& expected, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (TextOf(window) != expected) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(10);
    }
    return true;
}

HWND FindDialog(DWORD processId, const std::string& title, DWORD milliseconds) {
    return FindTopLevelWindow(processId, "#32770", title, milliseconds);
}

std::string MessageBoxText(HWND box) {
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}
