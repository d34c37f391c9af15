// Program entry: no command line; one Kitbag per folder.
#include <windows.h>

#include "Application.h"
#include "FileIO.h"
#include "Program.h"
#include "SingleInstance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A second start of this copy ends before it shows anything or takes any key.
    const TFolderInstance instance(ProgramDirectory());
    if (!instance.First()) {
        instance.TellTheRunningCopy();
        return 0;
    }
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
