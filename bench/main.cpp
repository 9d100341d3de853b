// The benchmark: start-up, Apply and footprint of zelvora.exe, each against a
// floor built here the same way, as one table of medians. Comparisons are
// taken pair by pair in the same repetition, the order alternating, so that
// the machine's drift falls on both sides of each ratio. Goals are printed
// beside the figures, never enforced: the exit code says only whether every
// figure could be taken.
//   zelvora_bench [--iterations N]
#include "bench/bench.h"

#include "app/window_layout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cctype>
#include <cstring>

namespace {

LARGE_INTEGER Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency;
}

struct Row {
    std::string measure, zelvora, floor, ratio, goal, met;
};

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

const char* Met(bool met) { return met ? "yes" : "no"; }

void PrintTable(const std::vector<Row>& rows) {
    const Row head{"measure", "zelvora", "floor", "ratio (median)", "goal", "met?"};
    std::vector<std::string Row::*> columns{&Row::measure, &Row::zelvora, &Row::floor,
                                            &Row::ratio,   &Row::goal,    &Row::met};
    std::vector<std::size_t> widths;
    for (auto column : columns) {
        std::size_t width = (head.*column).size();
        for (const Row& row : rows) width = std::max(width, (row.*column).size());
        widths.push_back(width);
    }
    auto print = [&](const Row& row) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string& cell = row.*columns[c];
            // Names to the left, figures to the right.
            std::printf(c == 0 ? "%-*s" : "  %*s", static_cast<int>(widths[c]), cell.c_str());
        }
        std::printf("\n");
    };
    print(head);
    Row rule;
    for (std::size_t c = 0; c < columns.size(); ++c) rule.*columns[c] = std::string(widths[c], '-');
    print(rule);
    for (const Row& row : rows) print(row);
}

bool IsSystemDll(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    for (const char* system : {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "SHELL32.DLL",
                               "COMCTL32.DLL", "OLE32.DLL", "MSVCRT.DLL"}) {
        if (name == system) return true;
    }
    return false;
}

double FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
}

std::string Join(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

}  // namespace

double NowMilliseconds() {
    static const LARGE_INTEGER frequency = Frequency();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

int main(int argc, char** argv) {
    int iterations = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--iterations") == 0 && i + 1 < argc) {
            iterations = std::atoi(argv[++i]);
        } else {
            iterations = 0;
            break;
        }
    }
    if (iterations < 1) {
        std::fprintf(stderr, "usage: zelvora_bench [--iterations N]   (N >= 1, default 15)\n");
        return 2;
    }

    const std::string folder = OwnFolder();
    const std::string zelvoraPath = folder.substr(0, folder.rfind('\\')) + "\\zelvora.exe";
    // Zelvora first, then its floor, then the diagnostic floors.
    const std::vector<Program> programs{
        {zelvoraPath, kWindowTitle, true},
        {folder + "\\blank_window.exe", "Zelvora bench blank", false},
        {folder + "\\blank_window_ole.exe", "Zelvora bench blank", false},
        {folder + "\\blank_window_controls.exe", "Zelvora bench blank", false},
    };
    const Program& zelvora = programs[0];
    const Program& blank = programs[1];
    bool measured = true;

    // Start-up and memory, every program once per repetition, the order
    // reversed every other time. The first round warms Wine's file cache and
    // is thrown away.
    struct Figures {
        std::vector<double> start, startRatio, peak, peakRatio;  // ratios: Zelvora's to this one's
    };
    std::vector<Figures> figures(programs.size());
    for (int i = -1; i < iterations && measured; ++i) {
        std::vector<Launch> launches(programs.size());
        for (std::size_t n = 0; n < programs.size() && measured; ++n) {
            const std::size_t p = i % 2 == 0 ? n : programs.size() - 1 - n;
            launches[p] = LaunchOnce(programs[p]);
            measured = launches[p].ok;
        }
        if (i < 0 || !measured) continue;
        for (std::size_t p = 0; p < programs.size(); ++p) {
            figures[p].start.push_back(launches[p].milliseconds);
            figures[p].startRatio.push_back(launches[0].milliseconds / launches[p].milliseconds);
            figures[p].peak.push_back(launches[p].peakWorkingSet);
            figures[p].peakRatio.push_back(launches[0].peakWorkingSet / launches[p].peakWorkingSet);
        }
    }

    // Apply, with a thrown-away first round as well.
    std::vector<double> applyZ, applyF, applyRatio;
    std::size_t steps = 0;
    if (measured) {
        ApplyRun apply;
        steps = apply.StepCount();
        for (int i = -1; i < iterations && measured; ++i) {
            double z = 0;
            double f = 0;
            if (i % 2 == 0) {
                z = apply.TimeProduct();
                f = apply.TimeFloor();
            } else {
                f = apply.TimeFloor();
                z = apply.TimeProduct();
            }
            measured = z > 0 && f > 0;
            if (i < 0 || !measured) continue;
            applyZ.push_back(z);
            applyF.push_back(f);
            applyRatio.push_back(z / f);
        }
    }

    const double sizeZ = FileSize(zelvora.path);
    const double sizeF = FileSize(folder + "\\string_floor.exe");
    std::vector<std::string> dllsZ, dllsB;
    measured = measured && sizeZ > 0 && sizeF > 0 && ReadImportedDlls(zelvora.path, dllsZ) &&
               ReadImportedDlls(blank.path, dllsB);
    if (!measured) {
        std::fprintf(stderr, "zelvora_bench: not every figure could be taken\n");
        return 1;
    }
    const auto systemOnly = [](const std::vector<std::string>& dlls) {
        return std::all_of(dlls.begin(), dlls.end(), IsSystemDll);
    };
    const auto dllCell = [&](const std::vector<std::string>& dlls) {
        return std::to_string(dlls.size()) + (systemOnly(dlls) ? ", all system" : ", not all system");
    };

    const double kMegabyte = 1024.0 * 1024.0;
    const double startRatio = Median(figures[1].startRatio);
    const double applyMedian = Median(applyRatio);
    const double peakRatio = Median(figures[1].peakRatio);
    const char* const diagnostics[] = {"", "", "  vs floor + OleInitialize + InitCommonControlsEx",
                                       "  vs that + manifest + the 23 controls, plain"};
    const auto startRow = [&](std::size_t p) {
        return Row{diagnostics[p], Format("%.1f", Median(figures[0].start)),
                   Format("%.1f", Median(figures[p].start)), Format("%.3f", Median(figures[p].startRatio)),
                   "-", "-"};
    };
    const auto peakRow = [&](std::size_t p) {
        return Row{diagnostics[p], Format("%.1f", Median(figures[0].peak) / kMegabyte),
                   Format("%.1f", Median(figures[p].peak) / kMegabyte),
                   Format("%.3f", Median(figures[p].peakRatio)), "-", "-"};
    };
    std::vector<Row> rows{
        {"start-up to window shown, ms", Format("%.1f", Median(figures[0].start)),
         Format("%.1f", Median(figures[1].start)), Format("%.3f", startRatio), "<= 1.10",
         Met(startRatio <= 1.10)},
        startRow(2),
        startRow(3),
        {"Apply, " + std::to_string(steps) + " working steps, ms", Format("%.2f", Median(applyZ)),
         Format("%.2f", Median(applyF)), Format("%.3f", applyMedian), "<= 1.25", Met(applyMedian <= 1.25)},
        {"exe size, KB", Format("%.1f", sizeZ / 1024), Format("%.1f", sizeF / 1024),
         Format("%.3f", sizeZ / sizeF), "<= 200 KB", Met(sizeZ <= 200 * 1024)},
        {"imported DLLs", dllCell(dllsZ), dllCell(dllsB), "-", "system only", Met(systemOnly(dllsZ))},
        {"peak working set after start-up, MB", Format("%.1f", Median(figures[0].peak) / kMegabyte),
         Format("%.1f", Median(figures[1].peak) / kMegabyte), Format("%.3f", peakRatio), "<= 1.20",
         Met(peakRatio <= 1.20)},
        peakRow(2),
        peakRow(3),
    };
    std::printf("%d iteration%s, medians; each ratio is zelvora / floor, taken pair by pair.\n"
                "Floors: blank_window.exe (start-up, memory, DLLs), string_floor.exe (size), the same\n"
                "Win32 calls written plainly (Apply). Indented rows are diagnostics, against fuller floors.\n\n",
                iterations, iterations == 1 ? "" : "s");
    PrintTable(rows);
    std::printf("\nzelvora.exe imports: %s\n", Join(dllsZ).c_str());
    return 0;
}
