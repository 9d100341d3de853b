#include "system/fatal.h"

#include "system/text.h"

#include <windows.h>

#include <cstdlib>
#include <new>

void ReportFatalError(const char* what) {
    const Text message = JoinTexts("发生运行时错误：", what);
    MessageBoxA(nullptr, message.c_str(), "Zelvora", MB_OK | MB_ICONSTOP);
    std::exit(-1);
}

void InstallOutOfMemoryReport() {
    std::set_new_handler([] { ReportFatalError("内存不足"); });
}
