// Whether a row's caption can be a target at all, by its shape alone: an
// absolute path below a drive ("D:\name") or a share ("\\server\share\name").
// Pure text work.
#pragma once

#include "system/text.h"

enum class TargetShape { Usable, Empty, NotAbsolute };

struct TargetRoot {
    TargetShape shape;
    Text root;  // "D:\" or "\\server\share\" when usable
};

TargetRoot TargetRootOf(std::string_view caption);
