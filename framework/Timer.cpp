#include "Timer.h"

#include "HandleCounts.h"
#include "Reader.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() { Stop(); }

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == interval_) return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::Stop() {
    if (!running_) return;
    KillTimer(window_->Handle(), kTimerId);
    running_ = false;
    HandleCounts::Released(HandleKind::Timer);
}

void TTimer::UpdateTimer() {
    Stop();
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    if (!window_)
        window_ = std::make_unique<UtilityWindow>([this](TMessage& message) { HandleMessage(message); });
    if (SetTimer(window_->Handle(), kTimerId, interval_, nullptr)) {
        running_ = true;
        HandleCounts::Acquired(HandleKind::Timer);
    }
}

void TTimer::HandleMessage(TMessage& message) {
    if (message.Msg == WM_TIMER && message.WParam == kTimerId) {
        if (running_ && onTimer_) onTimer_(this);
        return;
    }
    message.Result = DefWindowProcA(window_->Handle(), message.Msg, message.WParam, message.LParam);
}

bool TTimer::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Enabled") SetEnabled(value.AsBoolean());
    else if (name == "Interval") SetInterval(unsigned(value.AsInteger()));
    else if (name == "OnTimer") SetOnTimer(reader.NotifyMethod(value));
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
