// Reads a popup menu from the screen. Under Wine a menu of another process cannot be
// asked for its items or their states, so the system tests look at it as a player does.
#pragma once

#include <windows.h>

#include <string>

// One character per entry of the open menu, top to bottom: '-' a separator, 'v' an item
// with a check mark, 'o' an item without. Empty when nothing readable is on screen.
std::string MenuOutlineOnScreen(HWND menuWindow);
