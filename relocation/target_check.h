// Before Apply writes anything: every row's caption must be a place that can
// exist now. A user told "success" while Windows looks for Documents on a
// missing drive is the failure this prevents.
#pragma once

#include "relocation/apply.h"

#include <vector>

enum class TargetProblem { Empty, NotAbsolute, RootMissing, TooLong };

struct RowProblem {
    FolderRow row;
    Text caption;
    TargetProblem problem;
};

std::vector<RowProblem> CheckTargets(const CaptionSource& caption);

// One warning that names each failing row and says why.
Text DescribeTargetProblems(const std::vector<RowProblem>& problems);
