#include "system/shell.h"

namespace {
PreTranslateHook g_preTranslate = nullptr;
}

int ShowMessage(const Text& message, unsigned style, const Text& title) {
    if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
    return MessageBoxA(nullptr, message.c_str(), title.c_str(), style);
}

void SetPreTranslateHook(PreTranslateHook hook) { g_preTranslate = hook; }

void HandleMessage(MSG& message) {
    if (g_preTranslate && g_preTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void PumpEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // keep it for the loop
        if (got <= 0) break;
        HandleMessage(message);
    }
}
