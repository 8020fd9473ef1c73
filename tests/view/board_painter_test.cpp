#include "view/board_painter.h"

#include "board/board.h"
#include "tests/view/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A square at (39, 78), 39 pixels a side, as on a 351 x 351 board.
constexpr int kLeft = 39;
constexpr int kTop = 78;
constexpr int kSide = 39;

// With the recording canvas's Arial-like extents at 96 dpi: 8 points is 10
// pixels high (5 x 11 digits), 25 points bold is 33 high (18 x 37 digits).
const FontSpec kCandidateFont{"Arial", 80, kNormalWeight, 96};
const FontSpec kDigitFont{"Arial", 250, kBoldWeight, 96};
const std::string kBorder = " brush FFFFCC pen 808080 2";

Lines SubGrid()
{
    const std::string thin = " pen 808080 1";
    Lines lines;
    for (int x : {39, 52, 65, 78})
        lines.insert(lines.end(), {"move " + std::to_string(x) + ",78", "line " + std::to_string(x) + ",117" + thin});
    for (int y : {78, 91, 104, 117})
        lines.insert(lines.end(), {"move 39," + std::to_string(y), "line 78," + std::to_string(y) + thin});
    return lines;
}

Lines Concat(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Cell MakeCell(int selected, int given, int highlighted, std::array<int32_t, 9> visible)
{
    Cell cell;
    cell.selected = selected;
    cell.given = given;
    cell.highlighted = highlighted;
    cell.visible = visible;
    return cell;
}

const std::array<int32_t, 9> kSomeVisible{1, 0, 0, 0, 1, 0, 0, 0, 1};
const std::array<int32_t, 9> kNoneVisible{};
const std::array<int32_t, 9> kAllVisible{1, 1, 1, 1, 1, 1, 1, 1, 1};

struct PaintCellCase {
    std::string name;
    Cell cell;
    BoardMode mode;
    Lines drawing;
};

class PaintCellTest : public testing::Test {
protected:
    Lines Paint(const Cell& cell, BoardMode mode, bool printMode = false)
    {
        const Canvas::Object candidateFont = canvas.CreateFont(kCandidateFont);
        const Canvas::Object digitFont = canvas.CreateFont(kDigitFont);
        canvas.log.clear();
        BoardPainter::PaintCell(canvas, cell, kLeft, kTop, kSide, kSide, 0xFFFFCC, printMode, candidateFont,
                                digitFont, mode);
        const Lines log = canvas.log;
        canvas.Delete(candidateFont);
        canvas.Delete(digitFont);
        return log;
    }

    RecordingCanvas canvas;
};

TEST_F(PaintCellTest, ContentFollowsTheSquareAndTheMode)
{
    const std::string rectangle = "rectangle 39,78 78,117" + kBorder;
    const std::string candidate = " ink 808080 Arial 80 0 96";
    const std::string digit = " Arial 250 700 96";
    const Lines someCandidates = Concat({rectangle}, Concat(SubGrid(), {
        "text 43,79 \"1\"" + candidate,
        "text 56,92 \"5\"" + candidate,
        "text 69,105 \"9\"" + candidate,
    }));
    const std::vector<PaintCellCase> cases = {
        {"empty in Playing: sub-grid and the visible candidates, grey, centred",
         MakeCell(0, 0, 0, kSomeVisible), BoardMode::Playing, someCandidates},
        {"empty in Playing with every candidate hidden: the sub-grid alone",
         MakeCell(0, 0, 0, kNoneVisible), BoardMode::Playing, Concat({rectangle}, SubGrid())},
        {"empty in Setup: background and border only",
         MakeCell(0, 0, 0, kSomeVisible), BoardMode::Setup, {rectangle}},
        {"empty and hovered in Setup: the sub-grid with its candidates",
         MakeCell(0, 0, 1, kSomeVisible), BoardMode::Setup, someCandidates},
        {"a given digit: grey, bold, never candidates",
         MakeCell(7, 1, 0, kAllVisible), BoardMode::Playing, {rectangle, "text 49,79 \"7\" ink 808080" + digit}},
        {"a placed digit: black, bold, never candidates",
         MakeCell(7, 0, 0, kAllVisible), BoardMode::Playing, {rectangle, "text 49,79 \"7\" ink 000000" + digit}},
        {"a hovered filled square in Setup shows its digit",
         MakeCell(3, 1, 1, kAllVisible), BoardMode::Setup, {rectangle, "text 49,79 \"3\" ink 808080" + digit}},
        {"Paused hides a digit behind the mark",
         MakeCell(7, 1, 0, kAllVisible), BoardMode::Paused, {rectangle, "text 49,79 \"*\" ink 000000" + digit}},
        {"Paused hides candidates behind the mark",
         MakeCell(0, 0, 0, kAllVisible), BoardMode::Paused, {rectangle, "text 49,79 \"*\" ink 000000" + digit}},
        {"Complete shows a digit", MakeCell(2, 0, 0, kNoneVisible), BoardMode::Complete,
         {rectangle, "text 49,79 \"2\" ink 000000" + digit}},
        {"Complete leaves an empty square blank", MakeCell(0, 0, 1, kAllVisible), BoardMode::Complete, {rectangle}},
        {"a mode from a damaged file shows digits only", MakeCell(0, 0, 1, kAllVisible),
         static_cast<BoardMode>(7), {rectangle}},
    };
    for (const PaintCellCase& c : cases) {
        SCOPED_TRACE(c.name);
        Paint(c.cell, c.mode);
        EXPECT_EQ(canvas.Drawing(), c.drawing);
        EXPECT_EQ(canvas.Leftovers(), Lines{});
        EXPECT_EQ(canvas.TextColour(), 0x000000u);
    }
}

TEST_F(PaintCellTest, EveryObjectIsRestoredAndDeletedInOrder)
{
    const Lines log = Paint(MakeCell(5, 1, 0, kAllVisible), BoardMode::Playing);
    // Fonts #4 and #5 belong to the test; the square makes #6 to #8.
    const Lines expected = {
        "brush FFFFCC -> #6",
        "select #4",
        "select #6",
        "background transparent",
        "pen 808080 1 -> #7",
        "pen 808080 2 -> #8",
        "select #8",
        "rectangle 39,78 78,117" + kBorder,
        "select #7",
        "select #5",
        "extent \"5\"",
        "set text colour 808080",
        "text 49,79 \"5\" ink 808080 Arial 250 700 96",
        "set text colour 000000",
        "select #2",
        "select #3",
        "select #1",
        "delete #6",
        "delete #7",
        "delete #8",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(PaintCellTest, PrintModeDrawsBlackFourPixelBorders)
{
    Paint(MakeCell(4, 0, 0, kAllVisible), BoardMode::Playing, true);
    EXPECT_EQ(canvas.Drawing(), (Lines{"rectangle 39,78 78,117 brush FFFFCC pen 000000 4",
                                       "text 49,79 \"4\" ink 000000 Arial 250 700 96"}));
}

TEST_F(PaintCellTest, ATextLargerThanItsSpaceIsOffsetByAHalfTruncatedTowardZero)
{
    const Canvas::Object candidateFont = canvas.CreateFont(kCandidateFont);
    const Canvas::Object digitFont = canvas.CreateFont(kDigitFont);
    // An 18 x 37 digit in a 9 x 9 square: offsets (9 - 18) / 2 = -4 and (9 - 37) / 2 = -14.
    BoardPainter::PaintCell(canvas, MakeCell(8, 0, 0, kNoneVisible), 100, 100, 9, 9, 0xFFFFFF, false,
                            candidateFont, digitFont, BoardMode::Playing);
    EXPECT_EQ(canvas.Drawing().back(), "text 96,86 \"8\" ink 000000 Arial 250 700 96");
}

}  // namespace

namespace {

int CountStarting(const Lines& lines, const std::string& prefix)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
}

struct PaintCase {
    std::string name;
    bool printMode;
    int dpiY;
    int side;  // of the square rectangle painted
    Lines finalFonts;
    std::string evenBox, oddBox;  // the first square of boxes 0 and 1
};

TEST(BoardPainterPaint, FitsFontsAndColoursTheBoxesOnScreenAndInPrint)
{
    const std::vector<PaintCase> cases = {
        {"screen, 351 x 351", false, 96, 351, {"Arial 90 0 96", "Arial 252 0 96", "Arial 252 700 96"},
         "rectangle 0,0 39,39 brush FFFFCC pen 808080 2", "rectangle 117,0 156,39 brush FFFFFF pen 808080 2"},
        // Fitted at the printer's 600 dpi to 75 % of 100 and 300 pixels, then five times as large at 96 dpi.
        {"print, 2700 x 2700 at 600 dpi", true, 600, 2700, {"Arial 405 0 96", "Arial 1125 0 96", "Arial 1125 700 96"},
         "rectangle 0,0 300,300 brush E6E6E6 pen 000000 4", "rectangle 900,0 1200,300 brush FFFFFF pen 000000 4"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.name);
        Board board;
        board.SetMode(BoardMode::Playing);
        BoardPainter painter(board);
        RecordingCanvas canvas(c.dpiY, 96);
        painter.Paint(canvas, 0, 0, c.side, c.side, c.printMode);

        const Lines fonts = canvas.FontsMade();
        ASSERT_GT(fonts.size(), 3u);
        EXPECT_EQ(Lines(fonts.end() - 3, fonts.end()), c.finalFonts);
        for (auto probe = fonts.begin(); probe != fonts.end() - 3; ++probe)
            EXPECT_EQ(probe->substr(probe->rfind(' ') + 1), std::to_string(c.dpiY)) << "probe " << *probe;

        const Lines drawing = canvas.Drawing();
        Lines squares;
        for (const std::string& line : drawing)
            if (line.rfind("rectangle", 0) == 0)
                squares.push_back(line);
        ASSERT_EQ(squares.size(), 81u);
        EXPECT_EQ(squares[0], c.evenBox);
        EXPECT_EQ(squares[9], c.oddBox);
        const std::string evenBrush = c.evenBox.substr(c.evenBox.find("brush"));
        const std::string oddBrush = c.oddBox.substr(c.oddBox.find("brush"));
        for (int square = 0; square < 81; ++square) {
            const std::string& brush = (square / 9) % 2 != 0 ? oddBrush : evenBrush;
            EXPECT_EQ(squares[square].substr(squares[square].find("brush")), brush) << "square " << square;
        }
        EXPECT_EQ(CountStarting(drawing, "text "), 729) << "an empty board in Playing shows every candidate";
        EXPECT_EQ(canvas.Leftovers(), Lines{});
        EXPECT_EQ(painter.Metrics().candidateWidth, c.side / 27);
        EXPECT_EQ(painter.Metrics().gridWidth, c.side);
    }
}

TEST(BoardPainterPaint, EveryModeRestoresAndDeletesWhatItMade)
{
    struct Case {
        const char* name;
        BoardMode mode;
        int texts;
        int stars;
    };
    const Case cases[] = {
        {"Setup: the digits", BoardMode::Setup, 3, 0},
        // 78 empty squares with 9 candidates each, less the 18 empty squares
        // that each digit sees: 3 + 702 - 54.
        {"Playing: digits and the candidates of every empty square", BoardMode::Playing, 651, 0},
        {"Paused: a mark on every square and nothing else", BoardMode::Paused, 81, 81},
        {"Complete: the digits", BoardMode::Complete, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board board;
        board.GetCell(0, 0).selected = 1;
        board.GetCell(1, 0).selected = 2;
        board.GetCell(2, 0).selected = 3;
        board.RecomputeCandidates();
        board.SetMode(c.mode);
        BoardPainter painter(board);
        RecordingCanvas canvas;
        painter.Paint(canvas, 0, 0, 351, 351, false);
        const Lines drawing = canvas.Drawing();
        EXPECT_EQ(CountStarting(drawing, "text "), c.texts);
        EXPECT_EQ(static_cast<int>(std::count_if(drawing.begin(), drawing.end(), [](const std::string& line) {
                      return line.find("\"*\"") != std::string::npos;
                  })),
                  c.stars);
        EXPECT_EQ(canvas.Leftovers(), Lines{});
        EXPECT_EQ(canvas.TextColour(), 0x000000u);
    }
}

TEST(BoardPainterPaint, ARectangleNotAMultipleOf27IsCoveredOver27UnitsFromItsCorner)
{
    Board board;
    BoardPainter painter(board);
    RecordingCanvas canvas;
    painter.Paint(canvas, 5, 7, 290, 190, false);
    // Units of 10 x 7: the grid spans 270 x 189 from (5, 7).
    const Lines drawing = canvas.Drawing();
    EXPECT_EQ(drawing.front(), "rectangle 5,7 35,28 brush FFFFCC pen 808080 2");
    EXPECT_EQ(drawing.back(), "rectangle 245,175 275,196 brush FFFFCC pen 808080 2");
    EXPECT_EQ(painter.Metrics().gridLeft, 5);
    EXPECT_EQ(painter.Metrics().gridTop, 7);
    EXPECT_EQ(painter.Metrics().candidateHeight, 7);
}

}  // namespace
