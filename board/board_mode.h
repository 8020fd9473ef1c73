#pragma once

#include <cstdint>

// The game's mode. Held and stored in board files as these numbers; a
// damaged file may carry another value, so code that switches on the mode
// must cope with one outside the list.
enum class BoardMode : int32_t {
    Setup = 0,
    Playing = 1,
    Paused = 2,
    Complete = 3,
};
