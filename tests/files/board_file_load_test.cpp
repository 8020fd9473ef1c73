#include "files/board_file.h"

#include "files/bounded_file_reader.h"
#include "files/square_sections.h"
#include "tests/board/recording_host.h"
#include "tests/files/board_state.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class BoardFileLoadTest : public ::testing::Test {
protected:
    TempFolder folder;
};

// A board whose every visible field differs from what a load would give.
void MakeBusy(Board& board)
{
    std::mt19937 random(7);
    FillRandomly(board, random, 123456);
    board.MouseMove(true, 2, 5);
    board.SetHover(6, 1);
    board.PushSnapshot();
    board.SetModified(true);
    board.SetFileName("/remembered.SUD");
}

TEST_F(BoardFileLoadTest, ASavedBoardLoadsBackExactly)
{
    const uint32_t times[] = {0u, 100u, 60000u, 2147483647u, 2147483648u, 4294967295u};
    const std::string path = folder.Path("round.SUD");
    std::mt19937 random(2024);
    for (uint32_t time : times) {
        SCOPED_TRACE("time " + std::to_string(time));
        Board saved;
        FillRandomly(saved, random, time);
        ASSERT_TRUE(SaveToFile(saved, path).ok);

        Board loaded;
        MakeBusy(loaded);
        ASSERT_TRUE(LoadFromFile(loaded, path).ok);
        EXPECT_EQ(loaded.GetMode(), saved.GetMode());
        EXPECT_EQ(loaded.GetTime(), time);
        for (int b = 0; b < 9; ++b)
            for (int c = 0; c < 9; ++c) {
                SCOPED_TRACE(SquareSectionName(b, c));
                EXPECT_EQ(loaded.GetCell(b, c).selected, saved.GetCell(b, c).selected);
                EXPECT_EQ(loaded.GetCell(b, c).given, saved.GetCell(b, c).given);
                EXPECT_EQ(loaded.GetCell(b, c).visible, saved.GetCell(b, c).visible);
            }
    }
}

TEST_F(BoardFileLoadTest, TimesFromTwoToThe31AreWrittenNegative)
{
    const std::string path = folder.Path("t.SUD");
    const std::pair<uint32_t, const char*> cases[] = {{2147483648u, "TIME=-2147483648\r\n"},
                                                      {4294967295u, "TIME=-1\r\n"}};
    for (const auto& [time, line] : cases) {
        SCOPED_TRACE(line);
        Board board;
        board.SetTime(time);
        ASSERT_TRUE(SaveToFile(board, path).ok);
        EXPECT_NE(ReadBytes(path).find(line), std::string::npos);
    }
}

TEST_F(BoardFileLoadTest, ALoadTouchesOnlyModeTimeSquaresAndModified)
{
    const std::string path = folder.Path("x.SUD");
    Board saved;
    saved.StoreMode(BoardMode::Paused);
    ASSERT_TRUE(SaveToFile(saved, path).ok);

    Board board;
    MakeBusy(board);
    RecordingHost host;
    board.SetHost(&host);
    std::vector<int> highlighted;
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c)
            highlighted.push_back(board.GetCell(b, c).highlighted);

    ASSERT_TRUE(LoadFromFile(board, path).ok);
    EXPECT_EQ(board.GetMode(), BoardMode::Paused);
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetFileName(), "/remembered.SUD");
    EXPECT_EQ(board.GetHoverBox(), 6);
    EXPECT_EQ(board.GetHoverCell(), 1);
    EXPECT_EQ(board.GetLastMouseBox(), 2);
    EXPECT_EQ(board.GetLastMouseCell(), 5);
    EXPECT_EQ(board.GetHistorySize(), 1);
    EXPECT_TRUE(host.calls.empty());  // the caller switches modes and repaints
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(board.GetCell(b, c).highlighted, highlighted[b * 9 + c]);
}

struct Square {
    int box, cell, selected, given;
    const char* visible;
};

struct AcceptedCase {
    const char* name;
    std::string file;
    int mode;
    uint32_t time;
    std::vector<Square> squares;  // every other square is empty, not given, all candidates
};

const std::vector<AcceptedCase> kAcceptedCases = {
    {"general section alone", "[GENERAL]\r\n", 0, 0, {}},
    {"square section without keys", "[DIGIT(4,4)]\r\n", 0, 0, {}},
    {"names in lower case", "[general]\r\nmode=1\r\ntime=60000\r\n[digit(0,0)]\r\nselected=5\r\ngiven=1\r\nvisible=111101111\r\n",
     1, 60000, {{0, 0, 5, 1, "111101111"}}},
    {"VISIBLE of 1, x, 1", "[DIGIT(2,3)]\r\nVISIBLE=1x1\r\n", 0, 0, {{2, 3, 0, 0, "101000000"}}},
    {"VISIBLE of ten characters", "[DIGIT(2,3)]\r\nVISIBLE=0101010101\r\n", 0, 0, {{2, 3, 0, 0, "010101010"}}},
    {"VISIBLE empty", "[DIGIT(2,3)]\r\nVISIBLE=\r\n", 0, 0, {{2, 3, 0, 0, "000000000"}}},
    {"a value that is not a number gives the default", "[GENERAL]\r\nMODE=two\r\n[DIGIT(1,1)]\r\nSELECTED=abc\r\n",
     0, 0, {}},
    {"a number followed by letters", "[DIGIT(1,1)]\r\nSELECTED=7th\r\nGIVEN=1st\r\n", 0, 0, {{1, 1, 7, 1, "111111111"}}},
    {"time -1 is the largest time", "[GENERAL]\r\nTIME=-1\r\n", 0, 4294967295u, {}},
    {"LF line ends, blanks and quotes", "[ GENERAL ]\n MODE = 2 \n[DIGIT(8,8)]\nSELECTED = \"9\"\n", 2, 0,
     {{8, 8, 9, 0, "111111111"}}},
    {"other sections are ignored", "[OTHER]\r\nMODE=3\r\n[GENERAL]\r\nMODE=3\r\n", 3, 0, {}},
};

TEST_F(BoardFileLoadTest, FilesWithMissingOrOddKeysLoad)
{
    const std::string path = folder.Path("x.SUD");
    for (const AcceptedCase& c : kAcceptedCases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.file);
        Board board;
        MakeBusy(board);
        const FileResult result = LoadFromFile(board, path);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(static_cast<int>(board.GetMode()), c.mode);
        EXPECT_EQ(board.GetTime(), c.time);
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k) {
                Square expected{b, k, 0, 0, "111111111"};
                for (const Square& s : c.squares)
                    if (s.box == b && s.cell == k)
                        expected = s;
                SCOPED_TRACE(SquareSectionName(b, k));
                const Cell& cell = board.GetCell(b, k);
                EXPECT_EQ(cell.selected, expected.selected);
                EXPECT_EQ(cell.given, expected.given);
                EXPECT_EQ(VisibleText(cell), expected.visible);
            }
    }
}

enum class Kind { Text, Missing, Folder, Fifo, TooLarge };

struct RefusedCase {
    const char* name;
    Kind kind;
    std::string file;
    std::string reason;  // after the quoted path
};

const std::string kNotBoard = " is not a board file: ";
const std::string kNoSections = kNotBoard + "it has no GENERAL section and no DIGIT section.";

const std::vector<RefusedCase> kRefusedCases = {
    {"empty file", Kind::Text, "", kNoSections},
    {"plain text", Kind::Text, "Dear Ann,\r\nsee you at ten.\r\n", kNoSections},
    {"binary bytes", Kind::Text, std::string("\x7f" "ELF\0\x01\x02[GENERAL\0", 16), kNoSections},
    {"only other sections", Kind::Text, "[OTHER]\r\nMODE=1\r\n[DIGIT(9,0)]\r\nSELECTED=1\r\n", kNoSections},
    {"header without its bracket", Kind::Text, "[GENERAL\r\nMODE=1\r\n", kNoSections},
    {"mode 4", Kind::Text, "[GENERAL]\r\nMODE=4\r\n",
     kNotBoard + "section GENERAL, key MODE has the value 4, which is outside 0 to 3."},
    {"mode -1", Kind::Text, "[GENERAL]\r\nMODE=-1\r\n",
     kNotBoard + "section GENERAL, key MODE has the value -1, which is outside 0 to 3."},
    {"selected 12", Kind::Text, "[DIGIT(3,4)]\r\nSELECTED=12\r\n",
     kNotBoard + "section DIGIT(3,4), key SELECTED has the value 12, which is outside 0 to 9."},
    {"selected -1", Kind::Text, "[DIGIT(0,0)]\r\nSELECTED=-1\r\n",
     kNotBoard + "section DIGIT(0,0), key SELECTED has the value -1, which is outside 0 to 9."},
    {"given 2", Kind::Text, "[DIGIT(8,8)]\r\nGIVEN=2\r\n",
     kNotBoard + "section DIGIT(8,8), key GIVEN has the value 2, which is outside 0 to 1."},
    {"given -1", Kind::Text, "[digit(5,2)]\r\ngiven=-1\r\n",
     kNotBoard + "section DIGIT(5,2), key GIVEN has the value -1, which is outside 0 to 1."},
    {"missing file", Kind::Missing, "", ""},
    {"a folder", Kind::Folder, "", ": it is a folder, not a file."},
    {"a pipe", Kind::Fifo, "", ": it is a device or pipe, not an ordinary file."},
    {"larger than 1 MiB", Kind::TooLarge, "[GENERAL]\r\nMODE=1\r\n", kNotBoard + "it is larger than 1 MiB."},
};

// What the message must say for a case: the whole text where it is fixed.
std::string ExpectedMessage(const RefusedCase& c, const std::string& path)
{
    const std::string quoted = "\"" + path + "\"";
    switch (c.kind) {
    case Kind::Missing: return "Cannot open " + quoted + ": the file does not exist.";
    case Kind::Folder:
    case Kind::Fifo: return "Cannot open " + quoted + c.reason;
    default: return quoted + c.reason;
    }
}

TEST_F(BoardFileLoadTest, DamagedFilesAreRefusedAndChangeNothing)
{
    for (const RefusedCase& c : kRefusedCases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.Path(c.name);
        switch (c.kind) {
        case Kind::Text: WriteBytes(path, c.file); break;
        case Kind::Missing: break;
        case Kind::Folder: ASSERT_EQ(::mkdir(path.c_str(), 0755), 0); break;
        case Kind::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); break;
        case Kind::TooLarge:
            WriteBytes(path, c.file);
            ASSERT_EQ(::truncate(path.c_str(), kMaxProfileFileBytes + 1), 0);
            break;
        }
        Board board;
        MakeBusy(board);
        const std::string before = DescribeBoard(board);
        const FileResult result = LoadFromFile(board, path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, ExpectedMessage(c, path));
        EXPECT_EQ(DescribeBoard(board), before);
    }
}

// A whole board file damaged only in its last square: nothing of the good
// squares before it may reach the board.
TEST_F(BoardFileLoadTest, DamageInTheLastSquareRefusesTheWholeFile)
{
    const std::string path = folder.Path("x.SUD");
    Board saved;
    std::mt19937 random(5);
    FillRandomly(saved, random, 999);
    ASSERT_TRUE(SaveToFile(saved, path).ok);
    std::string bytes = ReadBytes(path);
    const std::size_t at = bytes.rfind("GIVEN=");
    bytes.replace(at, 7, "GIVEN=5");
    WriteBytes(path, bytes);

    Board board;
    MakeBusy(board);
    const std::string before = DescribeBoard(board);
    const FileResult result = LoadFromFile(board, path);
    EXPECT_EQ(result.message,
              "\"" + path + "\" is not a board file: section DIGIT(8,8), key GIVEN has the value 5, which is outside 0 to 1.");
    EXPECT_EQ(DescribeBoard(board), before);
}

TEST_F(BoardFileLoadTest, DevicesAndUnreadableFilesAreRefused)
{
    struct Case {
        const char* path;
        const char* reason;
    };
    const Case cases[] = {
        {"/dev/null", "it is a device or pipe, not an ordinary file"},
        // An ordinary file by its look whose reading fails, even for root.
        {"/proc/self/mem", "the disk reported an input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Board board;
        MakeBusy(board);
        const std::string before = DescribeBoard(board);
        const FileResult result = LoadFromFile(board, c.path);
        EXPECT_EQ(result.message, std::string("Cannot open \"") + c.path + "\": " + c.reason + ".");
        EXPECT_EQ(DescribeBoard(board), before);
    }
}

TEST_F(BoardFileLoadTest, AFileWithoutReadPermissionIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file; the unreadable case is covered by /proc/self/mem";
    const std::string path = folder.Path("x.SUD");
    WriteBytes(path, "[GENERAL]\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    Board board;
    const FileResult result = LoadFromFile(board, path);
    EXPECT_EQ(result.message, "Cannot open \"" + path + "\": you are not allowed to read it.");
}

TEST_F(BoardFileLoadTest, AFileOfExactly1MiBIsRead)
{
    const std::string path = folder.Path("x.SUD");
    const std::string head = "[GENERAL]\r\nMODE=2\r\n";
    WriteBytes(path, head + std::string(kMaxProfileFileBytes - head.size(), ' '));
    Board board;
    ASSERT_TRUE(LoadFromFile(board, path).ok);
    EXPECT_EQ(board.GetMode(), BoardMode::Paused);
}

}  // namespace
