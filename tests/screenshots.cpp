// Draws the pictures in docs/, offscreen. Run by hand:
//   kadrel_screenshots docs/
// writes board.png (a 351 x 351 board in Playing, as its window shows it)
// and main_window.png (the whole window, twelve and a half minutes in).

#include "app/command_ids.h"
#include "app/main_window.h"
#include "board/board.h"
#include "tests/view/sample_boards.h"
#include "view/board_window.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QString& path)
{
    if (widget.grab().toImage().save(path))
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

bool DrawBoard(const QString& path)
{
    Board board;
    MakeScreenshotBoard(board);
    BoardWindow window(board, nullptr);
    window.resize(351, 351);
    return Save(window, path);
}

bool DrawMainWindow(const QString& path)
{
    MainWindow window;
    MakeScreenshotBoard(window.GetBoard());
    window.GetBoard().SetTime(754000);
    window.OnCommand(ID_MODE_PLAY);
    window.show();
    if (!QTest::qWaitFor([&] { return window.GetBoardWindow()->PaintCount() > 0; })) {
        std::fprintf(stderr, "the board never painted\n");
        return false;
    }
    return Save(window, path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const bool drawn = DrawBoard(folder + QStringLiteral("board.png")) &&
                       DrawMainWindow(folder + QStringLiteral("main_window.png"));
    return drawn ? 0 : 1;
}
