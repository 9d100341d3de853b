// MainWindow: the program's only window, its 23 controls and their events.
#pragma once

#include "app/folder_rows.h"
#include "app/link.h"
#include "app/window_layout.h"
#include "system/text.h"
#include "system/unique_handle.h"

#include <windows.h>

#include <array>
#include <functional>

class MainWindow {
public:
    struct Handlers {
        std::function<void(MainWindow&)> created;               // before the window is shown
        std::function<void(MainWindow&, FolderRow)> itemSelected;
        std::function<void(MainWindow&)> applyClicked;
    };

    explicit MainWindow(Handlers handlers);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Creates the window and its controls, raises the created event, then
    // shows the window. False when the window cannot be created.
    bool Load(HINSTANCE instance);

    HWND window() const { return window_; }

    Text PathCaption(FolderRow row) const;
    void SetPathCaption(FolderRow row, const Text& caption);
    // The selected item's text.
    Text ComboText(FolderRow row) const;
    // Appends to the row's drive list: the new index, or -1.
    int AddComboItem(FolderRow row, const Text& item);

    // The window layer's look at each message before it is dispatched: the
    // status bar's left-button release is raised here.
    bool PreTranslate(MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    HWND Control(std::size_t index) const { return controls_[index]; }

    Handlers handlers_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    LinkControl link_;
    UniqueIcon largeIcon_;
    UniqueIcon smallIcon_;
};
