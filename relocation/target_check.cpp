#include "relocation/target_check.h"

#include "app/window_layout.h"
#include "relocation/target_path.h"
#include "system/files.h"

#include <windows.h>

namespace {

// CreateDirectoryA leaves room for an 8.3 file name below the folder.
constexpr std::size_t kFolderPathLimit = MAX_PATH - 12;

// Whether every path the sequence builds from this caption, with its NUL,
// fits where it is used.
bool PathsFit(FolderRow row, const Text& caption) {
    for (std::size_t g = 0; g < kApplySequence.count; ++g) {
        const ApplyGroup& group = kApplySequence.groups[g];
        for (std::size_t s = 0; s < group.count; ++s) {
            const ApplyStep& step = group.steps[s];
            if (step.row != row) continue;
            std::size_t length = 0;
            std::size_t limit = MAX_PATH;
            if (step.op == ApplyOp::CreateFolder) {
                length = caption.size() + std::string_view(step.path).size();
                limit = kFolderPathLimit;
            } else if (step.op == ApplyOp::SetAttributes || step.op == ApplyOp::WriteMarker) {
                length = caption.size() + std::string_view(step.path).size();
            } else if (step.value.kind == ValueKind::Caption) {
                length = caption.size() + std::string_view(step.value.text).size();
            }
            if (length + 1 > limit) return false;
        }
    }
    return true;
}

const char* Explain(TargetProblem problem) {
    switch (problem) {
    case TargetProblem::Empty:
        return "没有位置";
    case TargetProblem::NotAbsolute:
        return "不是完整的路径，应以盘符（如 D:\\）或网络共享（如 \\\\服务器\\共享\\）开头，并带有文件夹名";
    case TargetProblem::RootMissing:
        return "所在的驱动器或网络共享现在不存在";
    case TargetProblem::TooLong:
        return "路径太长";
    }
    return "";
}

}  // namespace

std::vector<RowProblem> CheckTargets(const CaptionSource& caption) {
    std::vector<RowProblem> problems;
    for (FolderRow row : kFolderRows) {
        const Text text = caption(row);
        const TargetRoot root = TargetRootOf(text);
        if (root.shape == TargetShape::Empty) {
            problems.push_back({row, text, TargetProblem::Empty});
        } else if (root.shape == TargetShape::NotAbsolute) {
            problems.push_back({row, text, TargetProblem::NotAbsolute});
        } else if (!PathsFit(row, text)) {
            problems.push_back({row, text, TargetProblem::TooLong});
        } else if (!RootExists(root.root)) {
            problems.push_back({row, text, TargetProblem::RootMissing});
        }
    }
    return problems;
}

Text DescribeTargetProblems(const std::vector<RowProblem>& problems) {
    Text message = "以下位置无法使用，设置没有应用，什么也没有更改：\n";
    for (const RowProblem& problem : problems) {
        const Text shown = problem.caption.empty() ? Text("（空）") : problem.caption;
        message += JoinTexts("\n", RowName(problem.row), "：", shown, "\n    ", Explain(problem.problem));
    }
    return JoinTexts(message, "\n\n请为这些行重新选择驱动器。");
}
