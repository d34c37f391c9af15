// The keys' status in words and pictures: the tray tip's text, the balloon's, and which of
// the tray icons stands for it.
#include <gtest/gtest.h>

#include "KeyStatus.h"

namespace {

TEST(KeyStatusTest, TheTipNamesTheStateTheKeysAndTheSlotsThatDoNothingWithinTheShellsLimit) {
    KeyStatus status;
    EXPECT_EQ(StatusTip(status), "Kitbag: keys off");
    status.active = true;
    status.working = {"Shift+W", "", "D", "", "#228", "Space"};
    status.withoutKey = {2};
    status.heldElsewhere = {4};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys on; no key: slot 2; taken by another program: "
                                 "slot 4; working: Shift+W D #228 Space");
    status.held = KeysHeld::ForChat;
    EXPECT_EQ(StatusTip(status).rfind("Kitbag: keys paused for chat; no key", 0), 0u);
    EXPECT_EQ(MissingSlotsText(status).rfind("Slot 2 without a key. Slot 4: the key is taken", 0), 0u);
    status.held = KeysHeld::OutsideTheGame;
    status.working = {"Shift+#200", "Shift+#201", "Shift+#202", "", "", ""};
    status.withoutKey = {4, 5};
    status.heldElsewhere = {6};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys wait for Warcraft III; no key: slots 4, 5; taken "
                                 "by another program: slot 6; working: 3 keys");  // past 127
    // What a balloon said stays while it holds, first; the key list gives way first.
    status.elevated = ElevatedInFront::Game;
    status.heldElsewhere = {};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys wait for Warcraft III; Warcraft III is admin: start "
                                 "Kitbag as admin; no key: slots 4, 5; working: 3 keys");
    status.heldElsewhere = {6};
    EXPECT_EQ(StatusTip(status).size(), 127u);
    EXPECT_EQ(StatusTip(status).find("working"), std::string::npos);
    status = {};
    status.active = true;
    status.working = {"", "", "", "", "", "Shift+X"};
    status.elevated = ElevatedInFront::OtherWindow;
    EXPECT_EQ(StatusTip(status), "Kitbag: keys on; the window in front is admin: start Kitbag as "
                                 "admin; working: Shift+X");
    KeyStatus allWork;
    allWork.active = true;
    allWork.working = {"a", "b", "c", "d", "e", "f"};
    EXPECT_EQ(MissingSlotsText(allWork), "");
    EXPECT_EQ(KeyName(MOD_SHIFT, 'W'), "Shift+W");
    EXPECT_EQ(KeyName(0, 'a'), "a");
}

TEST(KeyStatusTest, WithoutAWorkingKeyTheTipSaysSoFirstAndABalloonTellsEachProblemOnce) {
    KeyStatus status;
    status.active = true;
    status.held = KeysHeld::OutsideTheGame;
    status.heldElsewhere = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(StatusTip(status),
              "Kitbag: no key works: taken by another program: slots 1, 2, 3, 4, 5, 6");
    status.held = KeysHeld::ForChat;
    status.withoutKey = {3};
    status.heldElsewhere = {1};
    EXPECT_EQ(StatusTip(status), "Kitbag: no key works: no key: slot 3; taken by another program: slot 1");

    ToldProblems told;
    EXPECT_EQ(UntoldProblemsText(status, told).rfind("Slot 3 without a key. Slot 1: the key is taken", 0), 0u);
    EXPECT_EQ(UntoldProblemsText(status, told), "");
    status.heldElsewhere = {1, 2};  // slot 2 lost its key later
    EXPECT_EQ(UntoldProblemsText(status, told).rfind("Slot 2: the key is taken", 0), 0u);

    KeyStatus unsaved;
    unsaved.active = unsaved.nothingSaved = true;
    unsaved.withoutKey = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(StatusTip(unsaved), "Kitbag: no keys saved yet; save them in the settings");
    told = {};
    EXPECT_EQ(UntoldProblemsText(unsaved, told).rfind("No keys are saved yet, so no key works.", 0), 0u);
    EXPECT_EQ(UntoldProblemsText(unsaved, told), "");
}

TEST(KeyStatusTest, TheTrayIconShowsAProblemBeforeHeldAndHeldBeforeOn) {
    KeyStatus status;
    status.held = KeysHeld::ForChat;
    status.withoutKey = {1};
    EXPECT_EQ(TrayIconFor(status), TrayIconState::Off);
    status = {};
    status.active = true;
    EXPECT_EQ(TrayIconFor(status), TrayIconState::On);
    for (KeysHeld held : {KeysHeld::OutsideTheGame, KeysHeld::ForChat}) {
        status.held = held;
        EXPECT_EQ(TrayIconFor(status), TrayIconState::Held);
    }
    void (*const problems[])(KeyStatus&) = {
        [](KeyStatus& s) { s.nothingSaved = true; },
        [](KeyStatus& s) { s.withoutKey = {3}; },
        [](KeyStatus& s) { s.heldElsewhere = {5}; },
        [](KeyStatus& s) { s.elevated = ElevatedInFront::OtherWindow; },
    };
    for (auto problem : problems)
        for (KeysHeld held : {KeysHeld::No, KeysHeld::OutsideTheGame}) {
            KeyStatus troubled;
            troubled.active = true;
            troubled.held = held;
            problem(troubled);
            EXPECT_EQ(TrayIconFor(troubled), TrayIconState::Problem);
        }
}

}  // namespace
