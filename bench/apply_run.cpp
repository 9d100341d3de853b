#include "bench/bench.h"

#include "app/folder_rows.h"
#include "relocation/apply.h"
#include "relocation/markers.h"
#include "system/unique_handle.h"
#include "tests/support.h"

#include <cstdio>
#include <iterator>
#include <set>
#include <tuple>

namespace {

constexpr char kBenchFolder[] = "C:\\zelvora-bench";
const HKEY kRootKeys[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER,
                          HKEY_LOCAL_MACHINE, HKEY_USERS};

// One parent folder per row, so that each caption's own folder is new; the
// names are those a chosen drive would get.
std::string RowParent(FolderRow row) {
    return std::string(kBenchFolder) + "\\" + static_cast<char>('a' + static_cast<int>(row));
}

std::string CaptionOf(FolderRow row) {
    const char* const names[] = {"My Documents", "影音下载", "电影", "音乐", "Temp"};
    return RowParent(row) + "\\" + names[static_cast<std::size_t>(row)];
}

// Every run starts from the state a first Apply meets: no target folders.
void FreshFolders() {
    RemoveTree(kBenchFolder);
    CreateDirectoryA(kBenchFolder, nullptr);
    for (FolderRow row : kFolderRows) CreateDirectoryA(RowParent(row).c_str(), nullptr);
}

template <typename Visit>
void ForEachWorkingStep(Visit visit) {
    for (std::size_t g = 0; g < kApplySequence.count; ++g) {
        const ApplyGroup& group = kApplySequence.groups[g];
        for (std::size_t s = 0; s < group.count; ++s) {
            const ApplyStep& step = group.steps[s];
            if (step.op != ApplyOp::PumpEvents && step.op != ApplyOp::ShowNotice) visit(step);
        }
    }
}

}  // namespace

// A working step as the Win32 calls it comes down to, worked out beforehand.
struct ApplyRun::Plain {
    ApplyOp op;
    HKEY root;
    std::string key;   // registry steps
    std::string name;
    std::string path;  // folder and file steps; the whole registry path
    Bytes data;        // value bytes with their NUL, or the marker file
    DWORD flags;
};

struct ApplyRun::Saved {
    HKEY root;
    std::string key;
    std::string name;
    bool present;
    DWORD type;
    Bytes data;
};

ApplyRun::ApplyRun() {
    ForEachWorkingStep([this](const ApplyStep& step) {
        Plain plain{step.op, nullptr, {}, {}, {}, {}, 0};
        if (step.root >= 1 && step.root <= static_cast<int>(std::size(kRootKeys))) {
            plain.root = kRootKeys[step.root - 1];
            const std::string full = step.path;
            const std::size_t cut = full.rfind('\\');  // the step paths are ASCII
            plain.key = full.substr(0, cut);
            plain.name = full.substr(cut + 1);
            plain.path = full;
        } else {
            plain.path = CaptionOf(step.row) + step.path;
        }
        std::string value;
        if (step.value.kind == ValueKind::Caption) value = CaptionOf(step.row) + step.value.text;
        if (step.value.kind == ValueKind::Literal) value = step.value.text;
        plain.data.assign(value.begin(), value.end());
        plain.data.push_back(0);
        if (step.value.kind == ValueKind::Marker) {
            plain.data = MarkerContent(static_cast<Marker>(step.value.number));
        }
        plain.flags = step.value.number;
        plain_.push_back(std::move(plain));
    });

    std::set<std::tuple<HKEY, std::string, std::string>> written;
    for (const Plain& plain : plain_) {
        if (plain.op != ApplyOp::WriteText && plain.op != ApplyOp::WriteTyped) continue;
        if (!written.insert({plain.root, plain.key, plain.name}).second) continue;
        Saved saved{plain.root, plain.key, plain.name, false, 0, {}};
        UniqueKey key;
        DWORD size = 0;
        if (RegOpenKeyExA(plain.root, plain.key.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS &&
            RegQueryValueExA(key.get(), plain.name.c_str(), nullptr, &saved.type, nullptr, &size) ==
                ERROR_SUCCESS) {
            saved.data.resize(size);
            saved.present = RegQueryValueExA(key.get(), plain.name.c_str(), nullptr, &saved.type,
                                             saved.data.data(), &size) == ERROR_SUCCESS;
        }
        saved_.push_back(std::move(saved));
        // The typed writer never creates a key, and Wine has no profiles for
        // the system accounts: make every key so that each write does its work.
        UniqueKey created;
        RegCreateKeyA(plain.root, plain.key.c_str(), created.put());
    }
}

ApplyRun::~ApplyRun() {
    for (const Saved& saved : saved_) {
        UniqueKey key;
        if (RegOpenKeyExA(saved.root, saved.key.c_str(), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) {
            continue;
        }
        if (saved.present) {
            RegSetValueExA(key.get(), saved.name.c_str(), 0, saved.type, saved.data.data(),
                           static_cast<DWORD>(saved.data.size()));
        } else {
            RegDeleteValueA(key.get(), saved.name.c_str());
        }
    }
    RemoveTree(kBenchFolder);
}

std::size_t ApplyRun::StepCount() const { return plain_.size(); }

double ApplyRun::TimeProduct() {
    FreshFolders();
    const std::string captions[] = {CaptionOf(FolderRow::Personal), CaptionOf(FolderRow::Downloads),
                                    CaptionOf(FolderRow::Videos), CaptionOf(FolderRow::Music),
                                    CaptionOf(FolderRow::Temp)};
    const CaptionSource caption = [&captions](FolderRow row) {
        return captions[static_cast<std::size_t>(row)];
    };
    bool allHeld = true;
    const double begin = NowMilliseconds();
    ForEachWorkingStep([&](const ApplyStep& step) { allHeld = RunWorkingStep(step, caption) && allHeld; });
    const double elapsed = NowMilliseconds() - begin;
    if (!allHeld) std::fprintf(stderr, "Apply: a working step failed\n");
    return allHeld ? elapsed : -1;
}

double ApplyRun::TimeFloor() {
    FreshFolders();
    bool allHeld = true;
    const double begin = NowMilliseconds();
    for (const Plain& s : plain_) {
        switch (s.op) {
        case ApplyOp::WriteText: {
            UniqueKey key;
            if (RegOpenKeyExA(s.root, s.key.c_str(), 0, KEY_WRITE, key.put()) != ERROR_SUCCESS &&
                RegCreateKeyA(s.root, s.key.c_str(), key.put()) != ERROR_SUCCESS) {
                allHeld = false;
                break;
            }
            allHeld &= RegSetValueExA(key.get(), s.name.c_str(), 0, REG_SZ, s.data.data(),
                                      static_cast<DWORD>(s.data.size())) == ERROR_SUCCESS;
            break;
        }
        case ApplyOp::WriteTyped: {
            UniqueKey key;
            allHeld &= RegOpenKeyExA(s.root, s.key.c_str(), 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS &&
                       RegSetValueExA(key.get(), s.name.c_str(), 0, REG_EXPAND_SZ, s.data.data(),
                                      static_cast<DWORD>(s.data.size())) == ERROR_SUCCESS;
            break;
        }
        case ApplyOp::DeleteEntry: {
            // The whole path names a key; the delete is allowed to find nothing.
            bool deleted = false;
            {
                UniqueKey key;
                deleted = RegOpenKeyExA(s.root, s.key.c_str(), 0, KEY_WRITE, key.put()) == ERROR_SUCCESS &&
                          RegDeleteValueA(key.get(), s.name.c_str()) == ERROR_SUCCESS;
            }
            if (!deleted) RegDeleteKeyA(s.root, s.path.c_str());
            break;
        }
        case ApplyOp::CreateFolder:
            allHeld &= CreateDirectoryA(s.path.c_str(), nullptr) != FALSE;
            break;
        case ApplyOp::SetAttributes:
            allHeld &= SetFileAttributesA(s.path.c_str(), s.flags) != FALSE;
            break;
        case ApplyOp::WriteMarker: {
            UniqueFile file(CreateFileA(s.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD written = 0;
            allHeld &= file &&
                       WriteFile(file.get(), s.data.data(), static_cast<DWORD>(s.data.size()), &written,
                                 nullptr) &&
                       written == s.data.size() && CloseHandle(file.release());
            break;
        }
        case ApplyOp::PumpEvents:
        case ApplyOp::ShowNotice:
            break;
        }
    }
    const double elapsed = NowMilliseconds() - begin;
    if (!allHeld) std::fprintf(stderr, "Apply floor: a call failed\n");
    return allHeld ? elapsed : -1;
}
