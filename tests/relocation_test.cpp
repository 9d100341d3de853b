// The check before Apply and what a working step reports, against Wine's
// real file system and registry.
#include "relocation/apply.h"
#include "relocation/target_check.h"
#include "tests/support.h"

#include <gtest/gtest.h>

#include <map>

namespace {

CaptionSource Captions(std::map<FolderRow, std::string> captions) {
    return [captions](FolderRow row) {
        const auto found = captions.find(row);
        return found == captions.end() ? Text("D:\\ok") : found->second;
    };
}

TEST(TargetCheck, NamesEveryUnusableRowAndWhy) {
    // Personal builds "\Saved Games\desktop.ini" (24 bytes) below its caption,
    // so 235 bytes are the most it may have; a folder needs 12 spare bytes.
    const std::string longest = "D:\\" + std::string(232, 'p');
    const std::string tooLong = longest + "p";
    struct Case {
        std::map<FolderRow, std::string> captions;
        std::vector<std::pair<FolderRow, TargetProblem>> problems;
    } cases[] = {
        {{}, {}},
        {{{FolderRow::Personal, longest}}, {}},
        {{{FolderRow::Personal, tooLong}}, {{FolderRow::Personal, TargetProblem::TooLong}}},
        // Music is only a folder: 247 bytes and its NUL is as long as that may be.
        {{{FolderRow::Music, "D:\\" + std::string(245, 'm')}}, {{FolderRow::Music, TargetProblem::TooLong}}},
        {{{FolderRow::Music, "D:\\" + std::string(244, 'm')}}, {}},
        {{{FolderRow::Downloads, ""}, {FolderRow::Temp, "Q:\\Temp"}},
         {{FolderRow::Downloads, TargetProblem::Empty}, {FolderRow::Temp, TargetProblem::RootMissing}}},
        {{{FolderRow::Videos, "电影"}}, {{FolderRow::Videos, TargetProblem::NotAbsolute}}},
        {{{FolderRow::Videos, "E:\\电影"}}, {}},  // a CD-ROM root exists; writing there is another matter
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        const Case& c = cases[n];
        const std::vector<RowProblem> found = CheckTargets(Captions(c.captions));
        ASSERT_EQ(found.size(), c.problems.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].row, c.problems[i].first);
            EXPECT_EQ(found[i].problem, c.problems[i].second);
        }
    }
}

TEST(TargetCheck, TheWarningNamesRowsByTheirCaptionLabels) {
    const Text message = DescribeTargetProblems(
        {{FolderRow::Downloads, "", TargetProblem::Empty}, {FolderRow::Temp, "Q:\\Temp", TargetProblem::RootMissing}});
    EXPECT_NE(message.find("下载：（空）"), Text::npos) << message;
    EXPECT_NE(message.find("临时文件夹：Q:\\Temp"), Text::npos) << message;
    EXPECT_NE(message.find("不存在"), Text::npos) << message;
    EXPECT_EQ(message.find("个人目录"), Text::npos) << message;
}

TEST(WorkingStep, ReportsWhetherItsEndStateHolds) {
    const std::string root = ScratchFolder("steps");
    const CaptionSource caption = [&root](FolderRow) { return root + "\\P"; };
    const ApplyStep createFolder{ApplyOp::CreateFolder, FolderRow::Personal, 0, "", NoValue()};
    const ApplyStep createSub{ApplyOp::CreateFolder, FolderRow::Personal, 0, "\\a\\b", NoValue()};
    const ApplyStep marker{ApplyOp::WriteMarker, FolderRow::Personal, 0, "\\desktop.ini",
                           MarkerFile(Marker::Personal)};
    const ApplyStep hide{ApplyOp::SetAttributes, FolderRow::Personal, 0, "\\desktop.ini", Flags(6)};

    EXPECT_FALSE(RunWorkingStep(marker, caption));       // no folder yet
    EXPECT_TRUE(RunWorkingStep(createFolder, caption));
    EXPECT_TRUE(RunWorkingStep(createFolder, caption));  // already there counts
    EXPECT_FALSE(RunWorkingStep(createSub, caption));    // one level only
    EXPECT_TRUE(RunWorkingStep(marker, caption));
    EXPECT_TRUE(RunWorkingStep(hide, caption));
    EXPECT_TRUE(RunWorkingStep(marker, caption));        // holds its bytes, replaced or not
    EXPECT_EQ(ReadFileWhole(root + "\\P\\desktop.ini").size(), 394u);

    ScratchKey scratch("steps");
    const std::string typedPath = scratch.path() + "\\missing\\value";
    const ApplyStep typed{ApplyOp::WriteTyped, FolderRow::Personal, 3, typedPath.c_str(), Caption()};
    EXPECT_FALSE(RunWorkingStep(typed, caption));
    const std::string textPath = scratch.path() + "\\missing\\value";
    const ApplyStep text{ApplyOp::WriteText, FolderRow::Personal, 3, textPath.c_str(), Caption("\\x")};
    EXPECT_TRUE(RunWorkingStep(text, caption));
    EXPECT_TRUE(RunWorkingStep(typed, caption));  // the key exists now
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, scratch.path() + "\\missing", "value").type,
              static_cast<DWORD>(REG_EXPAND_SZ));
    const std::string deletePath = scratch.path() + "\\nothing";
    const ApplyStep remove{ApplyOp::DeleteEntry, FolderRow::Personal, 3, deletePath.c_str(), NoValue()};
    EXPECT_TRUE(RunWorkingStep(remove, caption));  // nothing to remove is fine
}

}  // namespace
