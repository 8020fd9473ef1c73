#pragma once

// Command and control ids of the main window's menus, tool bar and children.
constexpr int ID_BOARD_NEW = 2305;
constexpr int ID_BOARD_RESTART = 2306;
constexpr int ID_BOARD_OPEN = 2307;
constexpr int ID_BOARD_SAVE_AS = 2308;
constexpr int ID_BOARD_SAVE = 2309;
constexpr int ID_MODE_SETUP = 2310;
constexpr int ID_MODE_PLAY = 2311;
constexpr int ID_MODE_PAUSE = 2312;
constexpr int ID_BOARD_PRINT = 2313;
constexpr int ID_BOARD_EXIT = 2314;
constexpr int ID_BOARD_UNDO = 2315;
constexpr int ID_HELP_OVERVIEW = 2316;
constexpr int ID_HELP_TOPICS = 2317;
constexpr int ID_HELP_LICENSE = 2319;
constexpr int ID_HELP_ABOUT = 2320;
constexpr int ID_HELP_WHATS_NEW = 2321;

constexpr int IDC_TOOLBAR = 2322;
constexpr int IDC_STATUSBAR = 2323;
constexpr int IDC_BOARD = 2324;
