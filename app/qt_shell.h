#pragma once

#include "app/shell.h"

class MainToolBar;
class StatusPart;
class QWidget;

// Shell over the main window's widgets: its tool bar, the two status-bar
// parts and message boxes owned by the window.
class QtShell : public Shell {
public:
    QtShell(QWidget* window, MainToolBar* toolBar, StatusPart* statusPart0, StatusPart* statusPart1);

    void SetStatusText(int part, const std::string& text) override;
    void PressButton(int commandId, bool pressed) override;
    void EnableButton(int commandId, bool enabled) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

private:
    QWidget* window_;
    MainToolBar* toolBar_;
    StatusPart* statusParts_[2];
};
