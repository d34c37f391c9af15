// The hover poll of one flat control class: all its instances share one 100 ms timer,
// which runs while one of them is lit and ends that hover once the pointer has left it.
// The class keeps the lit instance, the timer and the live count; each instance's poll
// works on them, so the timer lives exactly as long as an instance does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "Control.h"
#include "Platform.h"
#include "Screen.h"
#include "Timer.h"

// Whether the pointer is over the control and no other control covers it there.
bool PointerOver(TControl& control);

template <class Control>
class HoverPoll {
public:
    // The control must offer HoverBegin and HoverEnd to this class.
    HoverPoll(Control& owner, Control*& lit, std::unique_ptr<TTimer>& timer,
              std::int32_t& liveCount)
        : owner_(owner), lit_(lit), timer_(timer), liveCount_(liveCount) {
        if (!timer_) {
            auto created = std::make_unique<TTimer>(nullptr);
            created->SetEnabled(false);
            created->SetInterval(kInterval);
            timer_ = std::move(created);
        }
        ++liveCount_;
    }
    ~HoverPoll() {
        Stop();
        if (--liveCount_ == 0) timer_.reset();
    }
    HoverPoll(const HoverPoll&) = delete;
    HoverPoll& operator=(const HoverPoll&) = delete;

    bool Polling() const { return lit_ == &owner_; }
    // Lights the owner in place of the one lit before.
    void TakeOver() {
        if (Polling()) return;
        if (lit_) lit_->HoverEnd();
        Start();
    }
    // A mouse move to this screen point: reaching the owner ends the other's hover and,
    // while one of the program's windows is active, lights the owner.
    void MouseMovedTo(POINT screenPoint) {
        if (Polling() || FindDragTarget(screenPoint, true) != &owner_) return;
        if (lit_) lit_->HoverEnd();
        if (platform::GetActiveWindow()) Start();
    }
    // Ends the hover once the pointer has left the owner.
    void Tick() {
        if (!PointerOver(owner_)) owner_.HoverEnd();
    }
    // Makes the owner the one the shared timer polls, and lights it.
    void Start() {
        if (timer_->Enabled()) timer_->SetEnabled(false);
        lit_ = &owner_;
        timer_->SetOnTimer([this](TObject*) { Tick(); });
        timer_->SetEnabled(true);
        owner_.HoverBegin();
    }
    void Stop() {
        if (!Polling()) return;
        if (timer_) timer_->SetEnabled(false);
        lit_ = nullptr;
    }

private:
    static constexpr unsigned kInterval = 100;  // milliseconds

    Control& owner_;
    Control*& lit_;
    std::unique_ptr<TTimer>& timer_;
    std::int32_t& liveCount_;
};
