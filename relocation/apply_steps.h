// The Apply sequence as data: four groups of steps, run in this order by one
// small executor (relocation/apply.cpp). Every step reads its row's caption
// afresh; a path or value "caption + suffix" joins the two as they stand.
#pragma once

#include "app/folder_rows.h"
#include "relocation/markers.h"
#include "system/registry.h"

#include <cstddef>

enum class ApplyOp {
    WriteText,      // WriteRegistryText(root, path, value)
    WriteTyped,     // WriteRegistryTyped(root, path, REG_EXPAND_SZ, bytes of value)
    DeleteEntry,    // DeleteRegistryEntry(root, path)
    CreateFolder,   // CreateFolder(caption + path)
    SetAttributes,  // SetPathAttributes(caption + path, flags)
    WriteMarker,    // WriteFileBytes(caption + path, marker content)
    PumpEvents,     // handle what queued up while the steps ran
    ShowNotice,     // tell the user how it went
};

enum class ValueKind { None, Caption, Literal, Flags, Marker };

struct StepValue {
    ValueKind kind;
    const char* text;  // Caption: the suffix joined to the caption; Literal: the value
    unsigned number;   // Flags: the attributes; Marker: which marker
};

constexpr StepValue NoValue() { return {ValueKind::None, "", 0}; }
constexpr StepValue Caption(const char* suffix = "") { return {ValueKind::Caption, suffix, 0}; }
constexpr StepValue Literal(const char* text) { return {ValueKind::Literal, text, 0}; }
constexpr StepValue Flags(unsigned flags) { return {ValueKind::Flags, "", flags}; }
constexpr StepValue MarkerFile(Marker marker) {
    return {ValueKind::Marker, "", static_cast<unsigned>(marker)};
}

struct ApplyStep {
    ApplyOp op;
    FolderRow row;      // whose caption the step reads
    RegistryRoot root;  // registry steps only
    const char* path;   // registry full path, or the suffix of a folder or file path
    StepValue value;
};

// How a failed step is named to the user: after its row, or as part of the
// browser's storage. Machine-wide and other accounts' values are named apart
// whatever their group.
enum class ReportAs { Row, BrowserStorage };

struct ApplyGroup {
    const ApplyStep* steps;
    std::size_t count;
    ReportAs reportAs;
};

struct ApplySequence {
    const ApplyGroup* groups;
    std::size_t count;
};

// Personal folder and its sub-folders; downloads, videos and music;
// temporary folder and environment; browser storage and the notice.
extern const ApplySequence kApplySequence;
