// A small periodic timer that is not a component. All timers share one hidden window;
// each arms a system timer there under its own identifier, and the window hands every
// tick to the timer that identifier names, if that timer is still alive and armed.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

#include "Types.h"
#include "UtilityWindow.h"

class TMessageTimer;

// The shared hidden window of all message timers.
class TMessageTimerHandler {
public:
    TMessageTimerHandler();
    HWND Window() const { return window_.Handle(); }
    unsigned UserCount = 0;
    std::unordered_map<UINT_PTR, TMessageTimer*> LiveTimers;  // by identifier

private:
    void HandleTimerMessage(TMessage& message);

    UtilityWindow window_;
};

void AcquireTimerWindow();
void ReleaseTimerWindow();
// The shared window object, or none while no timer exists.
TMessageTimerHandler* TimerWindow();

class TMessageTimer : public TObject {
public:
    TMessageTimer();
    static std::unique_ptr<TMessageTimer> CreateWithHandler(unsigned interval, TNotifyEvent onTimer);
    ~TMessageTimer() override;
    TMessageTimer(const TMessageTimer&) = delete;
    TMessageTimer& operator=(const TMessageTimer&) = delete;

    // Arms the system timer; true when it is armed.
    bool Start();
    // Kills the system timer; true when the system had one to kill.
    bool Stop(bool disable);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // Whether a system timer is armed now (enabled but held is not armed).
    bool Armed() const { return armed_; }
    // A serial number, never reused while the program runs: unlike an address, it can
    // never name a later timer.
    UINT_PTR TimerId() const { return timerId_; }

    bool OneShot = false;

private:
    friend class TMessageTimerHandler;
    void Tick();

    const UINT_PTR timerId_;
    bool enabled_ = false;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    bool armed_ = false;
};
