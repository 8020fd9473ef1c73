// Writes the picture of the main window in the docs: a puzzle in Playing,
// twelve and a half minutes in. Run by hand:
//   kadrel_main_window_screenshot docs/main_window.png

#include "app/command_ids.h"
#include "app/main_window.h"
#include "tests/view/sample_boards.h"
#include "view/board_window.h"

#include <QApplication>
#include <QTest>

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
    MainWindow window;
    MakeScreenshotBoard(window.GetBoard());
    window.GetBoard().SetTime(754000);
    window.OnCommand(ID_MODE_PLAY);
    window.show();
    if (!QTest::qWaitFor([&] { return window.GetBoardWindow()->PaintCount() > 0; })) {
        std::fprintf(stderr, "the board never painted\n");
        return 1;
    }
    if (!window.grab().toImage().save(argv[1])) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
