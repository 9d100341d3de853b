// Texts, byte strings and the two registry path splits: pure byte work.
#include "app/link_command.h"
#include "relocation/target_path.h"
#include "relocation/typed_path.h"
#include "system/registry_path.h"
#include "system/text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// "\影音下载" in GBK, spelled out so the test does not trust the compiler flag.
const std::string kDownloadsSuffix = "\x5C\xD3\xB0\xD2\xF4\xCF\xC2\xD4\xD8";
// "騖" is GBK F2 5C: a two-byte character whose trail byte is a backslash.
const std::string kTrailBackslash = "\xF2\x5C";

TEST(Text, LiteralsReachWindowsAsGbkBytes) {
    EXPECT_EQ(std::string("\\影音下载"), kDownloadsSuffix);
    EXPECT_EQ(std::string("騖"), kTrailBackslash);
}

TEST(Text, JoinTexts) {
    EXPECT_EQ(JoinTexts("", "\\音乐"), "\\音乐");
    EXPECT_EQ(JoinTexts("", ""), "");
    EXPECT_EQ(JoinTexts("D:", "\\My Documents"), "D:\\My Documents");
    EXPECT_EQ(JoinTexts("a", "b", "c"), "abc");
}

TEST(Text, TakeLeftAndTakeRight) {
    struct Case {
        const char* t;
        int n;
        const char* left;
        const char* right;
    } cases[] = {
        // t          n     left       right
        {"C:\\Temp\\", 7,   "C:\\Temp", ":\\Temp\\"},
        {"abc",        -1,  "",        ""},
        {"abc",        0,   "",        ""},
        {"abc",        3,   "abc",     "abc"},
        {"abc",        4,   "abc",     "abc"},
        {"",           -1,  "",        ""},
        {"",           1,   "",        ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.t) + " n=" + std::to_string(c.n));
        EXPECT_EQ(TakeLeft(c.t, c.n), c.left);
        EXPECT_EQ(TakeRight(c.t, c.n), c.right);
    }
    // Counts bytes, so it can cut a two-byte character in half.
    EXPECT_EQ(TakeLeft("音乐", 1), "\xD2");
}

TEST(Text, FindLastSkipsTrailBytes) {
    struct Case {
        std::string t, s;
        int position;
    } cases[] = {
        {"Environment\\TEMP", "\\", 12},
        {"TEMP", "\\", -1},
        {"", "\\", -1},
        {"a\\b\\c", "\\", 4},
        {"TEMP\\TEMP", "TEMP", 6},
        {"aaa", "aa", 2},
        {"abc", "abcd", -1},
        // The trail byte 5C of 騖 is never a backslash ...
        {"Key" + kTrailBackslash, "\\", -1},
        {"A\\" + kTrailBackslash + "B", "\\", 2},
        // ... and a match never starts on a trail byte.
        {kTrailBackslash + "x", "\\x", -1},
        // A lead byte at the very end is a character of its own.
        {"ab\xD2", "\xD2", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t + " / " + c.s);
        EXPECT_EQ(FindLast(c.t, c.s), c.position);
    }
}

TEST(Text, TextToBytesCarriesNoTerminator) {
    const Bytes bytes = TextToBytes("0123456789");
    EXPECT_EQ(ByteCount(bytes), 10);
    EXPECT_EQ(bytes.back(), '9');
    EXPECT_EQ(ByteCount(TextToBytes("")), 0);
    EXPECT_EQ(TextToBytes(kDownloadsSuffix), Bytes({0x5C, 0xD3, 0xB0, 0xD2, 0xF4, 0xCF, 0xC2, 0xD4, 0xD8}));
}

TEST(Text, ReplaceInBytes) {
    const Bytes crlf{0x0D, 0x0A};
    const Bytes nul{0x00};
    struct Case {
        Bytes in, find, replacement, out;
    } cases[] = {
        {{0x0D, 0x0A, 0x0D, 0x0A}, crlf, nul, {0x00, 0x00}},
        {{0x0D, 0x0D, 0x0A, 0x0A}, crlf, nul, {0x0D, 0x00, 0x0A}},
        {{0x61, 0x0D, 0x0A, 0x62}, crlf, nul, {0x61, 0x00, 0x62}},
        {{0x0D}, crlf, nul, {0x0D}},
        {{0x0A, 0x0D}, crlf, nul, {0x0A, 0x0D}},
        {{}, crlf, nul, {}},
        {{0x61, 0x62}, {}, nul, {0x61, 0x62}},
        // Replaced bytes are not scanned again.
        {{0x61, 0x61}, {0x61}, {0x61, 0x61}, {0x61, 0x61, 0x61, 0x61}},
        {{0x61, 0x62, 0x61}, {0x61}, {}, {0x62}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceInBytes(c.in, c.find, c.replacement), c.out);
    }
}

TEST(Text, TextFromBufferStopsAtNulOrSize) {
    const char data[] = {'a', 'b', '\0', 'c'};
    EXPECT_EQ(TextFromBuffer(data, 4), "ab");
    EXPECT_EQ(TextFromBuffer(data, 1), "a");
}

TEST(RegistryPath, SplitFullPath) {
    struct Case {
        std::string full, key, value;
    } cases[] = {
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Personal",
         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal"},
        {"Environment\\TEMP", "Environment", "TEMP"},
        {"TEMP", "", "TEMP"},
        {"Environment\\", "Environment", ""},
        {"", "", ""},
        {"Key" + kTrailBackslash, "", "Key" + kTrailBackslash},
        {"A\\B" + kTrailBackslash, "A", "B" + kTrailBackslash},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.full);
        const RegistryLocation where = SplitFullPath(c.full);
        EXPECT_EQ(where.keyPath, c.key);
        EXPECT_EQ(where.valueName, c.value);
    }
}

TEST(RegistryPath, SplitTypedPathKeepsTheKeysBackslash) {
    struct Case {
        std::string full, key, value;
    } cases[] = {
        {"Environment\\TEMP", "Environment\\", "TEMP"},
        {"Environment\\TEMP\\", "Environment\\", "TEMP"},
        {"Environment\\TEMP\\\\", "Environment\\TEMP\\", ""},
        {"TEMP", "", "TEMP"},
        {"A\\TEMP\\TEMP", "A\\TEMP\\", "TEMP"},
        {"", "", ""},
        // The trailing byte test looks at bytes: the trail 5C of 騖 goes too,
        // leaving its lead byte as the last, lone character.
        {"A\\Key" + kTrailBackslash, "A\\", "Key\xF2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.full);
        const RegistryLocation where = SplitTypedPath(c.full);
        EXPECT_EQ(where.keyPath, c.key);
        EXPECT_EQ(where.valueName, c.value);
    }
}

TEST(TargetPath, OnlyAbsolutePathsBelowADriveOrShareAreUsable) {
    struct Case {
        std::string caption;
        TargetShape shape;
        std::string root;
    } cases[] = {
        {"D:\\My Documents", TargetShape::Usable, "D:\\"},
        {"d:\\影音下载", TargetShape::Usable, "d:\\"},
        {"C:\\Users\\A\\Documents\\", TargetShape::Usable, "C:\\"},
        {"\\\\server\\share\\Docs", TargetShape::Usable, "\\\\server\\share\\"},
        {"\\\\服务器\\共享\\文档", TargetShape::Usable, "\\\\服务器\\共享\\"},
        {"", TargetShape::Empty, ""},
        {"D:", TargetShape::NotAbsolute, ""},
        {"D:\\", TargetShape::NotAbsolute, ""},
        {"D:\\\\x", TargetShape::NotAbsolute, ""},
        {"D:Docs", TargetShape::NotAbsolute, ""},
        {"\\Docs", TargetShape::NotAbsolute, ""},
        {"Docs", TargetShape::NotAbsolute, ""},
        {"1:\\Docs", TargetShape::NotAbsolute, ""},
        {"\\\\server", TargetShape::NotAbsolute, ""},
        {"\\\\server\\share", TargetShape::NotAbsolute, ""},
        {"\\\\server\\share\\", TargetShape::NotAbsolute, ""},
        {"\\\\\\share\\x", TargetShape::NotAbsolute, ""},
        // The 5C trail byte of 騖 does not end the server name.
        {"\\\\騖\\s\\x", TargetShape::Usable, "\\\\騖\\s\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const TargetRoot root = TargetRootOf(c.caption);
        EXPECT_EQ(root.shape, c.shape);
        EXPECT_EQ(root.root, c.root);
    }
}

TEST(LinkCommand, CutsAtThePlaceholderAndAppendsTheAddress) {
    const char* address = "https://zelvora.example/";
    struct Case {
        const char* registered;
        const char* command;
    } cases[] = {
        {"\"C:\\Browser\\b.exe\" -nohome \"%1\"", "\"C:\\Browser\\b.exe\" -nohome  https://zelvora.example/"},
        {"C:\\b.exe %1 -x", "C:\\b.exe  https://zelvora.example/"},
        {"C:\\b.exe -url", "C:\\b.exe -url https://zelvora.example/"},
        // The quoted placeholder wins even when a bare one comes first.
        {"b.exe %1 \"%1\"", "b.exe %1  https://zelvora.example/"},
        {"", " https://zelvora.example/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.registered);
        char out[kLinkCommandCapacity];
        ASSERT_TRUE(BuildLinkCommand(c.registered, address, out, sizeof out));
        EXPECT_STREQ(out, c.command);
    }
}

TEST(LinkCommand, RefusesWhatDoesNotFitInsteadOfCuttingIt) {
    // "b.exe" + space + "ab" + NUL needs exactly 9 bytes.
    char out[16];
    EXPECT_TRUE(BuildLinkCommand("b.exe", "ab", out, 9));
    EXPECT_STREQ(out, "b.exe ab");
    std::memset(out, 'x', sizeof out);
    EXPECT_FALSE(BuildLinkCommand("b.exe", "ab", out, 8));
    EXPECT_STREQ(out, "");
    EXPECT_EQ(out[1], 'x');  // nothing written past what was refused

    const std::string longAddress(kLinkCommandCapacity, 'a');
    char command[kLinkCommandCapacity];
    EXPECT_FALSE(BuildLinkCommand("b.exe \"%1\"", longAddress.c_str(), command, sizeof command));
    EXPECT_STREQ(command, "");
    EXPECT_FALSE(BuildLinkCommand("b.exe", "", out, 0));
}

}  // namespace
