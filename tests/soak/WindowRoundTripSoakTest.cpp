// Ten thousand round trips through the program's windows in this process, each step
// taken by the handler the player's click calls: "Activate Keys" to the tray window, its
// tray menu opened and dismissed, "Hide window", and back by the tray menu, in turn to
// the main window ("Show Mainmenu", the settings having been visited on the way out) and
// to the settings ("Show Settings", then "Go to Mainform"). After every step the visible
// windows must be those a player expects to see; memory and the framework's handles must
// come back to where they were.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <sstream>

#include "Resources.h"
#include "RunningProgram.h"
#include "TestSupport.h"
#include "TrayMenuDriver.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

namespace {

constexpr int kTrips = 10000;
constexpr int kWarmUpTrips = 100;
constexpr int kProgressEvery = 500;
// Failures described in full, in all and of each step; beyond them only counted, so a
// fault that repeats every trip does not bury the others.
constexpr int kFailuresDescribed = 30;
constexpr int kFailuresDescribedPerStep = 3;

const std::vector<std::string> kMenuItems = {
    "Show Settings",          "Show Mainmenu",      "", "Only in Warcraft III", "Pause keys while chatting",
    "",                       "Activate keys at start", "Start with Windows", "", "Exit Kitbag"};
enum MenuItem { kShowSettings = 0, kShowMainmenu = 1 };

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    if (window) GetClassNameW(window, name, 64);
    std::string narrow;
    for (const wchar_t* c = name; *c; ++c) narrow.push_back(char(*c));
    return window ? narrow : "none";
}

// What a failed step leaves behind, for finding its cause.
std::string WindowState() {
    std::ostringstream out;
    HWND app = Application->Handle();
    out << "application iconic " << bool(IsIconic(app)) << ", tray window's own flag visible "
        << Form4->Visible() << ", iconic " << bool(IsIconic(Form4->Handle()))
        << ", main's flag visible " << Form1->Visible() << ", foreground "
        << ClassOf(GetForegroundWindow()) << ", active " << ClassOf(GetActiveWindow())
        << ", hotkeys " << HandleCounts::Live(HandleKind::Hotkey);
    return out.str();
}

class RoundTrips {
public:
    // Takes one step and checks the visible windows right after the handler and again
    // after the messages it caused have been handled.
    void Step(int trip, const char* step, const std::string& expected,
              const std::function<void()>& handler) {
        DWORD started = GetTickCount();
        handler();
        DWORD handled = GetTickCount();
        std::string now = VisibleWindows();
        std::string beforePump = WindowState();
        PumpPending();
        milliseconds_[step] += handled - started;
        milliseconds_[std::string(step) + " pump"] += GetTickCount() - handled;
        std::string afterPump = VisibleWindows();
        if (now == expected && afterPump == expected) return;
        int times = ++failures_[step];
        if (!Describe(times)) return;
        ADD_FAILURE() << "trip " << trip << ", " << step << " (failure " << times
                      << " of this step): expected [" << expected << "], visible [" << now << "] ("
                      << beforePump << "), after pumping [" << afterPump << "] (" << WindowState()
                      << ")";
    }

    void Menu(int trip, const char* step, const TrayMenuDriver::Outcome& outcome) {
        reopened_ += outcome.reopened;
        if (outcome.shown && outcome.items == kMenuItems && !outcome.forced) return;
        int times = ++failures_[step];
        if (!Describe(times)) return;
        std::string items;
        for (const std::string& item : outcome.items) items += "[" + item + "]";
        ADD_FAILURE() << "trip " << trip << ", " << step << " (failure " << times
                      << " of this step): menu shown " << outcome.shown << ", items " << items
                      << ", had to be ended " << outcome.forced << " (" << WindowState() << ")";
    }

    void Handles(int trip, const char* checkpoint, const HandleSnapshot& expected) {
        HandleSnapshot now = HandleSnapshot::Take();
        if (now == expected) return;
        int times = ++failures_[checkpoint];
        if (!Describe(times)) return;
        ADD_FAILURE() << "trip " << trip << ", " << checkpoint << " (failure " << times
                      << "): handles " << now << ", expected " << expected;
    }

    int Reopened() const { return reopened_; }
    int Total() const {
        int total = 0;
        for (const auto& [step, times] : failures_) total += times;
        return total;
    }
    std::string Summary() const {
        std::ostringstream out;
        for (const auto& [step, times] : failures_) out << " [" << step << "] x" << times;
        return out.str();
    }

    // Where the time went, step by step (for reading, never judged).
    std::string Timing() const {
        std::ostringstream out;
        for (const auto& [step, ms] : milliseconds_)
            out << " [" << step << "] " << ms / 1000 << " s";
        return out.str();
    }

private:
    bool Describe(int timesOfThisStep) {
        return timesOfThisStep <= kFailuresDescribedPerStep && ++described_ <= kFailuresDescribed;
    }

    std::map<std::string, int> failures_;
    std::map<std::string, unsigned long long> milliseconds_;
    int described_ = 0;
    int reopened_ = 0;
};

TEST(WindowRoundTripSoakTest, TenThousandRoundTripsShowTheExpectedWindowsAndGiveBackWhatTheyTake) {
    RunningProgram program;
    ASSERT_EQ(VisibleWindows(), "application main");
    const HandleSnapshot beforeFirstTrip = HandleSnapshot::Take();
    // Each window keeps what it creates when first shown (its pictures), so the counts
    // to come back to are those after the first trip (with the keys active, in the
    // second: the first has not shown the later windows yet).
    HandleSnapshot atStart, keysActive;
    TrayMenuDriver menu(*Form4->TrayIcon1);
    RoundTrips trips;

    MemorySample afterWarmUp;
    DWORD started = GetTickCount();
    for (int trip = 1; trip <= kTrips; ++trip) {
        // Out through the settings and back through the tray menu's "Show Mainmenu" on
        // odd trips; on even ones the tray menu's "Show Settings" leads to the settings.
        bool outThroughSettings = trip % 2;
        if (outThroughSettings) {
            trips.Step(trip, "Settings", "application settings",
                       [] { Form1->Image9Click(nullptr); });
            trips.Step(trip, "Save Settings", "application settings",
                       [] { Form2->Label15Click(nullptr); });
            trips.Step(trip, "Go to Mainform", "application main",
                       [] { Form2->Label16Click(nullptr); });
        }
        trips.Step(trip, "Activate Keys", "application tray window",
                   [] { Form1->Image11Click(nullptr); });
        if (trip > 2) trips.Handles(trip, "handles with the keys active", keysActive);
        if (trip == 2) keysActive = HandleSnapshot::Take();
        trips.Menu(trip, "tray menu dismissed", menu.OpenAndDismiss());
        trips.Step(trip, "after the dismissed tray menu", "application tray window", [] {});
        trips.Step(trip, "Hide window", "", [] { Form4->Image20Click(nullptr); });
        TrayMenuDriver::Outcome outcome;
        if (outThroughSettings) {
            trips.Step(trip, "tray menu's Show Mainmenu", "application main",
                       [&] { outcome = menu.OpenAndChoose(kShowMainmenu); });
            trips.Menu(trip, "tray menu for Show Mainmenu", outcome);
        } else {
            trips.Step(trip, "tray menu's Show Settings", "application settings main",
                       [&] { outcome = menu.OpenAndChoose(kShowSettings); });
            trips.Menu(trip, "tray menu for Show Settings", outcome);
            trips.Step(trip, "Go to Mainform", "application main",
                       [] { Form2->Label16Click(nullptr); });
        }
        if (VisibleWindows() != "application main") {
            // Counted above already; back to the main window the way a player would, so
            // that the next trip starts where it should. If even that fails, stop.
            menu.OpenAndChoose(kShowMainmenu);
            PumpPending();
            ASSERT_EQ(VisibleWindows(), "application main")
                << "trip " << trip << " could not be ended";
        }
        if (trip > 1) trips.Handles(trip, "handles back at the main window", atStart);
        if (trip == 1) {
            atStart = HandleSnapshot::Take();
            std::cout << "[ handles  ] before the first trip: " << beforeFirstTrip
                      << "; after it: " << atStart << std::endl;
        }

        if (trip == kWarmUpTrips) afterWarmUp = MemorySample::Take();
        if (trip % kProgressEvery == 0)
            std::cout << "[ progress ] " << trip << " round trips, "
                      << (GetTickCount() - started) / 1000 << " s, failed steps " << trips.Total()
                      << ", handles " << HandleSnapshot::Take() << ", " << MemorySample::Take()
                      << std::endl;
    }
    const MemorySample atEnd = MemorySample::Take();
    std::cout << "[ trips    ] " << kTrips << " in " << (GetTickCount() - started) / 1000
              << " s; time per step (\"pump\": the messages after it):" << trips.Timing()
              << "\n[ menus    ] closed by something else before the driver got to them, "
                 "and opened again: "
              << trips.Reopened() << std::endl;
    EXPECT_EQ(trips.Total(), 0) << "failed steps:" << trips.Summary();
    ExpectFlatMemory("window round trips", afterWarmUp, atEnd);
    std::cout << "[ handles  ] after the first trip: " << atStart
              << "; at the end: " << HandleSnapshot::Take() << std::endl;
    EXPECT_EQ(HandleSnapshot::Take(), atStart);
}

}  // namespace
