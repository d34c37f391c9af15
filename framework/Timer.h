// A periodic timer component. Each timer has its own hidden window, so a tick that was
// queued before the timer was freed dies with the window instead of reaching it.
#pragma once

#include <memory>

#include "Component.h"
#include "UtilityWindow.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // Whether the system timer is armed right now.
    bool Running() const { return running_; }

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

private:
    void UpdateTimer();
    void Stop();
    void HandleMessage(TMessage& message);

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    bool running_ = false;
    std::unique_ptr<UtilityWindow> window_;
};
