// A hundred thousand hotkey presses on the program's real windows in this process: the
// six default keys (Shift with W, E, D, S, C, X) in turn, a stand-in for the game in the
// foreground. Every press must give the game its slot's keypad key, once and in order;
// memory and the framework's handles must stay where they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>

#include "HotkeyEngine.h"
#include "KeyTarget.h"
#include "KeypadLog.h"
#include "Resources.h"
#include "RunningProgram.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit4.h"

namespace {

constexpr int kPresses = 100000;
constexpr int kWarmUpPresses = 1000;
constexpr int kCheckpointEvery = 10000;
// Presses sent at once before waiting for their keys: few enough that a lost one is
// found near where it was lost, many enough that the run does not crawl.
constexpr int kBatch = 40;
constexpr char kSlotLetters[] = "WEDSCX";

int SlotOf(int press) { return press % 6; }

// Shift, the slot's letter, release both: one player's press of a slot's hotkey.
void SendPresses(int firstPress, int count) {
    std::vector<int> strokes;
    for (int press = firstPress; press < firstPress + count; ++press) {
        int letter = kSlotLetters[SlotOf(press)];
        strokes.insert(strokes.end(), {VK_SHIFT, letter, -letter, -VK_SHIFT});
    }
    SendKeys(strokes);
}

int KeypadEvents(const std::vector<std::string>& entries) {
    int count = 0;
    KeyEvent event;
    for (const std::string& entry : entries)
        if (ParseKeyEvent(entry, event) && KeypadKeyOf(event.key)) ++count;
    return count;
}

// The tray window's first paint decodes its pictures, which it keeps. Under load that
// paint can come after the next messages are pumped, and then after the counts at the
// start are taken: paint it now, whether or not it has painted yet.
void PaintTrayWindowNow() {
    PumpPending();
    RedrawWindow(Form4->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

class HotkeySoak {
public:
    explicit HotkeySoak(KeyTarget& target) : target_(&target) {}
    // Later presses go to this window.
    void SetTarget(KeyTarget& target) { target_ = &target; }

    // Sends a batch, waits for its keypad keys and checks everything the game received:
    // the keypad keys of exactly these presses in order, and of the player's own keys only
    // what a hotkey lets through (Shift, and the letter's release).
    ::testing::AssertionResult Play(int firstPress, int count) {
        SendPresses(firstPress, count);
        PumpUntil([&] { return KeypadEvents(target_->Events()) >= 2 * count; }, 60000);
        auto result = Check(firstPress, count);
        target_->Clear();  // the run's own memory stays flat
        return result;
    }

    // Sends a batch that must arrive as typed (the keys held for the game or for chat):
    // Shift and the letter, down and up, in order, and no keypad key.
    ::testing::AssertionResult Type(int firstPress, int count) {
        SendPresses(firstPress, count);
        std::vector<std::string> expected;
        for (int press = firstPress; press < firstPress + count; ++press) {
            const std::string letter = std::to_string(int(kSlotLetters[SlotOf(press)]));
            const std::string shift = std::to_string(VK_SHIFT);
            expected.insert(expected.end(), {"down " + shift, "down " + letter, "up " + letter,
                                             "up " + shift});
        }
        return Expect(expected, "presses " + std::to_string(firstPress) + " typed");
    }

    // One key the game's chat answers (Enter opens and closes it, Esc closes it).
    ::testing::AssertionResult ChatKey(int key) {
        SendKeys({key, -key});
        return Expect({"down " + std::to_string(key), "up " + std::to_string(key)}, "chat key");
    }

    // A plain F12 after everything: what arrives before it is all the presses caused.
    ::testing::AssertionResult NothingMoreArrives() {
        SendKeys({VK_F12, -VK_F12});
        if (!target_->WaitFor("up " + std::to_string(VK_F12), 60000))
            return ::testing::AssertionFailure() << "the end mark never arrived";
        std::vector<std::string> expected = {"down " + std::to_string(VK_F12),
                                             "up " + std::to_string(VK_F12)};
        if (target_->Events() != expected) {
            auto failure = ::testing::AssertionFailure()
                           << "after the last press the game received:";
            for (const std::string& entry : target_->Events()) failure << " [" << entry << "]";
            return failure;
        }
        target_->Clear();
        return ::testing::AssertionSuccess();
    }

    int NavigationAliases() const { return navigationAliases_; }

private:
    ::testing::AssertionResult Expect(const std::vector<std::string>& expected, const std::string& what) {
        PumpUntil([&] { return target_->Events().size() >= expected.size(); }, 60000);
        // Anything more that the keys caused comes before the end mark.
        SendKeys({VK_F12, -VK_F12});
        target_->WaitFor("up " + std::to_string(VK_F12), 60000);
        std::vector<std::string> events = target_->Events();
        target_->Clear();
        if (events.size() >= 2) events.resize(events.size() - 2);
        if (events == expected) return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << what << ": received";
        for (const std::string& entry : events) failure << " [" << entry << "]";
        return failure;
    }

    ::testing::AssertionResult Check(int firstPress, int count) {
        std::vector<KeyEvent> keypad;
        std::map<std::string, int> passedThrough;
        std::vector<std::string> unexpected;
        for (const std::string& entry : target_->Events()) {
            KeyEvent event;
            if (!ParseKeyEvent(entry, event)) {
                unexpected.push_back(entry);
            } else if (int key = KeypadKeyOf(event.key)) {
                if (key != event.key) ++navigationAliases_;
                keypad.push_back({event.down, key});
            } else {
                ++passedThrough[entry];
            }
        }
        std::map<std::string, int> expectedThrough;
        std::vector<KeyEvent> expected;
        for (int press = firstPress; press < firstPress + count; ++press) {
            int key = kSlotKeys[size_t(SlotOf(press))];
            expected.push_back({true, key});
            expected.push_back({false, key});
            ++expectedThrough["down " + std::to_string(VK_SHIFT)];
            ++expectedThrough["up " + std::to_string(VK_SHIFT)];
            ++expectedThrough["up " + std::to_string(int(kSlotLetters[SlotOf(press)]))];
        }
        if (keypad == expected && passedThrough == expectedThrough && unexpected.empty())
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure()
                       << "presses " << firstPress << " to " << firstPress + count - 1 << ": ";
        for (size_t i = 0; i < std::max(keypad.size(), expected.size()); ++i) {
            if (i < keypad.size() && i < expected.size() && keypad[i] == expected[i]) continue;
            failure << "keypad event " << i << " is "
                    << (i < keypad.size() ? Describe(keypad[i]) : std::string("missing"))
                    << ", expected "
                    << (i < expected.size() ? Describe(expected[i]) : std::string("none")) << "; ";
            break;
        }
        failure << keypad.size() << " keypad events of " << expected.size() << "; other keys:";
        for (const auto& [entry, times] : passedThrough)
            failure << " [" << entry << "] x" << times << " (expected " << expectedThrough[entry]
                    << ")";
        for (const std::string& entry : unexpected) failure << " [" << entry << "]";
        return failure;
    }

    KeyTarget* target_;
    int navigationAliases_ = 0;
};

TEST(HotkeySoakTest, AHundredThousandPressesGiveEachKeypadKeyOnceInOrderAndGiveBackWhatTheyTake) {
    RunningProgram program;
    // The tray window keeps what it creates when first shown (its pictures): one
    // activation before the counts are taken.
    const HandleSnapshot beforeFirstActivation = HandleSnapshot::Take();
    Form1->Image11Click(nullptr);  // "Activate Keys"
    PaintTrayWindowNow();
    Form4->ExitKitbag1Click(nullptr);
    PumpPending();
    const HandleSnapshot atStart = HandleSnapshot::Take();

    Form1->Image11Click(nullptr);
    PumpPending();
    ASSERT_EQ(VisibleWindows(), "application tray window");
    ASSERT_EQ(HandleCounts::Live(HandleKind::Hotkey), atStart.Of(HandleKind::Hotkey) + 6);
    KeyTarget target;
    ASSERT_TRUE(target.TakeForeground());
    target.Clear();
    const HandleSnapshot whileActive = HandleSnapshot::Take();

    HotkeySoak soak(target);
    MemorySample afterWarmUp;
    DWORD started = GetTickCount();
    for (int press = 0; press < kPresses; press += kBatch) {
        ASSERT_TRUE(soak.Play(press, std::min(kBatch, kPresses - press)));
        int done = std::min(press + kBatch, kPresses);
        if (done == kWarmUpPresses) afterWarmUp = MemorySample::Take();
        if (done % kCheckpointEvery == 0) {
            ASSERT_EQ(HandleSnapshot::Take(), whileActive) << "after " << done << " presses";
            std::cout << "[ progress ] " << done << " presses, "
                      << (GetTickCount() - started) / 1000 << " s" << std::endl;
        }
    }
    ASSERT_TRUE(soak.NothingMoreArrives());
    const MemorySample atEnd = MemorySample::Take();
    std::cout << "[ presses  ] " << kPresses << " in " << (GetTickCount() - started) / 1000
              << " s; keypad keys that arrived as navigation keys: " << soak.NavigationAliases()
              << std::endl;
    ExpectFlatMemory("hotkey presses", afterWarmUp, atEnd);
    std::cout << "[ handles  ] before the first activation: " << beforeFirstActivation
              << "; after it: " << atStart << "; keys active: " << whileActive << std::endl;

    Form4->ExitKitbag1Click(nullptr);  // the tray menu's "Show Mainmenu" releases the keys
    PumpPending();
    EXPECT_EQ(VisibleWindows(), "application main");
    EXPECT_EQ(HandleSnapshot::Take(), atStart);
}

// Both key options on: presses alternate between a stand-in titled as the game and
// another window, and the game's chat opens and closes between them; every press arrives
// as the keypad key in the game and as typed elsewhere and in chat, with the keyboard hook
// deciding each time. Memory and handles stay flat.
TEST(HotkeySoakTest, AHundredThousandPressesInAndOutOfTheGameAndItsChatWithBothOptionsOn) {
    RunningProgram program;
    Form1->Image11Click(nullptr);  // the tray window's first showing keeps its pictures
    PaintTrayWindowNow();
    Form4->ExitKitbag1Click(nullptr);
    PumpPending();
    const HandleSnapshot atStart = HandleSnapshot::Take();
    Form1->Hotkeys().SetOptions({.onlyInGame = true, .pauseWhileChatting = true});
    Form1->Image11Click(nullptr);
    PumpPending();
    ASSERT_TRUE(Form1->Hotkeys().Watching());
    KeyTarget game{L"Warcraft III"};
    KeyTarget other;

    HotkeySoak soak(game);
    MemorySample afterWarmUp;
    HandleSnapshot whileActive{};
    constexpr int kQuarter = 10;  // presses per step: in the game, elsewhere, in chat, in the game
    DWORD started = GetTickCount();
    for (int press = 0; press < kPresses; press += 4 * kQuarter) {
        ASSERT_TRUE(game.TakeForeground());
        soak.SetTarget(game);
        ASSERT_TRUE(soak.Play(press, kQuarter));
        ASSERT_TRUE(other.TakeForeground());
        soak.SetTarget(other);
        ASSERT_TRUE(soak.Type(press + kQuarter, kQuarter));
        ASSERT_TRUE(game.TakeForeground());
        soak.SetTarget(game);
        ASSERT_TRUE(soak.ChatKey(VK_RETURN));
        ASSERT_TRUE(soak.Type(press + 2 * kQuarter, kQuarter));
        ASSERT_TRUE(soak.ChatKey(press / (4 * kQuarter) % 2 ? VK_ESCAPE : VK_RETURN));
        ASSERT_TRUE(soak.Play(press + 3 * kQuarter, kQuarter));
        const int done = press + 4 * kQuarter;
        if (done == kWarmUpPresses) {
            afterWarmUp = MemorySample::Take();
            whileActive = HandleSnapshot::Take();
        }
        if (done % kCheckpointEvery == 0) {
            ASSERT_EQ(HandleSnapshot::Take(), whileActive) << "after " << done << " presses";
            std::cout << "[ progress ] " << done << " presses, "
                      << (GetTickCount() - started) / 1000 << " s" << std::endl;
        }
    }
    const MemorySample atEnd = MemorySample::Take();
    std::cout << "[ presses  ] " << kPresses << " in and out of the game in "
              << (GetTickCount() - started) / 1000 << " s" << std::endl;
    ExpectFlatMemory("hotkey presses with both options on", afterWarmUp, atEnd);

    Form4->ExitKitbag1Click(nullptr);
    PumpPending();
    EXPECT_FALSE(Form1->Hotkeys().Watching());
    EXPECT_EQ(HandleSnapshot::Take(), atStart);
}

}  // namespace
