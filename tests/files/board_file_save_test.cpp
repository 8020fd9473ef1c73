#include "files/board_file.h"

#include "board/coordinates.h"
#include "tests/files/board_state.h"
#include "tests/files/read_only_folder.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::string Section(int b, int c, int selected, int given, const char* visible)
{
    return "[DIGIT(" + std::to_string(b) + "," + std::to_string(c) + ")]\r\nSELECTED=" + std::to_string(selected) +
           "\r\nGIVEN=" + std::to_string(given) + "\r\nVISIBLE=" + visible + "\r\n";
}

class BoardFileSaveTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(BoardFileSaveTest, AnEmptySetupBoardIs327LinesAnd4401Bytes)
{
    Board board;
    const std::string path = folder.Path("empty.SUD");
    ASSERT_TRUE(SaveToFile(board, path).ok);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.size(), 4401u);

    int lines = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
        EXPECT_GT(end, start) << "a blank line at byte " << start;
        EXPECT_EQ(bytes.find_first_of("\r\n", start), end) << "a stray line end at byte " << start;
        ++lines;
        start = end + 2;
    }
    EXPECT_EQ(lines, 327);
    EXPECT_EQ(bytes.substr(0, 27 + 54), "[GENERAL]\r\nMODE=0\r\nTIME=0\r\n" + Section(0, 0, 0, 0, "111111111"));
}

// Playing after one minute, the given 5 in the top-left square.
TEST_F(BoardFileSaveTest, TheExampleBoardByteForByte)
{
    Board board;
    board.PlaceDigit(0, 0, 4);  // in Setup: a given
    board.SetMode(BoardMode::Playing);
    board.SetTime(60000);
    const std::string path = folder.Path("example.SUD");
    ASSERT_TRUE(SaveToFile(board, path).ok);

    std::string expected = "[GENERAL]\r\nMODE=1\r\nTIME=60000\r\n";
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            const ColumnRow at = ToColumnRow(b, c);
            const bool peer = at.row == 0 || at.column == 0 || b == 0;
            expected += (b == 0 && c == 0) ? Section(0, 0, 5, 1, "111101111")
                                           : Section(b, c, 0, 0, peer ? "111101111" : "111111111");
        }
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, expected);
    const std::string head =
        "[GENERAL]\r\nMODE=1\r\nTIME=60000\r\n"
        "[DIGIT(0,0)]\r\nSELECTED=5\r\nGIVEN=1\r\nVISIBLE=111101111\r\n"
        "[DIGIT(0,1)]\r\nSELECTED=0\r\nGIVEN=0\r\nVISIBLE=111101111\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.substr(bytes.size() - 54), Section(8, 8, 0, 0, "111111111"));
}

TEST_F(BoardFileSaveTest, RowFourColumnSevenIsSectionDigit54)
{
    Board board;
    const BoxCell square = ToBoxCell(7, 4);
    board.GetCell(square.box, square.cell).selected = 8;
    const std::string path = folder.Path("x.SUD");
    ASSERT_TRUE(SaveToFile(board, path).ok);
    EXPECT_NE(ReadBytes(path).find("[DIGIT(5,4)]\r\nSELECTED=8\r\n"), std::string::npos);
}

TEST_F(BoardFileSaveTest, SavingOverAnotherFileLeavesOnlyTheBoard)
{
    Board board;
    const std::string fresh = folder.Path("fresh.SUD");
    const std::string over = folder.Path("over.SUD");
    WriteBytes(over, "; a note\r\n[OTHER]\r\nX=1\r\n[GENERAL]\r\nEXTRA=2\r\nMODE=3\r\n[DIGIT(4,4)]\r\nNOTE=n\r\n");
    ASSERT_TRUE(SaveToFile(board, fresh).ok);
    ASSERT_TRUE(SaveToFile(board, over).ok);
    EXPECT_EQ(ReadBytes(over), ReadBytes(fresh));
}

TEST_F(BoardFileSaveTest, AGoodSaveClearsModifiedAndRemembersThePath)
{
    Board board;
    board.SetModified(true);
    board.SetFileName(folder.Path("before.SUD"));
    const std::string path = folder.Path("after.SUD");
    const FileResult result = SaveToFile(board, path);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, "");
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetFileName(), path);
}

TEST_F(BoardFileSaveTest, AFailedSaveIsReportedAndChangesNothing)
{
    Board board;
    board.PlaceDigit(3, 3, 2);
    board.SetFileName("/remembered.SUD");
    const std::string before = DescribeBoard(board);
    const std::string path = folder.Path("missing/x.SUD");
    const FileResult result = SaveToFile(board, path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save \"" + path + "\": the folder does not exist.");
    EXPECT_EQ(DescribeBoard(board), before);
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(BoardFileSaveTest, ASaveIntoAReadOnlyFolderIsReportedAndKeepsTheOldFile)
{
    const std::string sub = folder.Path("locked");
    ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
    const std::string path = sub + "/x.SUD";
    WriteBytes(path, "old");
    Board board;
    board.PlaceDigit(0, 0, 0);
    ASSERT_TRUE(board.IsModified());
    const std::string before = DescribeBoard(board);
    {
        ReadOnlyFolder readOnly(sub);
        if (!readOnly.Refuses())
            GTEST_SKIP() << "this filesystem lets this user create files in any folder";
        const FileResult result = SaveToFile(board, path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot save \"" + path + "\": you are not allowed to write in its folder.");
    }
    EXPECT_TRUE(board.IsModified());
    EXPECT_EQ(DescribeBoard(board), before);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FolderEntries(sub), std::vector<std::string>{"x.SUD"});
}

TEST_F(BoardFileSaveTest, AFailureAtAnyStepKeepsTheOldFileAndTheBoardState)
{
    const std::string path = folder.Path("x.SUD");
    Board saved;
    saved.PlaceDigit(4, 4, 6);
    ASSERT_TRUE(SaveToFile(saved, path).ok);
    const std::string old = ReadBytes(path);

    for (int failing = 0; failing < kWriteStepCount; ++failing) {
        SCOPED_TRACE(WriteStepName(static_cast<WriteStep>(failing)));
        Board board;
        board.PlaceDigit(1, 1, 1);
        board.SetFileName("/remembered.SUD");
        const std::string before = DescribeBoard(board);
        int step = 0;
        const FileResult result = SaveToFile(board, path, [&](WriteStep) { return step++ == failing ? EIO : 0; });
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot save \"" + path + "\": the disk reported an input/output error.");
        EXPECT_EQ(DescribeBoard(board), before);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"x.SUD"});
    }
}

TEST_F(BoardFileSaveTest, SavingThroughALinkKeepsTheLinkAndThePermissions)
{
    const std::string real = folder.Path("real.SUD");
    const std::string link = folder.Path("link.SUD");
    WriteBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("real.SUD", link.c_str()), 0);
    Board board;
    ASSERT_TRUE(SaveToFile(board, link).ok);
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(real).size(), 4401u);
    EXPECT_EQ(PermissionsOf(real), 0640u);
    EXPECT_EQ(board.GetFileName(), link);
}

}  // namespace
