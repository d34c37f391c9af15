// Notices a low-level keyboard hook that Windows removed without a word (it does so to a
// hook that is slow to answer, and around sleep and a locked session). Raw keyboard input
// reports every key after the hook has seen it: a key it reports that the hook never saw
// means the hook is gone.
#pragma once

#include <windows.h>

class THookSentinel {
public:
    // A hook was installed. Its first key may reach raw input alone (Wine hands a hook the
    // keys only from the key after it was installed): that one miss is allowed.
    void Armed();
    void HookSawKeyDown();
    // Raw input reported a key going down: true when the hook has not seen it.
    bool RawKeyDown();

private:
    // Keys the hook saw that raw input has not reported yet; bounded, so keys that raw
    // input never reports cannot hide a lost hook for long.
    int unmatched_ = 0;
    bool firstMayMiss_ = true;
};

// Raw keyboard input for a window, also while another program is in front, for as long
// as this lives.
class TRawKeyboard {
public:
    explicit TRawKeyboard(HWND window);
    ~TRawKeyboard();
    TRawKeyboard(const TRawKeyboard&) = delete;
    TRawKeyboard& operator=(const TRawKeyboard&) = delete;

private:
    bool registered_;
};

// Whether a WM_INPUT message's input is a key going down.
bool RawInputIsKeyDown(LPARAM input);

// The session's lock and unlock reported to a window (WM_WTSSESSION_CHANGE) while this
// lives.
class TSessionReports {
public:
    explicit TSessionReports(HWND window);
    ~TSessionReports();
    TSessionReports(const TSessionReports&) = delete;
    TSessionReports& operator=(const TSessionReports&) = delete;

private:
    HWND window_;
    bool registered_;
};
