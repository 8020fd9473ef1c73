#include "view/board_window.h"

#include "board/board.h"
#include "tests/view/paint_image.h"
#include "tests/view/sample_boards.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The owner of the board's messages: keeps the type of every event it gets,
// or of every event of the object it watches.
class EventRecorder : public QObject {
public:
    bool event(QEvent* event) override
    {
        types.push_back(static_cast<int>(event->type()));
        return true;
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        types.push_back(static_cast<int>(event->type()));
        return false;
    }
    std::vector<int> types;
};

class BoardWindowTest : public testing::Test {
protected:
    void Open(QSize size)
    {
        window = std::make_unique<BoardWindow>(board, nullptr);
        window->SetOwner(&owner);
        window->resize(size);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > 0; }));
        QCoreApplication::processEvents();
        owner.types.clear();
    }

    QImage Grab() { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The messages posted so far, once the event loop has delivered them.
    std::vector<int> Posted()
    {
        QCoreApplication::processEvents();
        return owner.types;
    }

    Board board;
    EventRecorder owner;
    std::unique_ptr<BoardWindow> window;
};

TEST_F(BoardWindowTest, BehavesAsTheBoardsWindowClass)
{
    Open({351, 351});
    EXPECT_TRUE(window->hasMouseTracking());
    EXPECT_TRUE(window->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(window->autoFillBackground());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BoardWindowTest, PaintsTheBoxesAndTheDigitsInTheirColours)
{
    MakeHalfSolvedBoard(board);
    Open({351, 351});
    const QImage image = Grab();
    struct Case {
        const char* name;
        QRect square;  // its inside, clear of the borders
        bool grey, black;
    };
    // Squares are 39 pixels; their borders reach 2 pixels in on each side.
    const Case cases[] = {
        {"box 0 holds a given 2 at its top left", QRect(2, 2, 35, 35), true, false},
        {"box 0 holds a placed 5 at column 1, row 0", QRect(41, 2, 35, 35), false, true},
        {"box 1 holds a given 1 at column 5, row 0", QRect(197, 2, 35, 35), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool grey = false, black = false, darkerThanGrey = false;
        for (int y = c.square.top(); y <= c.square.bottom(); ++y)
            for (int x = c.square.left(); x <= c.square.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                grey |= pixel == qRgb(128, 128, 128);
                black |= pixel == qRgb(0, 0, 0);
                darkerThanGrey |= qGreen(pixel) < 128;
            }
        EXPECT_EQ(grey, c.grey);
        EXPECT_EQ(black, c.black);
        EXPECT_EQ(darkerThanGrey, c.black);
    }
    // Box 0's background beside its top-left digit, box 1's beside its 1.
    EXPECT_EQ(image.pixel(4, 4), qRgb(204, 255, 255));
    EXPECT_EQ(image.pixel(199, 4), qRgb(255, 255, 255));
}

TEST_F(BoardWindowTest, PausedShowsNoDigit)
{
    MakeHalfSolvedBoard(board);
    board.SetMode(BoardMode::Paused);
    Open({351, 351});
    const QImage paused = Grab();

    board.Reset();
    board.SetMode(BoardMode::Paused);
    const int paints = window->PaintCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > paints; }));
    EXPECT_EQ(Grab(), paused) << "a paused board looks the same whatever it holds";

    board.SetMode(BoardMode::Setup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > paints + 1; }));
    EXPECT_NE(Grab(), paused) << "the pause marks are drawn";
}

TEST_F(BoardWindowTest, LeftPressPlacesTheCandidateUnderThePointerAndTellsTheOwner)
{
    board.SetMode(BoardMode::Playing);
    Open({351, 351});
    const int paints = window->PaintCount();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(board.GetDigit(1, 5), 4);
    EXPECT_EQ(board.GetCell(1, 5).given, 0);
    EXPECT_EQ(Posted(), std::vector<int>{UM_BOARD_CHANGED});
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > paints; })) << "the board is repainted";
}

TEST_F(BoardWindowTest, RightPressHidesTheCandidateAndTellsNoOne)
{
    board.SetMode(BoardMode::Playing);
    Open({351, 351});
    QTest::mousePress(window.get(), Qt::RightButton, {}, QPoint(200, 60));
    EXPECT_EQ(board.GetDigit(1, 5), 0);
    EXPECT_FALSE(board.IsVisible(1, 5, 3));
    EXPECT_TRUE(board.IsVisible(1, 5, 2));
    EXPECT_EQ(Posted(), std::vector<int>{});
}

TEST_F(BoardWindowTest, ADoubleRightClickHidesACandidateOnce)
{
    board.SetMode(BoardMode::Playing);
    Open({351, 351});
    // What a double click delivers: press, release, double click, release.
    QTest::mousePress(window.get(), Qt::RightButton, {}, QPoint(200, 60));
    QTest::mouseRelease(window.get(), Qt::RightButton, {}, QPoint(200, 60));
    QTest::mouseDClick(window.get(), Qt::RightButton, {}, QPoint(200, 60));
    QTest::mouseRelease(window.get(), Qt::RightButton, {}, QPoint(200, 60));
    EXPECT_FALSE(board.IsVisible(1, 5, 3));
    EXPECT_EQ(board.GetHistorySize(), 1);
}

TEST_F(BoardWindowTest, MovingInSetupHighlightsTheSquareUnderThePointer)
{
    Open({360, 360});  // 13-pixel units: the grid ends at 351
    struct Step {
        const char* name;
        QPoint to;
        int hoverBox, hoverCell;
    };
    const Step steps[] = {
        {"onto box 1, cell 5", {200, 60}, 1, 5},
        {"onto box 8, cell 8", {350, 350}, 8, 8},
        {"into the strip beyond the grid", {355, 100}, -1, -1},
        {"back onto box 0, cell 0", {1, 1}, 0, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        QTest::mouseMove(window.get(), step.to);
        EXPECT_TRUE(QTest::qWaitFor([&] { return board.GetHoverBox() == step.hoverBox; }));
        EXPECT_EQ(board.GetHoverCell(), step.hoverCell);
        if (step.hoverBox >= 0) {
            EXPECT_EQ(board.GetCell(step.hoverBox, step.hoverCell).highlighted, 1);
        }
    }
    EXPECT_EQ(board.GetLastMouseBox(), 0);
    EXPECT_EQ(board.GetLastMouseCell(), 0);
}

TEST_F(BoardWindowTest, LeavingTheWindowClearsTheHighlight)
{
    Open({351, 351});
    QTest::mouseMove(window.get(), {200, 60});
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.GetHoverBox() == 1; }));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window.get(), &leave);
    EXPECT_EQ(board.GetHoverBox(), -1);
    EXPECT_EQ(board.GetCell(1, 5).highlighted, 0);
    EXPECT_EQ(board.GetLastMouseBox(), 1);  // the last square hit is kept
}

TEST_F(BoardWindowTest, ResizingRepaintsAtTheNewSize)
{
    Open({351, 351});
    const int paints = window->PaintCount();
    window->resize(459, 324);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > paints; }));
    EXPECT_EQ(window->Metrics().candidateWidth, 17);
    EXPECT_EQ(window->Metrics().candidateHeight, 12);
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(458, 323), qRgb(128, 128, 128)) << "the last square's border";
    EXPECT_EQ(image.pixel(455, 320), qRgb(204, 255, 255)) << "the last square's inside";
}

TEST_F(BoardWindowTest, ClicksUseTheMetricsOfTheLastPaint)
{
    board.SetMode(BoardMode::Playing);
    Open({351, 351});
    window->SetOwner(nullptr);
    // Before any paint at the new size, a point hits where the old grid was drawn.
    window->resize(702, 702);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(board.GetDigit(1, 5), 4);
}

TEST_F(BoardWindowTest, TheBoardLosesItsHostWithTheWindow)
{
    Open({351, 351});
    window.reset();
    board.SetMode(BoardMode::Playing);  // asks no one to repaint
    board.LeftClick(0, 0, 0);           // posts to no one
    EXPECT_EQ(Posted(), std::vector<int>{});
}

TEST_F(BoardWindowTest, GrabMatchesAPaintAtTheScreensPixelRatio)
{
    // Run once as it is and once more by ctest with QT_SCALE_FACTOR=2.
    MakeHalfSolvedBoard(board);
    Open({351, 351});
    const QImage grabbed = window->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int ratio = static_cast<int>(window->devicePixelRatio());
    if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2) {
        EXPECT_EQ(ratio, 2);
    }
    ASSERT_EQ(grabbed.width(), 351 * ratio) << "one image pixel to each device pixel";
    QImage painted = PaintToImage(board, {351, 351}, ratio);
    EXPECT_EQ(grabbed.convertToFormat(QImage::Format_RGB32), painted.convertToFormat(QImage::Format_RGB32));
}

TEST(CreateBoardWindow, MakesAVisibleChildThatPostsToItsParent)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    EventRecorder recorder;
    QWidget parent;
    parent.resize(400, 400);
    parent.installEventFilter(&recorder);
    BoardWindow* window = CreateBoardWindow(board, &parent, 2324);
    EXPECT_EQ(window->parentWidget(), &parent);
    EXPECT_EQ(window->geometry(), QRect(10, 10, 290, 190));
    EXPECT_EQ(window->ControlId(), 2324);
    EXPECT_EQ(window->objectName(), "board");
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    EXPECT_TRUE(window->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([&] { return window->PaintCount() > 0; }));
    recorder.types.clear();
    board.LeftClick(0, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(recorder.types.begin(), recorder.types.end(), UM_BOARD_CHANGED), 1);
}

}  // namespace
