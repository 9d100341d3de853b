// The end of the road for internal errors: a stop box without owner naming
// what went wrong, then exit code -1 (shutdown hooks still run).
#pragma once

[[noreturn]] void ReportFatalError(const char* what);

// Routes exhausted memory and any exception that escapes into the same
// report.
void InstallFatalReports();
