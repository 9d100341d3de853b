// File-system operations against Wine's real file system.
#include "system/files.h"
#include "tests/support.h"

#include <gtest/gtest.h>

namespace {

TEST(Files, CreateFolderMakesOneLevelOnly) {
    const std::string root = ScratchFolder("create");
    EXPECT_FALSE(CreateFolder(root + "\\a\\b"));
    EXPECT_FALSE(FolderExists(root + "\\a"));
    EXPECT_TRUE(CreateFolder(root + "\\a"));
    EXPECT_TRUE(CreateFolder(root + "\\a\\影音下载"));
    EXPECT_TRUE(FolderExists(root + "\\a\\影音下载"));
    EXPECT_FALSE(CreateFolder(root + "\\a"));  // exists already
    EXPECT_TRUE(FolderExists(root + "\\a\\影音下载"));
}

TEST(Files, SetPathAttributesPassesOnlyTheFourSettableFlags) {
    const std::string root = ScratchFolder("attributes");
    const std::string file = root + "\\f.txt";
    ASSERT_TRUE(WriteFileBytes(file, TextToBytes("x")));
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    struct Case {
        unsigned flags;
        DWORD expected;  // of the read-only, hidden and system bits
    } cases[] = {
        {1, FILE_ATTRIBUTE_READONLY},
        {6, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
        {4, FILE_ATTRIBUTE_SYSTEM},
        {0x27, kept},
        {0x27 | 8 | 16 | 64 | 0x100, kept},  // directory, volume and the rest dropped
        {0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_TRUE(SetPathAttributes(file, c.flags));
        const DWORD now = Attributes(file);
        EXPECT_EQ(now & kept, c.expected);
        EXPECT_FALSE(now & FILE_ATTRIBUTE_DIRECTORY);
    }
    SetPathAttributes(file, 0);

    const std::string folder = root + "\\sub";
    ASSERT_TRUE(CreateFolder(folder));
    EXPECT_TRUE(SetPathAttributes(folder, 4));
    EXPECT_EQ(Attributes(folder) & kept, static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM));
    EXPECT_TRUE(Attributes(folder) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(SetPathAttributes(root + "\\missing", 4));
}

TEST(Files, WriteFileBytesReplacesTheWholeFile) {
    const std::string root = ScratchFolder("write");
    const std::string file = root + "\\desktop.ini";
    ASSERT_TRUE(WriteFileBytes(file, Bytes(1000, 'a')));
    EXPECT_EQ(ReadFileWhole(file).size(), 1000u);
    const Bytes shorter{0xFF, 0xFE, 0, 1, 2, 3, 4, 5, 6, 7};
    ASSERT_TRUE(WriteFileBytes(file, shorter));
    EXPECT_EQ(ReadFileWhole(file), shorter);
    ASSERT_TRUE(WriteFileBytes(file, {}));
    EXPECT_TRUE(ReadFileWhole(file).empty());
    EXPECT_EQ(Attributes(file) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);

    EXPECT_FALSE(WriteFileBytes("", shorter));
    EXPECT_FALSE(WriteFileBytes(root + "\\missing\\desktop.ini", shorter));
    EXPECT_TRUE(WriteFileBytes(root + "\\音乐.ini", shorter));
    EXPECT_EQ(ReadFileWhole(root + "\\音乐.ini"), shorter);
}

TEST(Files, WriteFileBytesOverAHiddenSystemFileTellsTheTruth) {
    const std::string root = ScratchFolder("hidden");
    const std::string file = root + "\\desktop.ini";
    const Bytes before = TextToBytes("before");
    ASSERT_TRUE(WriteFileBytes(file, before));
    ASSERT_TRUE(SetPathAttributes(file, 6));
    const Bytes after = TextToBytes("after!!");
    const bool written = WriteFileBytes(file, after);
    // Windows refuses to replace such a file; Wine lets it happen. Either way
    // the result must say what became of the file.
    if (!RunningOnWine()) {
        EXPECT_FALSE(written);
    }
    EXPECT_EQ(ReadFileWhole(file), written ? after : before);
}

TEST(Files, WhatTheApplyChecksLookAt) {
    const std::string root = ScratchFolder("checks");
    const std::string file = root + "\\desktop.ini";
    const Bytes content{0xFF, 0xFE, 0x5B, 0x00};
    EXPECT_TRUE(FolderExists(root));
    EXPECT_FALSE(FolderExists(root + "\\missing"));
    EXPECT_FALSE(FileHolds(file, content));
    ASSERT_TRUE(WriteFileBytes(file, content));
    EXPECT_FALSE(FolderExists(file));  // a file is no folder
    EXPECT_TRUE(FileHolds(file, content));
    EXPECT_FALSE(FileHolds(file, {0xFF, 0xFE, 0x5B}));
    EXPECT_FALSE(FileHolds(file, {0xFF, 0xFE, 0x5B, 0x01}));
    ASSERT_TRUE(SetPathAttributes(file, 6));
    EXPECT_TRUE(FileHolds(file, content));  // hidden and system files can be read

    for (const std::string& drive : SessionFixedDrives()) EXPECT_TRUE(RootExists(drive + "\\")) << drive;
    EXPECT_TRUE(RootExists("E:\\"));  // the CD-ROM drive is there, only not fixed
    EXPECT_FALSE(RootExists("Q:\\"));
}

TEST(Files, GetSpecialFolderEndsInOneBackslash) {
    const Text documents = GetSpecialFolder(1);
    ASSERT_GE(documents.size(), 4u);
    EXPECT_EQ(documents.back(), '\\');
    EXPECT_NE(documents[documents.size() - 2], '\\');
    EXPECT_TRUE(FolderExists(documents));

    char variable[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", variable, sizeof variable);
    SetEnvironmentVariableA("TMP", "C:\\zelvora-tests\\tmp");
    EXPECT_EQ(GetSpecialFolder(11), "C:\\zelvora-tests\\tmp\\");
    SetEnvironmentVariableA("TMP", "C:\\zelvora-tests\\tmp\\");
    EXPECT_EQ(GetSpecialFolder(11), "C:\\zelvora-tests\\tmp\\");
    SetEnvironmentVariableA("TMP", variable);

    for (int selector : {0, 2, 5, 12, -1}) EXPECT_EQ(GetSpecialFolder(selector), "") << selector;
}

TEST(Files, GetDriveListHasTheFixedDrivesInLetterOrder) {
    const std::vector<std::string> expected = SessionFixedDrives();
    ASSERT_FALSE(expected.empty()) << "run inside scripts/wine-session.sh";
    EXPECT_EQ(GetDriveList(1), expected);
    EXPECT_TRUE(GetDriveList(0).empty());
    EXPECT_TRUE(GetDriveList(5).empty());
}

}  // namespace
