#include "app/app.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

// Kadrel takes no command line: any arguments are ignored, Qt's own included.
int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "kadrel: no display to show a window on (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    App app;
    app.InitInstance();
    return 0;
}
