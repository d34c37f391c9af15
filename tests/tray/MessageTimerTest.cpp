// Message timers: the held state, restarts, self-freeing handlers and the shared window.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "MessageTimer.h"
#include "Platform.h"
#include "TestSupport.h"

namespace {

std::vector<std::string> calls;

UINT_PTR WINAPI RecordSet(HWND window, UINT_PTR id, UINT interval, TIMERPROC proc) {
    calls.push_back("set " + std::to_string(interval));
    return platform::SystemCalls().SetTimer(window, id, interval, proc);
}
BOOL WINAPI RecordKill(HWND window, UINT_PTR id) {
    calls.push_back("kill");
    return platform::SystemCalls().KillTimer(window, id);
}

class MessageTimerTest : public ::testing::Test {
protected:
    MessageTimerTest() {
        table.SetTimer = &RecordSet;
        table.KillTimer = &RecordKill;
        calls.clear();
    }
    platform::Calls table = platform::SystemCalls();
    platform::ScopedOverride recording{table};
};

TEST_F(MessageTimerTest, IntervalZeroOrNoHandlerHoldsARunningTimerUntilANewInterval) {
    int ticks = 0;
    auto timer = TMessageTimer::CreateWithHandler(10, [&](TObject*) { ++ticks; });
    EXPECT_FALSE(timer->Enabled());
    ASSERT_TRUE(timer->Start());
    ASSERT_TRUE(PumpUntil([&] { return ticks > 0; }));
    timer->SetInterval(0);  // held: enabled, nothing armed
    EXPECT_TRUE(timer->Enabled());
    EXPECT_FALSE(timer->Armed());
    int held = ticks;
    PumpPending();
    EXPECT_EQ(ticks, held);
    timer->SetInterval(10);
    EXPECT_TRUE(timer->Armed());
    ASSERT_TRUE(PumpUntil([&] { return ticks > held; }));
    timer->SetOnTimer(nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_FALSE(timer->Armed());
}

TEST_F(MessageTimerTest, StartWithIntervalZeroFailsAndTheSameIntervalDoesNotRestart) {
    TMessageTimer timer;
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Start());
    EXPECT_FALSE(timer.Enabled());
    EXPECT_TRUE(calls.empty());
    timer.SetOnTimer([](TObject*) {});
    timer.SetInterval(300);
    EXPECT_TRUE(calls.empty());  // not enabled: nothing to restart
    timer.SetEnabled(true);
    calls.clear();
    timer.SetInterval(300);
    EXPECT_TRUE(calls.empty());
    timer.SetInterval(400);
    EXPECT_EQ(calls, (std::vector<std::string>{"kill", "set 400"}));
}

TEST_F(MessageTimerTest, AHandlerMayFreeItsOwnTimerAndAStaleTickReachesNoOne) {
    TMessageTimer keeper;  // keeps the shared window alive throughout
    HWND window = TimerWindow()->Window();
    int ticks = 0;
    auto* doomed = new TMessageTimer;
    doomed->SetInterval(5);
    doomed->SetOnTimer([&](TObject* sender) {
        ++ticks;
        delete static_cast<TMessageTimer*>(sender);
    });
    UINT_PTR staleId = doomed->TimerId();
    doomed->SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks == 1; }));
    PostMessageA(window, WM_TIMER, staleId, 0);  // as if queued before the kill
    PumpPending();
    EXPECT_EQ(ticks, 1);
}

TEST_F(MessageTimerTest, AStaleTickMissesANewTimerAtTheSameAddressAndAnUnarmedTimerIgnoresTicks) {
    TMessageTimer keeper;  // keeps the shared window alive throughout
    HWND window = TimerWindow()->Window();
    alignas(TMessageTimer) unsigned char storage[sizeof(TMessageTimer)];
    auto* freed = new (storage) TMessageTimer;
    UINT_PTR staleId = freed->TimerId();
    freed->~TMessageTimer();
    int ticks = 0;
    auto* timer = new (storage) TMessageTimer;  // where the freed one lived
    timer->SetInterval(60000);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_TRUE(timer->Start());
    EXPECT_NE(timer->TimerId(), staleId);
    SendMessageA(window, WM_TIMER, staleId, 0);
    EXPECT_EQ(ticks, 0);
    SendMessageA(window, WM_TIMER, timer->TimerId(), 0);
    EXPECT_EQ(ticks, 1);
    timer->SetInterval(0);  // held: enabled, nothing armed
    SendMessageA(window, WM_TIMER, timer->TimerId(), 0);
    timer->Stop(true);
    SendMessageA(window, WM_TIMER, timer->TimerId(), 0);
    EXPECT_EQ(ticks, 1);
    timer->~TMessageTimer();
}

TEST_F(MessageTimerTest, TheLastTimerTakesTheSharedWindowAndTheNextMakesANewOne) {
    EXPECT_EQ(TimerWindow(), nullptr);
    {
        TMessageTimer first, second;
        ASSERT_NE(TimerWindow(), nullptr);
        EXPECT_EQ(TimerWindow()->UserCount, 2u);
    }
    EXPECT_EQ(TimerWindow(), nullptr);
    TMessageTimer again;
    EXPECT_NE(TimerWindow(), nullptr);
}

}  // namespace
