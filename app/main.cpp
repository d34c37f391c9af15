// Program entry: no command line, no second-instance check.
#include <windows.h>

#include "Application.h"
#include "Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    try {
        application.Initialize();
        CreateProgramForms(application);
        application.Run();
    } catch (...) {
        TApplication::ShowCurrentException();
        return 1;
    }
    return 0;
}
