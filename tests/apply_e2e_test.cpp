// Apply through the real window: every value, folder and marker file the
// sequence leaves behind, checked against what the test derives itself.
#include "tests/e2e_support.h"
#include "tests/support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kShell = kExplorer + "Shell Folders";
const std::string kUserShell = kExplorer + "User Shell Folders";
const std::string kCache =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\5.0\\Cache\\Extensible Cache";
const char* const kProfiles[] = {".DEFAULT", "S-1-5-18", "S-1-5-20"};
const char* const kContainers[] = {"DOMStore", "feedplat", "UserData", "iecompat", "ietld", "PrivacIE:"};

struct ExpectedValue {
    HKEY root;
    std::string key;
    std::string name;
    DWORD type;
    std::string text;
};

struct Captions {
    std::string personal, downloads, videos, music, temp;
};

// Every value the four groups write, derived here from the captions.
std::vector<ExpectedValue> ExpectedValues(const Captions& c) {
    std::vector<ExpectedValue> values;
    auto both = [&](HKEY root, const std::string& profile, const std::string& name,
                    const std::string& text) {
        values.push_back({root, profile + kShell, name, REG_SZ, text});
        values.push_back({root, profile + kUserShell, name, REG_EXPAND_SZ, text});
    };
    const std::string& p = c.personal;
    both(HKEY_CURRENT_USER, "", "Personal", p);
    values.push_back({HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Suggested Sites",
                      "SlicePath", REG_SZ, p + "\\Favorites\\建议网站.url"});
    both(HKEY_CURRENT_USER, "", "Favorites", p + "\\Favorites");
    both(HKEY_CURRENT_USER, "", "My Pictures", p + "\\Pictures");
    both(HKEY_CURRENT_USER, "", "{7D1D3A04-DEBB-4115-95CF-2F29DA2920DA}", p + "\\Searches");
    both(HKEY_CURRENT_USER, "", "{4C5C32FF-BB9D-43B0-B5B4-2D72E54EAAA4}", p + "\\Saved Games");
    both(HKEY_CURRENT_USER, "", "{56784854-C6CB-462B-8169-88E350ACB882}", p + "\\Contacts");

    both(HKEY_CURRENT_USER, "", "{374DE290-123F-4565-9164-39C4925E467B}", c.downloads);
    both(HKEY_CURRENT_USER, "", "My Video", c.videos);
    both(HKEY_CURRENT_USER, "", "My Music", c.music);

    const std::string& t = c.temp;
    for (const char* name : {"TEMP", "TMP"}) {
        values.push_back({HKEY_CURRENT_USER, "Environment", name, REG_EXPAND_SZ, t});
        for (const char* set : {"ControlSet001", "ControlSet002", "CurrentControlSet"}) {
            values.push_back({HKEY_LOCAL_MACHINE,
                              std::string("SYSTEM\\") + set + "\\Control\\Session Manager\\Environment",
                              name, REG_SZ, t});
        }
    }
    values.push_back({HKEY_USERS, ".DEFAULT\\" + kShell, "TMP", REG_SZ, t});
    values.push_back({HKEY_USERS, "S-1-5-18\\" + kShell, "TMP", REG_SZ, t});

    for (const char* container : kContainers) {
        values.push_back({HKEY_CURRENT_USER, kCache + "\\" + container, "CachePrefix", REG_SZ, container});
        values.push_back({HKEY_CURRENT_USER, kCache + "\\" + container, "CachePath", REG_EXPAND_SZ, t});
    }
    const std::pair<const char*, const char*> storage[] = {
        {"Cookies", "\\Cookies"}, {"Cache", "\\Temporary Internet Files"}, {"History", "\\History"}};
    for (const auto& [name, folder] : storage) {
        both(HKEY_CURRENT_USER, "", name, t + folder);
        for (const char* profile : kProfiles) both(HKEY_USERS, std::string(profile) + "\\", name, t + folder);
    }
    return values;
}

void ExpectValues(const std::vector<ExpectedValue>& values) {
    for (const ExpectedValue& value : values) {
        SCOPED_TRACE(value.key + "\\" + value.name);
        const StoredValue stored = ReadStored(value.root, value.key, value.name);
        ASSERT_TRUE(stored.present);
        EXPECT_EQ(stored.type, value.type);
        EXPECT_EQ(stored.data, BytesOf(value.text, true));  // one NUL, GBK bytes
    }
}

// The marker files as the test reads them from their line lists: UTF-16LE
// with a byte-order mark; all but the personal one framed by CR LF.
struct ExpectedMarker {
    const char* file;
    std::size_t size;
    bool framed;
    std::vector<std::string> lines;
};

const ExpectedMarker kMarkers[] = {
    {"\\desktop.ini", 394, false,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21770",
      "IconResource=%SystemRoot%\\system32\\imageres.dll,-112", "IconFile=%SystemRoot%\\system32\\shell32.dll",
      "IconIndex=-235"}},
    {"\\Favorites\\desktop.ini", 402, true,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21796",
      "IconResource=%SystemRoot%\\system32\\imageres.dll,-115", "IconFile=%SystemRoot%\\system32\\shell32.dll",
      "IconIndex=-173"}},
    {"\\Pictures\\desktop.ini", 504, true,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21779",
      "InfoTip=@%SystemRoot%\\system32\\shell32.dll,-12688", "IconResource=%SystemRoot%\\system32\\imageres.dll,-113",
      "IconFile=%SystemRoot%\\system32\\shell32.dll", "IconIndex=-236"}},
    {"\\Searches\\desktop.ini", 408, true,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-9031",
      "IconResource=%SystemRoot%\\system32\\imageres.dll,-18", "[LocalizedFileNames]",
      "Everywhere.search-ms=@SEARCH~1.DLL,-32822"}},
    {"\\Saved Games\\desktop.ini", 282, true,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21814",
      "IconResource=%SystemRoot%\\system32\\imageres.dll,-186"}},
    {"\\Contacts\\desktop.ini", 412, true,
     {"[.ShellClassInfo]", "LocalizedResourceName=@%CommonProgramFiles%\\system\\wab32res.dll,-10100",
      "InfoTip=@%CommonProgramFiles%\\system\\wab32res.dll,-10200",
      "IconResource=%SystemRoot%\\system32\\imageres.dll,-181"}},
};

Bytes Utf16(const std::string& ascii) {
    Bytes bytes;
    for (char c : ascii) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

void ExpectMarkers(const std::string& personal) {
    const Bytes crlf{0x0D, 0x00, 0x0A, 0x00};
    for (const ExpectedMarker& marker : kMarkers) {
        SCOPED_TRACE(marker.file);
        const std::string path = personal + marker.file;
        const Bytes content = ReadFileWhole(path);
        ASSERT_EQ(content.size(), marker.size);
        EXPECT_EQ(content[0], 0xFF);
        EXPECT_EQ(content[1], 0xFE);
        const Bytes head(content.begin() + 2, content.begin() + 6);
        const Bytes tail(content.end() - 4, content.end());
        EXPECT_EQ(head == crlf, marker.framed);
        EXPECT_EQ(tail == crlf, marker.framed);
        Bytes expected{0xFF, 0xFE};
        if (marker.framed) expected.insert(expected.end(), crlf.begin(), crlf.end());
        for (std::size_t i = 0; i < marker.lines.size(); ++i) {
            if (!marker.framed && i > 0) expected.insert(expected.end(), crlf.begin(), crlf.end());
            const Bytes line = Utf16(marker.lines[i]);
            expected.insert(expected.end(), line.begin(), line.end());
            if (marker.framed) expected.insert(expected.end(), crlf.begin(), crlf.end());
        }
        EXPECT_EQ(content, expected);
        const DWORD attributes = Attributes(path);
        EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
                  static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }
    // The personal marker ends in "-235" with no line break.
    const Bytes personalMarker = ReadFileWhole(personal + "\\desktop.ini");
    ASSERT_GE(personalMarker.size(), 8u);
    EXPECT_EQ(Bytes(personalMarker.end() - 8, personalMarker.end()), Utf16("-235"));
    EXPECT_EQ(personalMarker[2], 0x5B);
}

void ExpectFolders(const Captions& c) {
    for (const char* sub : {"", "\\Favorites", "\\Pictures", "\\Searches", "\\Saved Games", "\\Contacts"}) {
        const std::string folder = c.personal + sub;
        EXPECT_TRUE(FolderExists(folder)) << folder;
        EXPECT_TRUE(Attributes(folder) & FILE_ATTRIBUTE_SYSTEM) << folder;
    }
    for (const std::string& folder : {c.downloads, c.videos, c.music, c.temp, c.temp + "\\Cookies",
                                      c.temp + "\\Temporary Internet Files", c.temp + "\\History"}) {
        EXPECT_TRUE(FolderExists(folder)) << folder;
    }
    // These rows get no marker file, and the suggested-sites file is only named.
    for (const std::string& folder : {c.downloads, c.videos, c.music}) {
        EXPECT_EQ(Attributes(folder + "\\desktop.ini"), INVALID_FILE_ATTRIBUTES) << folder;
        EXPECT_FALSE(Attributes(folder) & FILE_ATTRIBUTE_SYSTEM) << folder;
    }
    EXPECT_EQ(Attributes(c.personal + "\\Favorites\\建议网站.url"), INVALID_FILE_ATTRIBUTES);
}

// Children in table order, as the window test knows them.
struct Window {
    HWND window, apply;
    std::vector<HWND> combos, pathLabels;
};

Window Controls(const RunningZelvora& app) {
    std::vector<HWND> top = app.ChildrenTopDown();
    std::vector<HWND> c(top.rbegin(), top.rend());
    if (c.size() != 23) return {app.window(), nullptr, {}, {}};
    return {app.window(), c[16], {c[5], c[6], c[7], c[8], c[9]}, {c[10], c[17], c[18], c[19], c[20]}};
}

struct Notice {
    bool shown = false;
    std::string text;
    int buttons = 0;
    bool mainWindowEnabled = true;
    bool hasIcon = false;
    double milliseconds = 0;
};

// Clicks Apply, waits for the notice, notes what it shows and closes it.
Notice ClickApply(const RunningZelvora& app, const Window& w, const std::string& title) {
    Notice notice;
    const auto begin = std::chrono::steady_clock::now();
    PostMessageA(w.apply, BM_CLICK, 0, 0);  // posted: the click opens a modal box
    HWND box = FindDialog(app.processId(), title, 20000);
    notice.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    if (!box) return notice;
    notice.shown = true;
    notice.text = MessageBoxText(box);
    notice.mainWindowEnabled = IsWindowEnabled(w.window) != FALSE;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) ++notice.buttons;
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child)) {
            notice.hasIcon = true;
        }
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && IsWindow(box); ++i) Sleep(10);
    return notice;
}

void ChooseDrive(const Window& w, std::size_t row, const std::string& drive, const std::string& caption) {
    const std::vector<std::string> items = ComboItems(w.combos[row]);
    const auto at = std::find(items.begin(), items.end(), drive);
    ASSERT_NE(at, items.end()) << drive;
    ChooseItem(w.combos[row], static_cast<int>(at - items.begin()));
    ASSERT_TRUE(WaitForText(w.pathLabels[row], caption)) << caption;
}

// What a loaded profile has: its shell-folder keys. Wine has no such hives
// for the system accounts until someone makes them.
void PrepareProfiles() {
    for (const char* profile : kProfiles) {
        for (const std::string& key : {kShell, kUserShell}) {
            UniqueKey created;
            RegCreateKeyA(HKEY_USERS, (std::string(profile) + "\\" + key).c_str(), created.put());
        }
    }
}

void CleanDrive(const std::string& drive) {
    for (const char* folder : {"\\My Documents", "\\影音下载", "\\电影", "\\音乐", "\\Temp"}) {
        RemoveTree(drive + folder);
    }
}

class ApplyE2E : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareProfiles();
        CleanDrive("D:");
        DeleteTree(HKEY_CURRENT_USER, kCache);
    }
};

TEST_F(ApplyE2E, MovesEveryFolderToTheChosenDrive) {
    // Left from an earlier run: values only, no subkeys. The key goes.
    Store(HKEY_CURRENT_USER, kCache, "Stale", REG_SZ, BytesOf("x", true));

    RunningZelvora app;
    ASSERT_NE(app.window(), nullptr);
    const Window w = Controls(app);
    ASSERT_NE(w.apply, nullptr);
    const Captions target{"D:\\My Documents", "D:\\影音下载", "D:\\电影", "D:\\音乐", "D:\\Temp"};
    const std::string captions[] = {target.personal, target.downloads, target.videos, target.music, target.temp};
    for (std::size_t row = 0; row < 5; ++row) ChooseDrive(w, row, "D:", captions[row]);

    const Notice notice = ClickApply(app, w, "信息");
    ASSERT_TRUE(notice.shown);
    std::printf("click to notice: %.0f ms\n", notice.milliseconds);
    EXPECT_EQ(notice.text, "设置成功！重启系统后生效。");
    EXPECT_EQ(notice.buttons, 1);
    EXPECT_TRUE(notice.hasIcon);
    EXPECT_FALSE(notice.mainWindowEnabled);  // task-modal
    EXPECT_TRUE(IsWindowEnabled(w.window));

    const std::vector<ExpectedValue> values = ExpectedValues(target);
    ExpectValues(values);
    ExpectFolders(target);
    ExpectMarkers(target.personal);
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, kCache, "Stale").present);
    EXPECT_FALSE(ReadStored(HKEY_USERS, ".DEFAULT\\" + kShell, "TEMP").present);
    EXPECT_FALSE(ReadStored(HKEY_USERS, "S-1-5-20\\" + kShell, "TMP").present);

    // Other containers and values below a cache key with subkeys survive the
    // second run; the six containers are rewritten in place.
    Store(HKEY_CURRENT_USER, kCache + "\\Other", "CachePath", REG_SZ, BytesOf("kept", true));
    Store(HKEY_CURRENT_USER, kCache + "\\DOMStore", "Extra", REG_SZ, BytesOf("kept", true));
    Store(HKEY_CURRENT_USER, kCache + "\\DOMStore", "CachePath", REG_SZ, BytesOf("old", true));
    const Notice second = ClickApply(app, w, "信息");
    ASSERT_TRUE(second.shown);
    EXPECT_EQ(second.text, "设置成功！重启系统后生效。");
    ExpectValues(values);
    ExpectFolders(target);
    ExpectMarkers(target.personal);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kCache + "\\Other", "CachePath").data, BytesOf("kept", true));
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kCache + "\\DOMStore", "Extra").data, BytesOf("kept", true));
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(ApplyE2E, UnchosenRowsAreWrittenBackAndMissingKeysAreNotCreated) {
    const std::string temp = ScratchFolder("apply-temp");
    RunningZelvora app(Environment{{"TMP", temp}, {"TEMP", temp}});
    ASSERT_NE(app.window(), nullptr);
    const Window w = Controls(app);
    ASSERT_NE(w.apply, nullptr);
    ChooseDrive(w, 0, "D:", "D:\\My Documents");
    const std::string downloads = TextOf(w.pathLabels[1]);
    const std::string videos = TextOf(w.pathLabels[2]);
    const std::string music = TextOf(w.pathLabels[3]);
    EXPECT_EQ(TextOf(w.pathLabels[4]), temp);

    // The typed writer never creates a key: without "User Shell Folders"
    // only the plain "Shell Folders" values appear, the run goes on, and the
    // notice says which rows did not fully take effect.
    ASSERT_TRUE(DeleteTree(HKEY_CURRENT_USER, kUserShell));
    const Notice notice = ClickApply(app, w, "警告");
    ASSERT_TRUE(notice.shown);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserShell));
    EXPECT_EQ(notice.text.find("设置成功"), std::string::npos);
    EXPECT_NE(notice.text.find("设置只应用了一部分"), std::string::npos) << notice.text;
    for (const char* named : {"个人目录（D:\\My Documents）", "下载", "我的视频", "我的音乐", "浏览器"}) {
        EXPECT_NE(notice.text.find(named), std::string::npos) << named << "\n" << notice.text;
    }
    // The temporary folder's own values and folder all held; nothing here
    // needed administrator rights.
    EXPECT_EQ(notice.text.find("临时文件夹"), std::string::npos) << notice.text;
    EXPECT_EQ(notice.text.find("管理员"), std::string::npos) << notice.text;

    const Captions captions{"D:\\My Documents", downloads, videos, music, temp};
    std::vector<ExpectedValue> expected;
    for (const ExpectedValue& value : ExpectedValues(captions)) {
        if (value.root == HKEY_CURRENT_USER && value.key == kUserShell) continue;
        expected.push_back(value);
    }
    ExpectValues(expected);
    ExpectFolders(captions);
    EXPECT_EQ(app.Close(), 0u);
}

using Snapshot = std::map<std::string, StoredValue>;

// Every value of the keys a refused Apply must leave alone.
Snapshot TakeSnapshot() {
    Snapshot snapshot;
    for (const std::string& key : {kShell, kUserShell, std::string("Environment")}) {
        UniqueKey opened;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, opened.put()) != 0) continue;
        char name[512];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof name;
            if (RegEnumValueA(opened.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != 0) break;
            snapshot[key + "\\" + name] = ReadStored(HKEY_CURRENT_USER, key, name);
        }
    }
    return snapshot;
}

void ExpectUnchanged(const Snapshot& before) {
    const Snapshot after = TakeSnapshot();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, value] : before) {
        SCOPED_TRACE(name);
        ASSERT_EQ(after.count(name), 1u);
        EXPECT_EQ(after.at(name).type, value.type);
        EXPECT_EQ(after.at(name).data, value.data);
    }
}

std::string EnvironmentValue(const char* name) {
    char value[MAX_PATH] = {};
    GetEnvironmentVariableA(name, value, MAX_PATH);
    return value;
}

TEST_F(ApplyE2E, ADriveGoneBeforeApplyIsRefusedAndNothingIsWritten) {
    const std::string vanishing = EnvironmentValue("ZELVORA_VANISHING_DRIVE");
    const std::string folder = EnvironmentValue("ZELVORA_VANISHING_DRIVE_FOLDER");
    ASSERT_FALSE(vanishing.empty()) << "run inside scripts/wine-session.sh";

    RunningZelvora app;
    ASSERT_NE(app.window(), nullptr);
    const Window w = Controls(app);
    ASSERT_NE(w.apply, nullptr);
    ChooseDrive(w, 0, vanishing, vanishing + "\\My Documents");
    ChooseDrive(w, 1, "D:", "D:\\影音下载");
    ChooseDrive(w, 4, "D:", "D:\\Temp");

    const Snapshot before = TakeSnapshot();
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str())) << folder;
    const Notice refusal = ClickApply(app, w, "警告");
    CreateDirectoryA(folder.c_str(), nullptr);  // the drive comes back for later tests
    ASSERT_TRUE(refusal.shown);
    EXPECT_NE(refusal.text.find("个人目录：" + vanishing + "\\My Documents"), std::string::npos) << refusal.text;
    EXPECT_NE(refusal.text.find("不存在"), std::string::npos) << refusal.text;
    EXPECT_EQ(refusal.text.find("下载："), std::string::npos) << refusal.text;
    EXPECT_FALSE(refusal.mainWindowEnabled);

    ExpectUnchanged(before);
    EXPECT_FALSE(FolderExists("D:\\影音下载"));
    EXPECT_FALSE(FolderExists("D:\\Temp"));
    EXPECT_EQ(TextOf(w.pathLabels[0]), vanishing + "\\My Documents");  // the window stays as it was
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(ApplyE2E, AnEmptyCaptionIsRefused) {
    // A TMP longer than a path can be makes the temporary-folder query fail,
    // so the Temp row starts out empty.
    const std::string tooLong = "C:\\" + std::string(300, 't');
    RunningZelvora app(Environment{{"TMP", tooLong}, {"TEMP", tooLong}});
    ASSERT_NE(app.window(), nullptr);
    const Window w = Controls(app);
    ASSERT_NE(w.apply, nullptr);
    ASSERT_EQ(TextOf(w.pathLabels[4]), "");
    ChooseDrive(w, 0, "D:", "D:\\My Documents");

    const Snapshot before = TakeSnapshot();
    const Notice refusal = ClickApply(app, w, "警告");
    ASSERT_TRUE(refusal.shown);
    EXPECT_NE(refusal.text.find("临时文件夹：（空）"), std::string::npos) << refusal.text;
    EXPECT_EQ(refusal.text.find("个人目录："), std::string::npos) << refusal.text;
    ExpectUnchanged(before);
    EXPECT_FALSE(FolderExists("D:\\My Documents"));
    EXPECT_EQ(app.Close(), 0u);
}

struct DialogCount {
    DWORD processId;
    const char* title;
    int count;
};

BOOL CALLBACK CountDialog(HWND window, LPARAM context) {
    auto* c = reinterpret_cast<DialogCount*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == c->processId && IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        TextOf(window) == c->title) {
        ++c->count;
    }
    return TRUE;
}

// All visible dialogs of the process titled title.
int CountDialogs(DWORD processId, const char* title) {
    DialogCount count{processId, title, 0};
    EnumWindows(CountDialog, reinterpret_cast<LPARAM>(&count));
    return count.count;
}

TEST_F(ApplyE2E, TwoClicksBackToBackRunOneSequenceAtATime) {
    RunningZelvora app;
    ASSERT_NE(app.window(), nullptr);
    const Window w = Controls(app);
    ASSERT_NE(w.apply, nullptr);
    for (std::size_t row = 0; row < 5; ++row) {
        const char* suffixes[] = {"\\My Documents", "\\影音下载", "\\电影", "\\音乐", "\\Temp"};
        ChooseDrive(w, row, "D:", std::string("D:") + suffixes[row]);
    }
    PostMessageA(w.apply, BM_CLICK, 0, 0);
    PostMessageA(w.apply, BM_CLICK, 0, 0);
    HWND first = FindDialog(app.processId(), "信息", 20000);
    ASSERT_NE(first, nullptr);
    int most = 0;
    for (int i = 0; i < 50; ++i) {
        most = std::max(most, CountDialogs(app.processId(), "信息"));
        Sleep(10);
    }
    EXPECT_EQ(most, 1);
    PostMessageA(first, WM_COMMAND, IDOK, 0);
    // The second click was taken while the first sequence ran: no second
    // sequence follows, so no second notice either.
    for (int i = 0; i < 100; ++i) {
        most = std::max(most, CountDialogs(app.processId(), "信息") + (IsWindow(first) ? 1 : 0) - 1);
        Sleep(10);
    }
    EXPECT_LE(most, 1);
    EXPECT_EQ(CountDialogs(app.processId(), "信息") + CountDialogs(app.processId(), "警告"), 0);
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
