// Writes the picture of the board in the docs: a 351 x 351 board in Playing,
// as its window shows it. Run by hand: kadrel_board_screenshot docs/board.png

#include "board/board.h"
#include "tests/view/sample_boards.h"
#include "view/board_window.h"

#include <QApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Board board;
    MakeScreenshotBoard(board);
    BoardWindow window(board, nullptr);
    window.resize(351, 351);
    if (!window.grab().toImage().save(argv[1])) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
