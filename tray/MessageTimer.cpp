#include "MessageTimer.h"

#include "HandleCounts.h"
#include "Platform.h"

namespace {
UINT_PTR NewTimerId() {
    static UINT_PTR last = 0;
    return ++last;
}
}  // namespace

TMessageTimerHandler::TMessageTimerHandler()
    : window_([this](TMessage& message) { HandleTimerMessage(message); }) {}

void TMessageTimerHandler::HandleTimerMessage(TMessage& message) {
    if (message.Msg != WM_TIMER) {
        message.Result = platform::DefWindowProcA(Window(), message.Msg, message.WParam, message.LParam);
        return;
    }
    // A tick produced before its timer was killed must not reach a freed timer.
    auto found = LiveTimers.find(message.WParam);
    if (found != LiveTimers.end()) found->second->Tick();
}

TMessageTimerHandler* TimerWindow() { return SharedHandler<TMessageTimerHandler>::Get(); }
void AcquireTimerWindow() { SharedHandler<TMessageTimerHandler>::Acquire(); }
void ReleaseTimerWindow() { SharedHandler<TMessageTimerHandler>::Release(); }

TMessageTimer::TMessageTimer() : timerId_(NewTimerId()) {
    AcquireTimerWindow();
    TimerWindow()->LiveTimers.emplace(timerId_, this);
}

std::unique_ptr<TMessageTimer> TMessageTimer::CreateWithHandler(unsigned interval,
                                                                TNotifyEvent onTimer) {
    auto timer = std::make_unique<TMessageTimer>();
    timer->interval_ = interval;
    timer->SetOnTimer(std::move(onTimer));
    return timer;
}

TMessageTimer::~TMessageTimer() {
    if (enabled_) Stop(true);
    if (TimerWindow()) TimerWindow()->LiveTimers.erase(timerId_);
    ReleaseTimerWindow();
}

bool TMessageTimer::Start() {
    if (interval_ == 0) return false;
    if (enabled_) Stop(true);
    bool started = platform::SetTimer(TimerWindow()->Window(), timerId_, interval_, nullptr) != 0;
    if (started) {
        enabled_ = true;
        if (!armed_) HandleCounts::Acquired(HandleKind::Timer);
        armed_ = true;
    }
    return started;
}

bool TMessageTimer::Stop(bool disable) {
    if (disable) enabled_ = false;
    bool killed = platform::KillTimer(TimerWindow()->Window(), timerId_) != 0;
    if (armed_) HandleCounts::Released(HandleKind::Timer);
    armed_ = false;
    return killed;
}

void TMessageTimer::SetEnabled(bool value) {
    if (value)
        Start();
    else
        Stop(true);
}

void TMessageTimer::SetInterval(unsigned value) {
    if (value == interval_) return;
    interval_ = value;
    if (!enabled_) return;
    if (value != 0)
        Start();
    else
        Stop(false);
}

void TMessageTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    if (!onTimer_ && enabled_) Stop(false);
}

void TMessageTimer::Tick() {
    if (!armed_) return;  // produced before the timer was stopped or held
    if (OneShot) Stop(true);
    // The handler may free this timer: nothing of it is used afterwards.
    if (onTimer_) {
        TNotifyEvent handler = onTimer_;
        handler(this);
    }
}
