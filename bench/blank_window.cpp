// The floor for start-up and memory: the least a visible top-level window
// the size of Zelvora's costs a Win32 program. Built twice more to show where
// Zelvora's start-up goes: with OleInitialize and InitCommonControlsEx as
// Zelvora starts, and with those, Zelvora's manifest and the same 23 standard
// controls created plainly.
#include "app/window_layout.h"

#include <windows.h>

#if defined(BLANK_WITH_OLE_AND_COMMON_CONTROLS) || defined(BLANK_WITH_CONTROLS)
#include <commctrl.h>
#include <ole2.h>
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef BLANK_WITH_CONTROLS
void CreateControls(HWND window, HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const auto& entry : kControls) {
        const char* className = "STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        int height = entry.height;
        if (entry.kind == ControlKind::DropDownList) {
            className = "COMBOBOX";
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
            height = kDropDownCreateHeight;
        } else if (entry.kind == ControlKind::PushButton) {
            className = "BUTTON";
        } else if (entry.kind == ControlKind::StatusBar) {
            className = STATUSCLASSNAMEA;
        } else if (entry.kind == ControlKind::Link) {
            style &= ~WS_VISIBLE;
        }
        HWND control = CreateWindowExA(0, className, entry.text, style, entry.left, entry.top, entry.width,
                                       height, window, nullptr, instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#if defined(BLANK_WITH_OLE_AND_COMMON_CONTROLS) || defined(BLANK_WITH_CONTROLS)
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
#endif
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "ZelvoraBenchBlank";
    if (!RegisterClassExA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Zelvora bench blank",
                                  kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth,
                                  kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
#ifdef BLANK_WITH_CONTROLS
    CreateControls(window, instance);
#endif
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
#if defined(BLANK_WITH_OLE_AND_COMMON_CONTROLS) || defined(BLANK_WITH_CONTROLS)
    OleUninitialize();
#endif
    return 0;
}
