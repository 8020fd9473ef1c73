#include "app/qt_shell.h"

#include "app/main_tool_bar.h"
#include "app/status_part.h"

#include <QMessageBox>

QtShell::QtShell(QWidget* window, MainToolBar* toolBar, StatusPart* statusPart0, StatusPart* statusPart1)
    : window_(window), toolBar_(toolBar), statusParts_{statusPart0, statusPart1}
{
}

void QtShell::SetStatusText(int part, const std::string& text)
{
    if (part == 0 || part == 1)
        statusParts_[part]->SetText(QString::fromStdString(text));
}

void QtShell::PressButton(int commandId, bool pressed)
{
    toolBar_->PressButton(commandId, pressed);
}

void QtShell::EnableButton(int commandId, bool enabled)
{
    toolBar_->EnableButton(commandId, enabled);
}

void QtShell::ShowMessage(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.exec();
}
