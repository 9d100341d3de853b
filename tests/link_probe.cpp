// Stands in for the browser: appends its command line to the file named by
// ZELVORA_LINK_LOG, so a test can see what the status bar opened.
#include <windows.h>

int main() {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("ZELVORA_LINK_LOG", log, MAX_PATH)) return 1;
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(file, line, lstrlenA(line), &written, nullptr);
    WriteFile(file, "\n", 1, &written, nullptr);
    CloseHandle(file);
    return 0;
}
