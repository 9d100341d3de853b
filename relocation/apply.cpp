#include "relocation/apply.h"

#include "app/main_window.h"
#include "app/window_layout.h"
#include "relocation/target_check.h"
#include "relocation/typed_writer.h"
#include "system/files.h"
#include "system/registry.h"
#include "system/shell.h"

#include <array>

namespace {

constexpr ValueTypeSelector kExpandableText = 3;
constexpr RegistryRoot kMachine = 4;
constexpr RegistryRoot kUsers = 5;

constexpr char kSuccess[] = "设置成功！重启系统后生效。";
constexpr char kSuccessTitle[] = "信息";
constexpr char kWarningTitle[] = "警告";

// What a failed step is reported under: one of the five rows, or one of
// these three after them.
enum Area : std::size_t {
    kMachineWide = std::size(kFolderRows),
    kOtherAccounts,
    kBrowserStorage,
    kAreaCount
};

std::size_t AreaOf(const ApplyGroup& group, const ApplyStep& step) {
    if (step.root == kMachine) return kMachineWide;
    if (step.root == kUsers) return kOtherAccounts;
    if (group.reportAs == ReportAs::BrowserStorage) return kBrowserStorage;
    return static_cast<std::size_t>(step.row);
}

Text DescribeFailures(const std::array<bool, kAreaCount>& failed, const CaptionSource& caption) {
    Text message = "设置只应用了一部分，以下设置没有生效：\n";
    for (FolderRow row : kFolderRows) {
        if (failed[static_cast<std::size_t>(row)]) {
            message += JoinTexts("\n· ", RowName(row), "（", caption(row), "）的文件夹或注册表设置");
        }
    }
    if (failed[kMachineWide]) message += "\n· 整台电脑的 TEMP 和 TMP 环境变量（需要管理员权限）";
    if (failed[kOtherAccounts]) {
        message += "\n· 其他账户（默认账户、系统账户、网络服务账户）的设置（需要管理员权限）";
    }
    if (failed[kBrowserStorage]) message += "\n· 浏览器的缓存、Cookie 和历史记录位置";
    return JoinTexts(message, "\n\n已经生效的设置在重启系统后生效。");
}

// A click that arrives while a sequence, its pump or its notice runs must not
// start another one.
bool g_applying = false;

struct ApplyingScope {
    ApplyingScope() { g_applying = true; }
    ~ApplyingScope() { g_applying = false; }
    ApplyingScope(const ApplyingScope&) = delete;
    ApplyingScope& operator=(const ApplyingScope&) = delete;
};

// The value a registry step writes.
Text StepText(const ApplyStep& step, const CaptionSource& caption) {
    switch (step.value.kind) {
    case ValueKind::Caption:
        return JoinTexts(caption(step.row), step.value.text);
    case ValueKind::Literal:
        return step.value.text;
    default:
        return Text();
    }
}

}  // namespace

bool RunWorkingStep(const ApplyStep& step, const CaptionSource& caption) {
    switch (step.op) {
    case ApplyOp::WriteText:
        return WriteRegistryText(step.root, step.path, StepText(step, caption));
    case ApplyOp::WriteTyped: {
        // The writer rewrites both in place: each call gets its own.
        Text path = step.path;
        Bytes data = TextToBytes(StepText(step, caption));
        return WriteRegistryTyped(step.root, path, kExpandableText, data);
    }
    case ApplyOp::DeleteEntry:
        // Nothing to remove, or a key that must stay for its subkeys, is fine.
        DeleteRegistryEntry(step.root, step.path);
        return true;
    case ApplyOp::CreateFolder: {
        const Text folder = JoinTexts(caption(step.row), step.path);
        return CreateFolder(folder) || FolderExists(folder);
    }
    case ApplyOp::SetAttributes:
        return SetPathAttributes(JoinTexts(caption(step.row), step.path), step.value.number);
    case ApplyOp::WriteMarker: {
        // A marker left by an earlier run cannot be replaced on Windows (it
        // is hidden and system); holding the same bytes is what counts.
        const Text file = JoinTexts(caption(step.row), step.path);
        const Bytes& content = MarkerContent(static_cast<Marker>(step.value.number));
        return WriteFileBytes(file, content) || FileHolds(file, content);
    }
    case ApplyOp::PumpEvents:
    case ApplyOp::ShowNotice:
        break;
    }
    return false;
}

void RunApply(MainWindow& window) {
    if (g_applying) return;
    const ApplyingScope applying;
    const CaptionSource caption = [&window](FolderRow row) { return window.PathCaption(row); };

    const std::vector<RowProblem> problems = CheckTargets(caption);
    if (!problems.empty()) {
        ShowMessage(DescribeTargetProblems(problems), MB_ICONWARNING, kWarningTitle);
        return;
    }

    std::array<bool, kAreaCount> failed{};
    for (std::size_t g = 0; g < kApplySequence.count; ++g) {
        const ApplyGroup& group = kApplySequence.groups[g];
        for (std::size_t s = 0; s < group.count; ++s) {
            const ApplyStep& step = group.steps[s];
            if (step.op == ApplyOp::PumpEvents) {
                PumpEvents();
            } else if (step.op == ApplyOp::ShowNotice) {
                bool allHeld = true;
                for (bool areaFailed : failed) allHeld = allHeld && !areaFailed;
                if (allHeld) {
                    ShowMessage(kSuccess, MB_ICONINFORMATION, kSuccessTitle);
                } else {
                    ShowMessage(DescribeFailures(failed, caption), MB_ICONWARNING, kWarningTitle);
                }
            } else if (!RunWorkingStep(step, caption)) {
                failed[AreaOf(group, step)] = true;
            }
        }
    }
}
