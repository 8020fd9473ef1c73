#pragma once

#include "board/board_host.h"

#include <string>
#include <vector>

// Logs what the Board asks of its window, in order: "repaint", "post 1925".
class RecordingHost : public BoardHost {
public:
    void Repaint() override { calls.push_back("repaint"); }
    void PostToOwner(int message) override { calls.push_back("post " + std::to_string(message)); }

    std::vector<std::string> calls;
};
