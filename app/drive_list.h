// The program-wide list of fixed drives: filled once when the window has
// been created, released once at shutdown.
#pragma once

#include "system/text.h"

#include <cstddef>
#include <vector>

// Replaces the list; the old entries are released now.
void ReplaceDriveList(std::vector<Text> drives);
std::size_t DriveListSize();
// Entry i (0-based); an index outside the list ends the program through the
// fatal error report.
const Text& DriveListEntry(std::size_t i);
// The shutdown hook: releases the list the first time it runs, then nothing.
void ReleaseDriveList();
