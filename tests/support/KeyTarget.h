// A window of the test's own that stands in for the game: it takes the foreground and
// records every key that reaches it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class KeyTarget {
public:
    // Titled "Warcraft III", it is the game for the game-aware options; the default title
    // is no game's.
    explicit KeyTarget(const wchar_t* title = L"Game stand-in");
    ~KeyTarget();
    KeyTarget(const KeyTarget&) = delete;
    KeyTarget& operator=(const KeyTarget&) = delete;

    HWND Handle() const { return window_; }
    // Brings the window to the foreground and waits until it is there.
    bool TakeForeground();
    // "down 103", "up 103" and "hotkey 99" entries, in arrival order.
    const std::vector<std::string>& Events() const { return events_; }
    void Clear() { events_.clear(); }
    int Count(const std::string& event) const;
    // Pumps messages until the event has arrived.
    bool WaitFor(const std::string& event, DWORD timeoutMs = 10000);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<std::string> events_;
};

// The entry a key going down leaves in a target's events.
inline std::string KeyDown(int key) { return "down " + std::to_string(key); }

// Brings a window to the foreground and waits until it stays there.
bool HoldForeground(HWND window);

// Keys as a player's keyboard sends them: each entry a virtual key, pressed when
// positive and released when negative.
void SendKeys(const std::vector<int>& strokes);
