#include "app/app.h"

#include "app/about_dialog.h"
#include "app/main_window.h"

namespace {
constexpr int kSplashMs = 3000;
}

bool App::InitInstance()
{
    {
        AboutDialog splash(true, kSplashMs, nullptr);
        splash.exec();
    }
    {
        MainWindow window;
        window.exec();
    }
    return false;
}
