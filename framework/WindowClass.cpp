#include "WindowClass.h"

#include "Exceptions.h"

void RegisterWindowClassOnce(const char* name, WNDPROC procedure, UINT style, bool withIcon) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    if (GetClassInfoExA(instance, name, &cls)) return;
    cls = {};
    cls.cbSize = sizeof(cls);
    cls.style = style;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    if (withIcon) cls.hIcon = LoadIconA(instance, "MAINICON");
    cls.lpszClassName = name;
    if (!RegisterClassExA(&cls))
        throw EInvalidOperation(FormatMessageText("Fensterklasse %s kann nicht registriert werden", name));
}
