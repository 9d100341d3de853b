// The real window, started as a user starts it, checked as a user sees it.
#include "tests/e2e_support.h"
#include "tests/support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>

namespace {

const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kDownloadsValue = "{374DE290-123F-4565-9164-39C4925E467B}";
const std::string kTemp = "C:\\zelvora-tests\\e2e-temp";

enum Kind { Label, Combo, Button, Status, Link };

struct Expected {
    Kind kind;
    int left, top, width, height;
    const char* text;
};

// The window's controls from the bottom of the z-order to the top. PathLabel
// texts are checked apart: they show the current locations.
const Expected kExpected[] = {
    {Label, 16, 15, 60, 20, "个人目录"},
    {Label, 16, 47, 60, 20, "下载"},
    {Label, 16, 79, 60, 20, "我的视频"},
    {Label, 16, 111, 60, 20, "我的音乐"},
    {Label, 16, 145, 60, 20, "临时文件夹"},
    {Combo, 84, 15, 72, 0, ""},
    {Combo, 84, 47, 72, 0, ""},
    {Combo, 84, 79, 72, 0, ""},
    {Combo, 84, 111, 72, 0, ""},
    {Combo, 84, 145, 72, 0, ""},
    {Label, 223, 15, 150, 20, nullptr},
    {Label, 167, 15, 40, 20, "设置为"},
    {Label, 167, 47, 40, 20, "设置为"},
    {Label, 167, 79, 40, 20, "设置为"},
    {Label, 167, 111, 40, 20, "设置为"},
    {Label, 167, 145, 40, 20, "设置为"},
    {Button, 137, 171, 80, 32, "应  用"},
    {Label, 223, 47, 150, 20, nullptr},
    {Label, 223, 79, 150, 20, nullptr},
    {Label, 223, 111, 150, 20, nullptr},
    {Label, 223, 145, 150, 20, nullptr},
    {Status, 0, 0, 0, 0, "程序设计：Morvane  网址  https://zelvora.example/"},
    {Link, 248, 176, 192, 24, ""},
};
constexpr std::size_t kPathLabels[] = {10, 17, 18, 19, 20};
constexpr std::size_t kCombos[] = {5, 6, 7, 8, 9};

std::string Documents() {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_PERSONAL, FALSE);
    return path;
}

class WindowE2E : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("C:\\zelvora-tests", nullptr);
        CreateDirectoryA(kTemp.c_str(), nullptr);
        for (const char* name : {kDownloadsValue.c_str(), "My Video", "My Music"}) {
            UniqueKey key;
            if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders.c_str(), 0, KEY_SET_VALUE, key.put()) == 0) {
                RegDeleteValueA(key.get(), name);
            }
        }
    }
    // Controls in table order (bottom of the z-order first).
    std::vector<HWND> Controls(const RunningZelvora& app) {
        std::vector<HWND> controls = app.ChildrenTopDown();
        std::reverse(controls.begin(), controls.end());
        return controls;
    }
};

TEST_F(WindowE2E, OpensCentredFixedAndFilled) {
    RunningZelvora app(Environment{{"TMP", kTemp}, {"TEMP", kTemp}});
    ASSERT_NE(app.window(), nullptr);
    std::printf("start to visible window: %.0f ms\n", app.millisecondsToVisible());
    HWND window = app.window();

    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_EQ(std::string(title), "Zelvora Build20110801");

    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 372);
    EXPECT_EQ(outer.bottom - outer.top, 258);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 372) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 258) / 2);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);

    RECT client;
    GetClientRect(window, &client);
    const std::vector<HWND> controls = Controls(app);
    ASSERT_EQ(controls.size(), std::size(kExpected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const Expected& expected = kExpected[i];
        HWND control = controls[i];
        const LONG controlStyle = GetWindowLongA(control, GWL_STYLE);
        const RECT rect = ClientRectIn(window, control);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.kind != Link);
        EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, expected.kind == Combo || expected.kind == Button);
        if (expected.text) {
            EXPECT_EQ(TextOf(control), expected.text);
        }
        switch (expected.kind) {
        case Combo:
            EXPECT_EQ(ClassOf(control), "ComboBox");
            EXPECT_EQ(controlStyle & 3, CBS_DROPDOWNLIST);
            EXPECT_FALSE(controlStyle & CBS_SORT);
            EXPECT_EQ(SendMessageA(control, CB_GETCURSEL, 0, 0), CB_ERR);
            EXPECT_GT(rect.bottom - rect.top, 10);  // the closed box, not 160
            EXPECT_LT(rect.bottom - rect.top, 40);
            break;
        case Button:
            EXPECT_EQ(ClassOf(control), "Button");
            EXPECT_EQ(controlStyle & 0xF, BS_PUSHBUTTON);
            break;
        case Status:
            EXPECT_EQ(ClassOf(control), "msctls_statusbar32");
            EXPECT_EQ(rect.left, 0);
            EXPECT_EQ(rect.right, client.right);
            EXPECT_EQ(rect.bottom, client.bottom);
            EXPECT_FALSE(controlStyle & SBARS_SIZEGRIP);
            EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 0, 0), 1);
            break;
        case Label:
        case Link:
            EXPECT_NE(ClassOf(control), "Button");
            break;
        }
        if (expected.kind != Status) {
            EXPECT_EQ(rect.left, expected.left);
            EXPECT_EQ(rect.top, expected.top);
            EXPECT_EQ(rect.right - rect.left, expected.width);
            if (expected.height) {
                EXPECT_EQ(rect.bottom - rect.top, expected.height);
            }
        }
    }

    // Nothing was chosen: the current locations, with the registry values
    // missing, are the documents folder and its defaults.
    const std::string documents = Documents();
    const std::string expectedCaptions[] = {documents, documents + "\\", documents + "\\My Video",
                                            documents + "\\My Music", kTemp};
    for (std::size_t row = 0; row < std::size(kPathLabels); ++row) {
        EXPECT_EQ(TextOf(controls[kPathLabels[row]]), expectedCaptions[row]) << "row " << row;
    }

    // Every row offers the fixed drives only, in letter order.
    for (std::size_t combo : kCombos) {
        EXPECT_EQ(ComboItems(controls[combo]), SessionFixedDrives()) << "combo " << combo;
        EXPECT_EQ(SendMessageA(controls[combo], CB_GETITEMDATA, 0, 0), 0);
    }
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(WindowE2E, CaptionsFollowTheRegistry) {
    SetEnvironmentVariableA("ZELVORA_E2E_ROOT", nullptr);
    Store(HKEY_CURRENT_USER, kShellFolders, kDownloadsValue, REG_EXPAND_SZ,
          BytesOf("%ZELVORA_E2E_ROOT%\\影音下载", true));
    Store(HKEY_CURRENT_USER, kShellFolders, "My Video", REG_DWORD, {1, 0, 0, 0});
    Store(HKEY_CURRENT_USER, kShellFolders, "My Music", REG_SZ, BytesOf("F:\\音乐&歌", true));
    RunningZelvora app(Environment{{"ZELVORA_E2E_ROOT", "F:\\根"}});
    ASSERT_NE(app.window(), nullptr);
    const std::vector<HWND> controls = Controls(app);
    ASSERT_EQ(controls.size(), std::size(kExpected));
    EXPECT_EQ(TextOf(controls[kPathLabels[1]]), "F:\\根\\影音下载");
    EXPECT_EQ(TextOf(controls[kPathLabels[2]]), Documents() + "\\My Video");
    EXPECT_EQ(TextOf(controls[kPathLabels[3]]), "F:\\音乐&歌");
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(WindowE2E, ChoosingADriveProposesOneRowsLocation) {
    RunningZelvora app;
    ASSERT_NE(app.window(), nullptr);
    const std::vector<HWND> controls = Controls(app);
    ASSERT_EQ(controls.size(), std::size(kExpected));
    std::vector<std::string> before;
    for (std::size_t label : kPathLabels) before.push_back(TextOf(controls[label]));
    const std::vector<std::string> drives = SessionFixedDrives();
    const int d = static_cast<int>(std::find(drives.begin(), drives.end(), "D:") - drives.begin());
    const int f = static_cast<int>(std::find(drives.begin(), drives.end(), "F:") - drives.begin());

    struct Choice {
        std::size_t row;
        int item;
        std::string caption;
    } choices[] = {
        {0, d, "D:\\My Documents"},
        {0, d, "D:\\My Documents"},  // the same drive again
        {1, d, "D:\\\xD3\xB0\xD2\xF4\xCF\xC2\xD4\xD8"},  // D:\影音下载 in GBK
        {2, f, "F:\\电影"},
        {3, f, "F:\\音乐"},
        {4, f, "F:\\Temp"},
        {0, f, "F:\\My Documents"},  // a second choice replaces the first
    };
    std::vector<std::string> now = before;
    for (const Choice& choice : choices) {
        SCOPED_TRACE(choice.caption);
        SetWindowTextA(controls[kPathLabels[choice.row]], "");  // the event must set it again
        ChooseItem(controls[kCombos[choice.row]], choice.item);
        EXPECT_TRUE(WaitForText(controls[kPathLabels[choice.row]], choice.caption));
        now[choice.row] = choice.caption;
        for (std::size_t row = 0; row < std::size(kPathLabels); ++row) {
            EXPECT_EQ(TextOf(controls[kPathLabels[row]]), now[row]) << "row " << row;
        }
    }

    // Opening a list and closing it without a choice changes nothing.
    HWND combo = controls[kCombos[4]];
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Sleep(300);
    EXPECT_EQ(TextOf(controls[kPathLabels[4]]), "F:\\Temp");
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(WindowE2E, StatusBarClickOpensTheAuthorsAddressOncePerClick) {
    // The browser is a probe that logs its command line.
    const std::string log = ScratchFolder("link") + "\\link.log";
    char probe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, probe, MAX_PATH);
    std::string command = probe;
    command = "\"" + command.substr(0, command.rfind('\\')) + "\\link_probe.exe\" \"%1\"";
    const std::string classes = "Software\\Classes\\https\\shell\\open\\command";
    const StoredValue saved = ReadStored(HKEY_LOCAL_MACHINE, classes, "");
    Store(HKEY_LOCAL_MACHINE, classes, "", REG_SZ, BytesOf(command, true));

    RunningZelvora app(Environment{{"ZELVORA_LINK_LOG", log}});
    ASSERT_NE(app.window(), nullptr);
    HWND status = app.ChildrenTopDown()[1];
    ASSERT_EQ(ClassOf(status), "msctls_statusbar32");
    PostMessageA(status, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageA(status, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    PostMessageA(status, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(status, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    std::string logged;
    for (int i = 0; i < 100 && logged.find('\n') == std::string::npos; ++i) {
        Sleep(50);
        const Bytes bytes = ReadFileWhole(log);
        logged.assign(bytes.begin(), bytes.end());
    }
    Sleep(500);  // room for a second, wrong opening to show up
    const Bytes bytes = ReadFileWhole(log);
    logged.assign(bytes.begin(), bytes.end());
    EXPECT_NE(logged.find("https://zelvora.example/"), std::string::npos) << logged;
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 1) << logged;
    EXPECT_EQ(app.Close(), 0u);
    if (saved.present) Store(HKEY_LOCAL_MACHINE, classes, "", saved.type, saved.data);
}

}  // namespace
