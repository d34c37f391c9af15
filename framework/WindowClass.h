#pragma once

#include <windows.h>

// Registers a window class of this program once; later calls find it registered.
void RegisterWindowClassOnce(const char* name, WNDPROC procedure, UINT style = 0,
                             bool withIcon = false);
