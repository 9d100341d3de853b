// The typed registry writer against Wine's real registry.
#include "relocation/typed_writer.h"
#include "tests/support.h"

#include <gtest/gtest.h>

namespace {

class TypedWriterTest : public ::testing::Test {
protected:
    ScratchKey scratch{"typed"};
    std::string At(const std::string& rest) const { return scratch.path() + "\\" + rest; }

    // Writes with fresh copies, as the Apply sequence does; returns what the
    // writer left in the path variable.
    std::string Write(RegistryRoot root, const std::string& path, int type, const Bytes& data,
                      bool* stored = nullptr) {
        Text pathVariable = path;
        Bytes dataVariable = data;
        const bool ok = WriteRegistryTyped(root, pathVariable, type, dataVariable);
        if (stored) *stored = ok;
        return pathVariable;
    }
};

TEST_F(TypedWriterTest, ExpandableTextGetsOneNul) {
    bool stored = false;
    const Bytes path = TextToBytes("D:\\Temp");  // 7 bytes, no terminator
    EXPECT_EQ(Write(3, At("Environment\\TEMP"), 3, path, &stored), At("Environment\\"));
    EXPECT_FALSE(stored);  // the key does not exist yet: nothing written
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, At("Environment")));

    Store(HKEY_CURRENT_USER, At("Environment"), "other", REG_SZ, BytesOf("x", true));
    for (const std::string& full : {At("Environment\\TEMP"), At("Environment\\TEMP\\")}) {
        SCOPED_TRACE(full);
        EXPECT_EQ(Write(3, full, 3, path, &stored), At("Environment\\"));
        EXPECT_TRUE(stored);
        const StoredValue value = ReadStored(HKEY_CURRENT_USER, At("Environment"), "TEMP");
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_EXPAND_SZ));
        EXPECT_EQ(value.data, BytesOf("D:\\Temp", true));
        EXPECT_EQ(value.data.size(), 8u);
    }
}

TEST_F(TypedWriterTest, TypeTableAndDataHandling) {
    struct Case {
        int selector;
        Bytes data;
        DWORD type;
        Bytes stored;
    } cases[] = {
        {1, {1, 2}, REG_NONE, {1, 2}},
        {2, BytesOf("ab", false), REG_SZ, BytesOf("ab", true)},
        {2, {}, REG_SZ, {0}},
        {3, {}, REG_EXPAND_SZ, {0}},
        {4, {}, REG_BINARY, {}},
        {4, {0, 1}, REG_BINARY, {0, 1}},
        {5, {1, 0, 0, 0}, REG_DWORD, {1, 0, 0, 0}},
        {6, {0, 0, 0, 1}, REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}},
        {7, {0x61, 0x0D, 0x0A, 0x62, 0x0D, 0x0A, 0x0D, 0x0A}, REG_MULTI_SZ, {0x61, 0, 0x62, 0, 0}},
        {8, {9}, REG_RESOURCE_LIST, {9}},
        {9, {9}, REG_FULL_RESOURCE_DESCRIPTOR, {9}},
        {10, {9}, REG_RESOURCE_REQUIREMENTS_LIST, {9}},
        {11, {1, 0, 0, 0, 0, 0, 0, 0}, REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
        {12, {7}, 12, {7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selector);
        bool stored = false;
        Write(3, At("value"), c.selector, c.data, &stored);
        EXPECT_TRUE(stored);
        const StoredValue value = ReadStored(HKEY_CURRENT_USER, scratch.path(), "value");
        EXPECT_EQ(value.type, c.type);
        EXPECT_EQ(value.data, c.stored);
    }
}

TEST_F(TypedWriterTest, MultiStringConversionReachesTheCallersData) {
    Text path = At("keyless\\value");
    Bytes data{0x61, 0x0D, 0x0A, 0x62};
    WriteRegistryTyped(3, path, 7, data);  // the key is missing; data changes all the same
    EXPECT_EQ(data, Bytes({0x61, 0x00, 0x62}));
    EXPECT_EQ(path, At("keyless\\"));
    Bytes untouched{0x61, 0x0D, 0x0A};
    Text path2 = At("value");
    WriteRegistryTyped(3, path2, 3, untouched);
    EXPECT_EQ(untouched, Bytes({0x61, 0x0D, 0x0A}));
}

TEST_F(TypedWriterTest, PathRules) {
    const Bytes data = TextToBytes("x");
    // Two trailing backslashes: one goes, the value name is empty.
    Write(3, At("TEMP\\\\"), 3, data);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, At("TEMP"), "").present, false);  // no key TEMP
    Store(HKEY_CURRENT_USER, At("TEMP"), "seed", REG_SZ, BytesOf("s", true));
    Write(3, At("TEMP\\\\"), 3, data);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, At("TEMP"), "").data, BytesOf("x", true));

    // The last TEMP is the value, in the key that ends in the first TEMP.
    Write(3, At("TEMP\\TEMP"), 3, data);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, At("TEMP"), "TEMP").data, BytesOf("x", true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, At("TEMP\\TEMP")));

    // No backslash: a value directly under the root.
    const std::string rootName = "ZelvoraTypedRootProbe";
    EXPECT_EQ(Write(3, rootName, 3, data), "");
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, "", rootName).data, BytesOf("x", true));
    RegDeleteValueA(HKEY_CURRENT_USER, rootName.c_str());
}

TEST_F(TypedWriterTest, NeverCreatesKeys) {
    bool stored = true;
    EXPECT_EQ(Write(3, At("a\\b\\value"), 3, TextToBytes("x"), &stored), At("a\\b\\"));
    EXPECT_FALSE(stored);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, At("a")));
    Write(5, "ZelvoraNoSuchProfile\\Environment\\TMP", 3, TextToBytes("x"), &stored);
    EXPECT_FALSE(stored);
    EXPECT_FALSE(KeyExists(HKEY_USERS, "ZelvoraNoSuchProfile"));
}

// Runs fatal_probe with the given selectors, answers its stop box and
// returns the exit code and the box's text.
struct FatalRun {
    DWORD exitCode = 0;
    std::string boxText;
    bool boxHadOwner = false;
};

BOOL CALLBACK FindProcessBox(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == found->first && std::string(className) == "#32770" && IsWindowVisible(window)) {
        found->second = window;
        return FALSE;
    }
    return TRUE;
}

FatalRun RunFatalProbe(const std::string& root, const std::string& type) {
    FatalRun run;
    std::string command = "fatal_probe.exe " + root + " " + type + " x";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start " << command;
        return run;
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    std::pair<DWORD, HWND> found{info.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !found.second; ++i) {
        if (WaitForSingleObject(process.get(), 50) == WAIT_OBJECT_0) break;
        EnumWindows(FindProcessBox, reinterpret_cast<LPARAM>(&found));
    }
    if (found.second) {
        char text[256] = {};
        // The message is the box's static text control (id 0xFFFF).
        GetDlgItemTextA(found.second, 0xFFFF, text, sizeof text);
        run.boxText = text;
        run.boxHadOwner = GetWindow(found.second, GW_OWNER) != nullptr;
        PostMessageA(found.second, WM_COMMAND, IDOK, 0);
    }
    WaitForSingleObject(process.get(), 10000);
    GetExitCodeProcess(process.get(), &run.exitCode);
    return run;
}

TEST(TypedWriterFatal, SelectorsOutsideTheTablesEndTheProgram) {
    ScratchKey scratch("typed-fatal");
    struct Case {
        const char* root;
        const char* type;
        const char* says;
    } cases[] = {
        {"0", "3", "根键"},
        {"6", "3", "根键"},
        {"3", "0", "类型"},
        {"3", "13", "类型"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.root) + "/" + c.type);
        const FatalRun run = RunFatalProbe(c.root, c.type);
        EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
        EXPECT_NE(run.boxText.find("运行时错误"), std::string::npos) << run.boxText;
        EXPECT_NE(run.boxText.find(c.says), std::string::npos) << run.boxText;
        EXPECT_FALSE(run.boxHadOwner);
        EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, "", "x").present);
    }
}

}  // namespace
