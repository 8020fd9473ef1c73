#include "app/board_placement.h"
#include "app/command_ids.h"
#include "app/main_tool_bar.h"
#include "app/main_window.h"
#include "app/status_part.h"
#include "tests/app/modal_answerer.h"
#include "tests/app/paint_counter.h"
#include "view/board_window.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lists a menu as "text id" lines, "-" for a separator.
std::vector<std::string> Describe(const QMenu* menu)
{
    std::vector<std::string> lines;
    for (const QAction* action : menu->actions())
        lines.push_back(action->isSeparator()
                            ? "-"
                            : action->text().toStdString() + " " + std::to_string(action->data().toInt()));
    return lines;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(QTest::qWaitFor([this] { return window.GetBoardWindow()->PaintCount() > 0; }, 5000));
    }

    // The centre of candidate `candidate` of square (box, cell), in board-window pixels.
    QPoint CandidatePoint(int box, int cell, int candidate) const
    {
        const LayoutMetrics& m = window.GetBoardWindow()->Metrics();
        const int column = (box % 3) * 3 + cell % 3;
        const int row = (box / 3) * 3 + cell / 3;
        return QPoint(column * m.cellWidth + (candidate % 3) * m.candidateWidth + m.candidateWidth / 2,
                      row * m.cellHeight + (candidate / 3) * m.candidateHeight + m.candidateHeight / 2);
    }

    MainWindow window;
};

}  // namespace

TEST(BoardPlacement, MultiplesOf27BelowTheToolBar)
{
    struct Case {
        const char* name;
        int clientWidth, clientHeight, toolBar, statusBar;
        BoardPlacement expected;
    };
    const Case cases[] = {
        {"500 x 400 with a 40-pixel tool bar and a 20-pixel status bar", 500, 400, 40, 20, {10, 50, 459, 324}},
        {"client width 372", 372, 400, 40, 20, {10, 50, 351, 324}},
        {"too small for one unit", 46, 101, 40, 20, {10, 50, 0, 0}},
        {"minimised", 0, 0, 40, 20, {10, 50, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPlacement at = PlaceBoard(c.clientWidth, c.clientHeight, c.toolBar, c.statusBar);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
        EXPECT_EQ(at.width, c.expected.width);
        EXPECT_EQ(at.height, c.expected.height);
    }
}

TEST_F(MainWindowTest, MenusInOrderWithTheirIds)
{
    const QList<QAction*> bar = window.MenuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Board"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(Describe(window.BoardMenu()),
              (std::vector<std::string>{"New 2305", "Restart play 2306", "-", "Open... 2307", "Save As... 2308",
                                        "Save 2309", "-", "Print... 2313", "-", "Undo 2315", "-", "Exit 2314"}));
    EXPECT_EQ(Describe(window.HelpMenu()),
              (std::vector<std::string>{"Overview 2316", "-", "Topics 2317", "-", "View License 2319", "-",
                                        "What New? 2321", "-", "About 2320"}));
}

TEST_F(MainWindowTest, StartsInSetup)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kadrel"));
    // The client area below the menu bar, as the window's template gives it.
    EXPECT_EQ(window.width(), 480);
    EXPECT_EQ(window.height() - window.MenuBar()->height(), 478);
    EXPECT_EQ(window.StatusText(0), QStringLiteral("Setup"));
    EXPECT_EQ(window.StatusText(1), QStringLiteral("Left-click to select, Right-click to remove"));
    EXPECT_EQ(window.GetBoard().GetMode(), BoardMode::Setup);

    // Two status parts side by side: 100 pixels, then the rest of the width.
    const QList<StatusPart*> parts = window.findChildren<StatusPart*>();
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0]->width(), 100);
    EXPECT_GE(parts[1]->x(), parts[0]->geometry().right());
    EXPECT_GT(parts[1]->width(), 300);

    std::vector<std::string> entries;
    for (const QAction* action : window.ToolBar()->actions())
        entries.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    EXPECT_EQ(entries, (std::vector<std::string>{"-", "Setup", "Play", "Pause", "-", "Save", "-", "Undo", "-", "Print"}));
    EXPECT_EQ(window.ToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    struct Button {
        int id;
        bool pressed, enabled;
    };
    const Button buttons[] = {
        {ID_MODE_SETUP, true, true}, {ID_MODE_PLAY, false, true},  {ID_MODE_PAUSE, false, false},
        {ID_BOARD_SAVE, false, true}, {ID_BOARD_UNDO, false, false}, {ID_BOARD_PRINT, false, true},
    };
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.id);
        EXPECT_EQ(window.ToolBar()->IsPressed(b.id), b.pressed);
        EXPECT_EQ(window.ToolBar()->IsEnabled(b.id), b.enabled);
        const QAction* action = window.ToolBar()->Action(b.id);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->icon().isNull());
    }
}

TEST_F(MainWindowTest, ClickingAModeButtonPressesOnlyWhatTheModeSays)
{
    QWidget* play = window.ToolBar()->widgetForAction(window.ToolBar()->Action(ID_MODE_PLAY));
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(window.GetBoard().GetMode(), BoardMode::Playing);
    EXPECT_TRUE(window.ToolBar()->IsPressed(ID_MODE_PLAY));
    EXPECT_FALSE(window.ToolBar()->IsPressed(ID_MODE_SETUP));
    // Save is a plain button: a click never leaves it pressed.
    QWidget* save = window.ToolBar()->widgetForAction(window.ToolBar()->Action(ID_BOARD_SAVE));
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_FALSE(window.ToolBar()->IsPressed(ID_BOARD_SAVE));
}

TEST_F(MainWindowTest, BoardSitsBelowTheToolBarInMultiplesOf27)
{
    const int menuHeight = window.MenuBar()->height();
    const int toolBarHeight = window.ToolBar()->height();
    const int statusBarHeight = window.height() - window.findChild<QStatusBar*>()->y();
    for (const QSize requested : {QSize(480, 520), QSize(517, 600), QSize(640, 480)}) {
        SCOPED_TRACE(std::to_string(requested.width()) + " x " + std::to_string(requested.height()));
        window.resize(requested);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.size(), requested);
        const int clientHeight = window.height() - menuHeight;
        const QRect board = window.GetBoardWindow()->geometry();
        EXPECT_EQ(board.x(), 10);
        EXPECT_EQ(board.y(), menuHeight + toolBarHeight + 10);
        EXPECT_EQ(board.width(), 27 * ((window.width() - 20) / 27));
        EXPECT_EQ(board.height(), 27 * ((clientHeight - (toolBarHeight + statusBarHeight + 15)) / 27));
    }
}

TEST_F(MainWindowTest, CannotBeMadeSmallerThan400By450WithItsFrame)
{
    const QSize frame = window.frameGeometry().size() - window.size();
    EXPECT_EQ(window.minimumSize() + frame, QSize(400, 450));
    window.resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().size(), QSize(400, 450));
}

TEST_F(MainWindowTest, EnterAndEscapeLeaveTheWindowOpen)
{
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Enter);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, TypedDigitReachesTheSquareUnderTheMouse)
{
    BoardWindow* board = window.GetBoardWindow();
    QTest::mouseMove(board, CandidatePoint(4, 2, 0));
    QTest::keyClick(window.ToolBar(), Qt::Key_5);  // wherever the focus is
    EXPECT_EQ(window.GetBoard().GetDigit(4, 2), 5);
    EXPECT_EQ(window.GetBoard().GetCell(4, 2).given, 1);
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(window.GetBoard().GetDigit(4, 2), 0);
    QTest::keyClick(&window, Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(window.GetBoard().GetHistorySize(), 2);
}

TEST_F(MainWindowTest, LeftClickInPlayingEnablesUndoOnceTheEventIsHandled)
{
    window.OnCommand(ID_MODE_PLAY);
    ASSERT_FALSE(window.ToolBar()->IsEnabled(ID_BOARD_UNDO));
    QTest::mouseClick(window.GetBoardWindow(), Qt::LeftButton, {}, CandidatePoint(1, 5, 3));
    EXPECT_EQ(window.GetBoard().GetDigit(1, 5), 4);
    EXPECT_FALSE(window.ToolBar()->IsEnabled(ID_BOARD_UNDO));  // posted, not yet handled
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.ToolBar()->IsEnabled(ID_BOARD_UNDO); }));
}

TEST_F(MainWindowTest, ClockTicksRepaintOnlyTheClockTextOncePerSecond)
{
    window.OnCommand(ID_MODE_PLAY);
    QCoreApplication::processEvents();
    PaintCounter counter(&window);
    for (int tick = 0; tick < 10; ++tick) {
        QTimerEvent event(window.ClockTimerId());
        QCoreApplication::sendEvent(&window, &event);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(window.StatusText(0), QStringLiteral("Playing - 0:01"));
    EXPECT_EQ(counter.paints, (QHash<QString, int>{{QStringLiteral("StatusPart"), 1}}));
}

TEST_F(MainWindowTest, SetupPlayPauseSolveWithMouseAndKeys)
{
    const std::string solution =
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    Board& model = window.GetBoard();
    BoardWindow* board = window.GetBoardWindow();
    auto squareOf = [](int i) { return std::pair<int, int>{(i / 27) * 3 + (i % 9) / 3, ((i / 9) % 3) * 3 + i % 3}; };

    // Givens by key in Setup, the rest by click in Playing, one square left for last.
    for (int i = 0; i < 40; ++i) {
        const auto [box, cell] = squareOf(i);
        QTest::mouseMove(board, CandidatePoint(box, cell, 0));
        QTest::keyClick(board, static_cast<char>(solution[i]));
    }
    window.OnCommand(ID_MODE_PLAY);
    EXPECT_EQ(window.StatusText(0), QStringLiteral("Playing - 0:00"));
    window.OnCommand(ID_MODE_PAUSE);
    EXPECT_EQ(window.StatusText(0), QStringLiteral("Paused"));
    window.OnCommand(ID_MODE_PLAY);
    ModalAnswerer answerer;
    for (int i = 40; i < 81; ++i) {
        const auto [box, cell] = squareOf(i);
        if (i == 80)
            model.SetTime(125000);  // the clock's ticks add less than a second before the message
        QTest::mouseClick(board, Qt::LeftButton, {}, CandidatePoint(box, cell, solution[i] - '1'));
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(model.IsComplete());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.empty(); }));
    EXPECT_EQ(answerer.seen, std::vector<std::string>{"Done: You solved it in 2 minutes and 5 seconds!"});
    EXPECT_EQ(window.StatusText(0), QStringLiteral("Complete"));
    EXPECT_TRUE(window.ToolBar()->IsEnabled(ID_MODE_SETUP));
    EXPECT_FALSE(window.ToolBar()->IsEnabled(ID_MODE_PLAY));
}
