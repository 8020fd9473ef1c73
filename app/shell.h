#pragma once

#include <string>

// The platform services the main window's logic uses: the status bar, the
// tool bar and message boxes. MainWindow implements it with Qt; tests use a
// scripted fake, so every handler runs without a window. The commands still
// to come (files, printing, help) add their prompts and dialogs here.
class Shell {
public:
    virtual ~Shell() = default;

    virtual void SetStatusText(int part, const std::string& text) = 0;
    virtual void PressButton(int commandId, bool pressed) = 0;
    virtual void EnableButton(int commandId, bool enabled) = 0;
    // A warning box with an OK button; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};
