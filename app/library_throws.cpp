// Nothing in the program catches an exception, so every throw from the C++
// library ends in the terminate report (system/fatal.cpp). Reporting straight
// from the library's throw helpers shows the same box with the same exit
// code, and keeps the library's exception classes, and the copy-on-write
// strings they carry, out of the executable (about 50 KB). Linked into
// zelvora.exe only: the tests keep the library's real exceptions. A new use of
// another helper from the same library file fails the link loudly; add it here.
#include "system/fatal.h"

#include <bits/functexcept.h>

namespace std {
void __throw_bad_alloc() { ReportFatalError("未处理的异常"); }
void __throw_bad_function_call() { ReportFatalError("未处理的异常"); }
void __throw_length_error(const char*) { ReportFatalError("未处理的异常"); }
void __throw_logic_error(const char*) { ReportFatalError("未处理的异常"); }
void __throw_out_of_range_fmt(const char*, ...) { ReportFatalError("未处理的异常"); }
}  // namespace std
