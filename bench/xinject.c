/* Presses keys on the X side through XTest, as a player's keyboard would, and prints
 * the moment of each press on CLOCK_MONOTONIC_RAW in 100 ns ticks, the clock that Wine's
 * QueryPerformanceCounter counts, so arrival times under Wine compare directly.
 *
 *   xinject direct|shiftw COUNT GAP_MS
 *     direct: keypad 7 itself (the floor); shiftw: Shift+W (the hotkey of slot 1). */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long now_ticks(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC_RAW, &t);
    return (long long)t.tv_sec * 10000000LL + t.tv_nsec / 100;
}

static void pause_ms(int ms) {
    struct timespec t = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: xinject direct|shiftw COUNT GAP_MS\n");
        return 2;
    }
    int shiftw = strcmp(argv[1], "shiftw") == 0;
    int count = atoi(argv[2]), gap = atoi(argv[3]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xinject: no display\n");
        return 1;
    }
    KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    KeyCode w = XKeysymToKeycode(display, XK_w);
    KeyCode keypad7 = XKeysymToKeycode(display, XK_KP_7);
    KeyCode key = shiftw ? w : keypad7;
    for (int i = 0; i < count; ++i) {
        if (shiftw) XTestFakeKeyEvent(display, shift, True, CurrentTime);
        XFlush(display);
        if (shiftw) pause_ms(5); /* the player holds Shift before the letter */
        long long pressed = now_ticks();
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XFlush(display);
        printf("%lld\n", pressed);
        fflush(stdout);
        pause_ms(5);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        if (shiftw) XTestFakeKeyEvent(display, shift, False, CurrentTime);
        XFlush(display);
        pause_ms(gap);
    }
    XCloseDisplay(display);
    return 0;
}
