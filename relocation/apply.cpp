#include "relocation/apply.h"

#include "app/main_window.h"
#include "relocation/typed_writer.h"
#include "system/files.h"
#include "system/registry.h"
#include "system/shell.h"

namespace {

constexpr ValueTypeSelector kExpandableText = 3;
constexpr unsigned kInformation = MB_ICONINFORMATION;

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
        DeleteRegistryEntry(step.root, step.path);
        return true;
    case ApplyOp::CreateFolder:
        return CreateFolder(JoinTexts(caption(step.row), step.path));
    case ApplyOp::SetAttributes:
        return SetPathAttributes(JoinTexts(caption(step.row), step.path), step.value.number);
    case ApplyOp::WriteMarker:
        return WriteFileBytes(JoinTexts(caption(step.row), step.path),
                              MarkerContent(static_cast<Marker>(step.value.number)));
    case ApplyOp::PumpEvents:
    case ApplyOp::ShowNotice:
        break;
    }
    return false;
}

void RunApply(MainWindow& window) {
    const CaptionSource caption = [&window](FolderRow row) { return window.PathCaption(row); };
    for (std::size_t g = 0; g < kApplySequence.count; ++g) {
        const ApplyGroup& group = kApplySequence.groups[g];
        for (std::size_t s = 0; s < group.count; ++s) {
            const ApplyStep& step = group.steps[s];
            if (step.op == ApplyOp::PumpEvents) {
                PumpEvents();
            } else if (step.op == ApplyOp::ShowNotice) {
                ShowMessage("设置成功！重启系统后生效。", kInformation, "信息");
            } else {
                RunWorkingStep(step, caption);
            }
        }
    }
}
