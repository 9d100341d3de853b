// The message box and the message pump shared by the window's loop and the
// Apply sequence.
#pragma once

#include "system/text.h"

#include <windows.h>

// Task-modal and without owner, unless style asks for system-modal.
int ShowMessage(const Text& message, unsigned style, const Text& title);

// The application's look at a message before it is translated and
// dispatched; returning true consumes it.
using PreTranslateHook = bool (*)(MSG& message);
void SetPreTranslateHook(PreTranslateHook hook);

// Pre-translates, translates and dispatches one message taken from the queue.
void HandleMessage(MSG& message);

// Handles every message already queued and returns without waiting; a
// WM_QUIT at the head of the queue stays there for the main loop.
void PumpEvents();
