// Kitbag as kitbag.exe is, with its key options set from the environment before the keys
// are activated, for the benchmark of what the options cost (bench/hotkey-latency). The
// settings file does not hold the options yet; once it does, the benchmark can write them
// there and use kitbag.exe itself.
//
//   KITBAG_BENCH_OPTIONS=only,pause   either, both or neither ("none")
#include <windows.h>

#include <cstdlib>
#include <string>

#include "Application.h"
#include "Program.h"
#include "Unit1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* chosen = std::getenv("KITBAG_BENCH_OPTIONS");
    std::string options = chosen ? chosen : "";
    TApplication application;
    try {
        application.Initialize();
        CreateProgramForms(application);
        Form1->Hotkeys().SetOptions({.onlyInGame = options.find("only") != std::string::npos,
                                     .pauseWhileChatting = options.find("pause") != std::string::npos});
        application.Run();
    } catch (...) {
        TApplication::ShowCurrentException();
        return 1;
    }
    return 0;
}
