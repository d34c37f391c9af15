// The hotkey engine's exact Windows calls and their order, with the platform layer
// replaced by a recorder.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "HandleCounts.h"
#include "HotkeyEngine.h"
#include "Platform.h"

namespace {

std::vector<std::string> calls;
std::set<std::pair<UINT, UINT>> heldElsewhere;  // (modifiers, key) another program holds

BOOL WINAPI RecordRegister(HWND, int id, UINT modifiers, UINT key) {
    calls.push_back("register " + std::to_string(id) + " " + std::to_string(modifiers) + " " +
                    std::to_string(key));
    return !heldElsewhere.count({modifiers, key});
}
BOOL WINAPI RecordEngineUnregister(HWND, int id) {
    calls.push_back("unregister " + std::to_string(id));
    return TRUE;
}
VOID WINAPI RecordKey(BYTE key, BYTE scan, DWORD flags, ULONG_PTR extra) {
    calls.push_back("key " + std::to_string(key) + " " + std::to_string(scan) + " " +
                    std::to_string(flags) + " " + std::to_string(extra));
}

platform::Calls Recorder() {
    platform::Calls recorder = platform::SystemCalls();
    recorder.RegisterHotKey = &RecordRegister;
    recorder.UnregisterHotKey = &RecordEngineUnregister;
    recorder.keybd_event = &RecordKey;
    return recorder;
}

class HotkeyEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        heldElsewhere.clear();
    }
    platform::Calls table = Recorder();
    platform::ScopedOverride recording{table};
    THotkeyEngine engine{reinterpret_cast<HWND>(0x1234)};
    const SettingsFile::ShiftFlags allShift{true, true, true, true, true, true};
};

using Calls = std::vector<std::string>;

TEST_F(HotkeyEngineTest, RegistersShiftSlotsFirstThenTheOthersUnderTheSlotNumbers) {
    engine.Activate({"W", "E", "D", "S", "C", "X"}, {true, true, false, true, false, true});
    EXPECT_EQ(calls, (Calls{"register 1 4 87", "register 2 4 69", "register 4 4 83",
                            "register 6 4 88", "register 3 0 68", "register 5 0 67"}));
}

TEST_F(HotkeyEngineTest, TakesTheFirstCharacterAsAnUnsignedByteAndSkipsEmptyLines) {
    engine.Activate({"a", "WQ", "", "\xE4", "1", "x"}, allShift);
    EXPECT_EQ(calls, (Calls{"register 1 4 97", "register 2 4 87", "register 4 4 228",
                            "register 5 4 49", "register 6 4 120"}));
}

TEST_F(HotkeyEngineTest, ReleasesOneToSixInOrderAndGivesBackTheCount) {
    long before = HandleCounts::Live(HandleKind::Hotkey);
    heldElsewhere = {{MOD_SHIFT, 'E'}};
    engine.Activate({"W", "E", "D", "S", "C", "X"}, allShift);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), before + 5);
    calls.clear();
    engine.Release();
    EXPECT_EQ(calls, (Calls{"unregister 1", "unregister 2", "unregister 3", "unregister 4",
                            "unregister 5", "unregister 6"}));
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), before);
}

TEST_F(HotkeyEngineTest, AHotkeyPressesAndReleasesItsSlotsKeypadKeyAndNothingElse) {
    engine.Activate({"W", "E", "D", "S", "C", "X"}, allShift);
    calls.clear();
    engine.HotkeyPressed(1);
    engine.HotkeyPressed(6);
    engine.HotkeyPressed(7);
    engine.HotkeyPressed(0);
    EXPECT_EQ(calls, (Calls{"key 103 0 0 0", "key 103 0 2 0", "key 98 0 0 0", "key 98 0 2 0"}));
}

TEST_F(HotkeyEngineTest, AKeypadSlotKeyStepsAsideWhileItsKeyGoesOut) {
    // Slot 5 injects keypad 1, which is also its own hotkey ("a" without Shift).
    engine.Activate({"W", "E", "D", "S", "a", "X"}, {true, true, true, true, false, true});
    calls.clear();
    engine.HotkeyPressed(5);
    EXPECT_EQ(calls, (Calls{"unregister 5", "key 97 0 0 0", "key 97 0 2 0", "register 5 0 97"}));
    calls.clear();
    engine.HotkeyPressed(1);  // keypad 7 belongs to no slot: no stepping aside
    EXPECT_EQ(calls, (Calls{"key 103 0 0 0", "key 103 0 2 0"}));
}

}  // namespace
