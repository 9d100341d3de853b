// The message box wrapper and the message pump, on a real window.
#include "system/shell.h"
#include "tests/support.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

int g_dispatched = 0;
bool g_consume = false;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++g_dispatched;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool ConsumeWmApp(MSG& message) { return g_consume && message.message == WM_APP; }

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = CountingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZelvoraShellTest";
        RegisterClassA(&windowClass);
        window = CreateWindowA("ZelvoraShellTest", "shell test", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        MSG drain;
        while (PeekMessageA(&drain, nullptr, 0, 0, PM_REMOVE)) {}
        g_dispatched = 0;
        g_consume = false;
        SetPreTranslateHook(ConsumeWmApp);
    }
    void TearDown() override {
        SetPreTranslateHook(nullptr);
        DestroyWindow(window);
        MSG drain;
        while (PeekMessageA(&drain, nullptr, 0, 0, PM_REMOVE)) {}
    }
    HWND window = nullptr;
};

TEST_F(ShellTest, PumpEventsHandlesWhatIsQueuedAndReturns) {
    PumpEvents();  // empty queue: returns at once
    for (int i = 0; i < 3; ++i) PostMessageA(window, WM_APP, 0, 0);
    PumpEvents();
    EXPECT_EQ(g_dispatched, 3);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
}

TEST_F(ShellTest, PumpEventsLetsThePreTranslationConsume) {
    g_consume = true;
    PostMessageA(window, WM_APP, 0, 0);
    PumpEvents();
    EXPECT_EQ(g_dispatched, 0);
}

TEST_F(ShellTest, PumpEventsLeavesWmQuitQueued) {
    // PostQuitMessage would wait behind posted messages; a posted WM_QUIT
    // stands at the head of the queue.
    PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 7, 0);
    PostMessageA(window, WM_APP, 0, 0);
    PumpEvents();
    EXPECT_EQ(g_dispatched, 0);  // stopped at the quit, before the later message
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(quit.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(quit.wParam, 7u);
}

struct BoxSeen {
    bool found = false;
    bool ownerless = false;
    bool ourWindowEnabled = true;
    std::string text;
};

// Watches from another thread for the box titled title, notes what it saw,
// and presses OK.
BoxSeen AnswerBox(const char* title, HWND ourWindow) {
    BoxSeen seen;
    for (int i = 0; i < 200; ++i) {
        HWND box = FindWindowA("#32770", title);
        if (box && IsWindowVisible(box)) {
            seen.found = true;
            seen.ownerless = GetWindow(box, GW_OWNER) == nullptr;
            seen.ourWindowEnabled = IsWindowEnabled(ourWindow) != FALSE;
            char text[256] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            seen.text = text;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            break;
        }
        Sleep(50);
    }
    return seen;
}

TEST_F(ShellTest, ShowMessageIsTaskModalWithoutOwner) {
    ShowWindow(window, SW_SHOW);
    BoxSeen seen;
    std::thread watcher([&] { seen = AnswerBox("信息", window); });
    const int button = ShowMessage("设置成功！", 64, "信息");
    watcher.join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(button, IDOK);
    EXPECT_EQ(seen.text, "设置成功！");
    EXPECT_TRUE(seen.ownerless);
    EXPECT_FALSE(seen.ourWindowEnabled);  // task-modal: the thread's windows are disabled
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(ShellTest, ShowMessageSystemModalAddsNoTaskModalFlag) {
    ShowWindow(window, SW_SHOW);
    BoxSeen seen;
    std::thread watcher([&] { seen = AnswerBox("系统", window); });
    ShowMessage("system", MB_SYSTEMMODAL, "系统");
    watcher.join();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.ourWindowEnabled);  // only task-modal boxes disable the thread's windows
}

}  // namespace
