#include "RunningProgram.h"

#include <windows.h>

#include "MenuOnScreen.h"
#include "Program.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

namespace {

bool Shown(HWND window) { return window && IsWindowVisible(window); }
}  // namespace

RunningProgram::RunningProgram() {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    application.Initialize();
    CreateProgramForms(application);
    // What the message loop's start and the main window's start-up timer would do.
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    Form1->Show();
    // The start-up timer loads the settings and stops; the counts are read only after it.
    PumpUntil([] { return !Form1->Timer2->Enabled(); });
    PumpPending();
}

RunningProgram::~RunningProgram() { DeleteFileW(SettingsFilePath().c_str()); }

std::string VisibleWindows() {
    const std::pair<const char*, HWND> windows[] = {
        {"application", Application->Handle()},
        {"settings", Form2->Handle()},
        {"main", Form1->Handle()},
        {"line buffer", Form3->Handle()},
        {"tray window", Form4->Handle()},
        {"missing key", Form5->Handle()},
        {"duplicate key", Form6->Handle()},
        {"about", Form7->Handle()},
    };
    std::string shown;
    auto add = [&shown](const char* name) {
        if (!shown.empty()) shown.push_back(' ');
        shown.append(name);
    };
    for (const auto& [name, window] : windows)
        if (Shown(window)) add(name);
    if (VisibleMenuWindow(GetCurrentThreadId())) add("tray menu");
    return shown;
}
