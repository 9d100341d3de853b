#include "system/fatal.h"

#include "system/text.h"

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <new>

void ReportFatalError(const char* what) {
    const Text message = JoinTexts("发生运行时错误：", what);
    MessageBoxA(nullptr, message.c_str(), "Zelvora", MB_OK | MB_ICONSTOP);
    std::exit(-1);
}

void InstallFatalReports() {
    std::set_new_handler([] { ReportFatalError("内存不足"); });
    std::set_terminate([] { ReportFatalError("未处理的异常"); });
}

// The runtime's own terminate handler prints demangled type names to a
// console this program does not have; replacing it also keeps the demangler
// (about a fifth of the program's size) out of the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { ReportFatalError("未处理的异常"); }
}  // namespace __gnu_cxx
