#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* find-window.exe MILLISECONDS CLASS...  waits for a visible top-level window of a CLASS
   find-window.exe --close CLASS...       asks every top-level window of a CLASS to close */
static HWND find(int count, char **classes)
{
    for (int i = 0; i < count; ++i) {
        HWND window = NULL;
        while ((window = FindWindowExA(NULL, window, classes[i], NULL)) != NULL) {
            RECT r;
            if (IsWindowVisible(window) && !IsIconic(window) && GetWindowRect(window, &r) &&
                r.right > r.left && r.bottom > r.top)
                return window;
        }
    }
    return NULL;
}

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    if (strcmp(argv[1], "--close") == 0) {
        int closed = 0;
        for (int i = 2; i < argc; ++i) {
            HWND window = NULL;
            while ((window = FindWindowExA(NULL, window, argv[i], NULL)) != NULL)
                closed += PostMessageA(window, WM_CLOSE, 0, 0) != 0;
        }
        return closed ? 0 : 1;
    }
    DWORD limit = strtoul(argv[1], NULL, 10), start = GetTickCount();
    for (;;) {
        HWND window = find(argc - 2, argv + 2);
        if (window) {
            char name[64];
            RECT r;
            GetClassNameA(window, name, sizeof name);
            GetWindowRect(window, &r);
            printf("%s at %ld,%ld size %ldx%ld\n", name, r.left, r.top, r.right - r.left,
                   r.bottom - r.top);
            return 0;
        }
        if (GetTickCount() - start >= limit)
            return 1;
        Sleep(100);
    }
}
