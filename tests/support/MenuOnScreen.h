// Reads a popup menu from the screen. Under Wine a menu of another process cannot be
// asked for its items or their states, so the system tests look at it as a player does.
#pragma once

#include <windows.h>

#include <string>

// The popup menu window on screen: of the given thread, or without one of any program.
// More than one window of the menu's class may exist while one is made or taken down.
HWND VisibleMenuWindow(DWORD threadId = 0);

// One character per entry of the open menu, top to bottom: '-' a separator, 'v' an item
// with a check mark, 'o' an item without. Empty when nothing readable is on screen.
std::string MenuOutlineOnScreen(HWND menuWindow);
