// The Apply button: every step of the sequence, in order, then the notice.
#pragma once

#include "app/folder_rows.h"
#include "relocation/apply_steps.h"
#include "system/text.h"

#include <functional>

class MainWindow;

using CaptionSource = std::function<Text(FolderRow)>;

// Runs one working step with the caption its row has now; true when the step
// reached its end state. Pump and notice steps are not working steps.
bool RunWorkingStep(const ApplyStep& step, const CaptionSource& caption);

// The click handler of the Apply button.
void RunApply(MainWindow& window);
