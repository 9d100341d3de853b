#include "app/main_window.h"

#include <commctrl.h>

namespace {

constexpr char kWindowClass[] = "ZelvoraMainWindow";
constexpr char kLabelClass[] = "ZelvoraLabel";
// Posted on CBN_SELENDOK, so the item-selected event runs outside the combo
// box's own notification and already sees the new selection.
constexpr UINT kItemSelectedMessage = WM_APP + 1;
constexpr int kFirstControlId = 1000;

// Label extra bytes: text colour, then the font set with WM_SETFONT.
constexpr int kLabelColourOffset = 0;
constexpr int kLabelFontOffset = sizeof(LONG_PTR);

Text WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The labels are painted by the program: button-face background, caption in
// the label's colour, one line, vertically centred, '&' drawn as itself.
LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(label, kLabelColourOffset,
                          static_cast<LONG_PTR>(reinterpret_cast<UINT_PTR>(create->lpCreateParams)));
        return 0;
    }
    case WM_SETFONT:
        SetWindowLongPtrA(label, kLabelFontOffset, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(label, kLabelFontOffset);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole label
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(label, &paint);
        RECT area;
        GetClientRect(label, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        const Text text = WindowText(label);
        const HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kLabelFontOffset));
        const HGDIOBJ oldFont = SelectObject(dc, font ? font : GuiFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(label, kLabelColourOffset)));
        DrawTextA(dc, text.c_str(), -1, &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        EndPaint(label, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(label, message, wParam, lParam);
    }
}

struct KindClass {
    const char* className;
    DWORD style;
};

// Window class and styles of each kind of control (visibility and tab stops
// come from the control table).
KindClass ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return {kLabelClass, 0};
    case ControlKind::DropDownList:
        return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL};
    case ControlKind::PushButton:
        return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEA, CCS_BOTTOM | SBARS_TOOLTIPS};
    case ControlKind::Link:
        return {"STATIC", 0};
    }
    return {"STATIC", 0};
}

bool RegisterClasses(HINSTANCE instance, WNDPROC windowProc, HICON icon, HICON smallIcon) {
    WNDCLASSEXA label{};
    label.cbSize = sizeof label;
    label.lpfnWndProc = LabelProc;
    label.cbWndExtra = 2 * sizeof(LONG_PTR);
    label.hInstance = instance;
    label.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    label.lpszClassName = kLabelClass;
    if (!RegisterClassExA(&label) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = windowProc;
    main.hInstance = instance;
    main.hIcon = icon;
    main.hIconSm = smallIcon;
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kWindowClass;
    return RegisterClassExA(&main) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow(Handlers handlers) : handlers_(std::move(handlers)) {}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

bool MainWindow::Load(HINSTANCE instance) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    largeIcon_.reset(static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXICON),
                                                   GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
    if (!RegisterClasses(instance, WindowProc, largeIcon_.get(), smallIcon_.get())) return false;

    // Centred on the screen whatever the design position was.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    if (!CreateWindowExA(0, kWindowClass, kWindowTitle, kWindowStyle, left, top, kWindowWidth,
                         kWindowHeight, nullptr, nullptr, instance, this)) {
        return false;
    }
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    CreateControls(instance);

    if (handlers_.created) handlers_.created(*this);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetFocus(Control(RowSpec(FolderRow::Personal).combo));
    return true;
}

void MainWindow::CreateControls(HINSTANCE instance) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& entry = kControls[i];
        const KindClass kind = ClassOf(entry.kind);
        DWORD style = WS_CHILD | kind.style;
        if (entry.kind != ControlKind::Link) style |= WS_VISIBLE;
        if (entry.tabStop) style |= WS_TABSTOP;
        const int height =
            entry.kind == ControlKind::DropDownList ? kDropDownCreateHeight : entry.height;
        void* createParam = entry.kind == ControlKind::Label
                                ? reinterpret_cast<void*>(static_cast<UINT_PTR>(entry.textColour))
                                : nullptr;
        HWND control = CreateWindowExA(0, kind.className, entry.text, style, entry.left, entry.top,
                                       entry.width, height, window_,
                                       reinterpret_cast<HMENU>(kFirstControlId + i), instance,
                                       createParam);
        controls_[i] = control;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
        // Each control goes on top of the ones before it.
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

        if (entry.kind == ControlKind::DropDownList) {
            const LRESULT itemHeight = SendMessageA(control, CB_GETITEMHEIGHT, 0, 0);
            if (itemHeight > 0) SendMessageA(control, CB_SETITEMHEIGHT, 0, itemHeight + 1);
        } else if (entry.kind == ControlKind::StatusBar) {
            int rightEdges[] = {-1};
            SendMessageA(control, SB_SETPARTS, std::size(rightEdges),
                         reinterpret_cast<LPARAM>(rightEdges));
            const Text text = JoinTexts(kStatusCredit, kAuthorAddress);
            SendMessageA(control, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SendMessageA(control, SB_SETTIPTEXTA, 0, reinterpret_cast<LPARAM>(""));
        } else if (entry.kind == ControlKind::Link) {
            link_ = {control, kAuthorAddress};
        }
    }
}

Text MainWindow::PathCaption(FolderRow row) const { return WindowText(Control(RowSpec(row).pathLabel)); }

void MainWindow::SetPathCaption(FolderRow row, const Text& caption) {
    SetWindowTextA(Control(RowSpec(row).pathLabel), caption.c_str());
}

// A drop-down list's window text is its selected item's text.
Text MainWindow::ComboText(FolderRow row) const { return WindowText(Control(RowSpec(row).combo)); }

int MainWindow::AddComboItem(FolderRow row, const Text& item) {
    const HWND combo = Control(RowSpec(row).combo);
    const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index < 0) return -1;
    SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), 0);
    return static_cast<int>(index);
}

bool MainWindow::PreTranslate(MSG& message) {
    if (message.message == WM_LBUTTONUP && message.hwnd == Control(kStatusBar)) {
        OpenLinkAddress(link_);
        return false;  // the status bar still sees its button release
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        // Tab walks the tab stops in creation order, which is up the z-order.
        HWND next = GetNextDlgTabItem(window_, GetFocus(), !backwards);
        if (next) SetFocus(next);
        return true;
    }
    return false;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const std::size_t index = LOWORD(wParam) - kFirstControlId;
        if (HIWORD(wParam) == CBN_SELENDOK) {
            PostMessageA(window_, kItemSelectedMessage, index, 0);
        } else if (HIWORD(wParam) == BN_CLICKED && index == kApplyButton) {
            if (handlers_.applyClicked) handlers_.applyClicked(*this);
        }
        return 0;
    }
    case kItemSelectedMessage:
        for (const FolderRowSpec& entry : kFolderRowSpecs) {
            if (entry.combo == wParam && handlers_.itemSelected) handlers_.itemSelected(*this, entry.row);
        }
        return 0;
    case WM_SIZE:
        // Keeps the status bar docked.
        if (Control(kStatusBar)) SendMessageA(Control(kStatusBar), WM_SIZE, 0, 0);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Control(kStatusBar)) {
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
