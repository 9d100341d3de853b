// What the benchmark's parts share: the clock, medians, and the three kinds
// of measurement the table is made of.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

double NowMilliseconds();
double Median(std::vector<double> values);
// The folder this program lies in, without a trailing backslash.
std::string OwnFolder();

// --- Start-up: a program from CreateProcess to its window on screen.
struct Program {
    std::string path;
    std::string title;
    // Zelvora's own window: its path labels must be filled when it is shown.
    bool checkPathLabel = false;
};

struct Launch {
    bool ok = false;
    double milliseconds = 0;
    double peakWorkingSet = 0;  // bytes, once the window is shown and idle
};

// Starts the program, waits for its window, then closes it with WM_CLOSE and
// waits for it to end. Reports what went wrong on stderr.
Launch LaunchOnce(const Program& program);

// --- Apply: the working steps through the product, and the same calls plain.
class ApplyRun {
public:
    ApplyRun();
    ~ApplyRun();  // puts back every value the runs wrote and removes the folders
    ApplyRun(const ApplyRun&) = delete;
    ApplyRun& operator=(const ApplyRun&) = delete;

    std::size_t StepCount() const;
    // Each starts from freshly made folders (made outside the time taken);
    // a negative time when a step failed.
    double TimeProduct();
    double TimeFloor();

private:
    struct Plain;
    struct Saved;
    std::vector<Plain> plain_;
    std::vector<Saved> saved_;
};

// --- Footprint: the DLLs named in a PE file's import table; false when the
// file cannot be read as one.
bool ReadImportedDlls(const std::string& path, std::vector<std::string>& dlls);
