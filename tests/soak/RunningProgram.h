// The program's own windows in this process, started as kitbag.exe starts with a
// settings file of default keys, so that handlers can be called as clicks call them
// and the framework's handle counts can be read.
#pragma once

#include <string>

#include "Application.h"

class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    TApplication application;
};

// Which of the program's windows a user sees now, in a fixed order, for example
// "application main" or "application settings main"; "tray menu" while its popup is open.
std::string VisibleWindows();
