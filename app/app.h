#pragma once

// The program's start-up: the About box as a three-second splash, then the
// main window until the user leaves it.
class App {
public:
    // Always false: the program ends when the main window does.
    bool InitInstance();
};
