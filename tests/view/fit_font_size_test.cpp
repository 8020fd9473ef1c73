#include "view/board_painter.h"

#include "tests/view/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// At 720 dpi a size in tenths is also the character height in pixels.
constexpr int kDpi = 720;

TextSize HalfAsWide(const FontSpec& font, const std::string&)
{
    return {font.tenths / 2, font.tenths};
}

// Digit 5 is twice as wide as the others.
TextSize WideFive(const FontSpec& font, const std::string& text)
{
    return {text == "5" ? font.tenths : font.tenths / 2, font.tenths};
}

TextSize MeasuresNothing(const FontSpec&, const std::string&)
{
    return {0, 0};
}

Lines ProbeSizes(const RecordingCanvas& canvas)
{
    Lines sizes;
    for (const std::string& font : canvas.FontsMade())
        sizes.push_back(font.substr(font.find(' ') + 1, font.find(' ', font.find(' ') + 1) - font.find(' ') - 1));
    return sizes;
}

struct FitCase {
    std::string name;
    RecordingCanvas::ExtentScript extent;
    int dpiY;
    int width, height;
    int size;
    Lines probes;
};

TEST(FitFontSize, ProbesUntilADigitReachesALimit)
{
    const std::vector<FitCase> cases = {
        // Equal digits: each pass grows by 9 or stops at digit 1; the limit is 37.
        {"equal digits in a 39 x 39 square", HalfAsWide, kDpi, 39, 39, 36, {"10", "19", "28", "37"}},
        {"the width can be the limit", HalfAsWide, kDpi, 39, 200, 81,
         {"10", "19", "28", "37", "46", "55", "64", "73", "82"}},
        // At 28 digits 1-4 still fit and add four tenths before 5 reaches 28 pixels.
        {"digits measured before the first that reaches a limit still count", WideFive, kDpi, 30, 200, 31,
         {"10", "19", "28"}},
        {"a zero height stops at once", HalfAsWide, kDpi, 39, 0, 9, {"10"}},
        {"digit 1 reaching a limit at 1.0 point", HalfAsWide, kDpi, 10, 10, 9, {"10"}},
        // Arial-like digits at 96 dpi in a 351 x 351 board's squares.
        {"a candidate's 13 x 13 box on a 351 x 351 board", RecordingCanvas::ArialLike, 96, 13, 13, 90,
         {"10", "19", "28", "37", "46", "55", "64", "73", "82", "91"}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(c.dpiY, 96, c.extent);
        EXPECT_EQ(BoardPainter::FitFontSize(canvas, "Arial", c.width, c.height), c.size);
        EXPECT_EQ(ProbeSizes(canvas), c.probes);
        EXPECT_EQ(canvas.Leftovers(), Lines{});
    }
}

TEST(FitFontSize, ASquareOfA351BoardFitsArialLikeDigits)
{
    RecordingCanvas canvas(96, 96, RecordingCanvas::ArialLike);
    // Limits 37 x 37: 33-pixel digits are 37 high, at 25.3 points.
    EXPECT_EQ(BoardPainter::FitFontSize(canvas, "Arial", 39, 39), 252);
}

TEST(FitFontSize, EachProbeIsMadeForTheDeviceSelectedMeasuredRestoredAndDeleted)
{
    RecordingCanvas canvas(kDpi, 96, HalfAsWide);
    // Digit 1 reaches the 9-pixel limit at once; the pass still measures all nine.
    BoardPainter::FitFontSize(canvas, "Courier", 10, 10);
    Lines expected = {"font Courier 10 0 720 -> #4", "select #4"};
    for (char d = '1'; d <= '9'; ++d)
        expected.push_back(std::string("extent \"") + d + "\"");
    expected.insert(expected.end(), {"select #3", "delete #4"});
    EXPECT_EQ(canvas.log, expected);
}

TEST(FitFontSize, ADeviceThatMeasuresNothingStillEndsTheFitting)
{
    RecordingCanvas canvas(96, 96, MeasuresNothing);
    EXPECT_GT(BoardPainter::FitFontSize(canvas, "Arial", 39, 39), 5000);
    EXPECT_EQ(canvas.Leftovers(), Lines{});
}

}  // namespace
