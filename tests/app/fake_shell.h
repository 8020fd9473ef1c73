#pragma once

#include "app/shell.h"

#include <map>
#include <string>
#include <vector>

// Records every platform call as a line of text, and keeps the resulting
// state (status texts, pressed and enabled buttons) for easy checks.
class FakeShell : public Shell {
public:
    void SetStatusText(int part, const std::string& text) override
    {
        calls.push_back("status " + std::to_string(part) + " " + text);
        status[part] = text;
    }
    void PressButton(int commandId, bool isPressed) override
    {
        calls.push_back("press " + std::to_string(commandId) + (isPressed ? " 1" : " 0"));
        pressed[commandId] = isPressed;
    }
    void EnableButton(int commandId, bool isEnabled) override
    {
        calls.push_back("enable " + std::to_string(commandId) + (isEnabled ? " 1" : " 0"));
        enabled[commandId] = isEnabled;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        calls.push_back("message " + caption + ": " + text);
    }

    std::vector<std::string> calls;
    std::map<int, std::string> status;
    std::map<int, bool> pressed;
    std::map<int, bool> enabled;
};
