// An icon the program owns, with a change notification for those that show it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TIcon {
public:
    TIcon() = default;
    ~TIcon() { Release(); }
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    bool Empty() const { return !handle_; }
    HICON Handle() const { return handle_; }
    // Takes ownership of the handle.
    void SetHandle(HICON handle);
    void Assign(const TIcon& other);
    // An icon resource of the running program, at the size the notification area uses.
    void LoadFromResourceName(const std::string& name);
    std::function<void()> OnChange;

private:
    void Release();

    HICON handle_ = nullptr;
};
