// Set up once and forget: the keys on from a start that shows no window, Kitbag in the
// user's Run key, and a second start of the same copy that ends at once.
#include <gtest/gtest.h>

#include <string>

#include "KeyTarget.h"
#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value "Kitbag" under the user's Run key; empty when there is none.
std::wstring RunValue() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Kitbag", RRF_RT_REG_SZ, nullptr, data, &size))
        return {};
    return data;
}

class SetAndForgetTest : public ::testing::Test {
protected:
    void Start() {
        kitbag = std::make_unique<KitbagProcess>(folder.Path());
        ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 1; }));
    }
    // Chooses a menu item until the file shows its effect; a menu key lost on a busy
    // machine picks another item.
    void ChooseUntilSaved(int item, const std::string& expected) {
        bool saved = false;
        for (int attempt = 0; attempt < 3 && !saved; ++attempt) {
            ASSERT_TRUE(ChooseTrayMenuItem(item));
            saved = WaitFor([&] { return ReadBytesWhileWritten(settings) == expected; }, 3000);
        }
        ASSERT_TRUE(saved) << ReadBytesWhileWritten(settings);
    }
    void Exit() {
        ASSERT_TRUE(ChooseTrayMenuItem(kExitKitbag));
        ASSERT_TRUE(kitbag->WaitForExit());
        ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 0; }));
    }
    // Shift+W in front of a window of the test's own gives keypad 7, and W never arrives.
    // Pressed again when neither arrived or W arrived as itself: the icon shows a moment
    // before the keys go on, and under Wine the tray's own window, shown for the new
    // icon, may take the foreground a moment later.
    void ShiftWIsKeypad7() {
        const std::string keypadUp = "up " + std::to_string(VK_NUMPAD7);
        const std::string wUp = "up " + std::to_string('W');
        const DWORD start = GetTickCount();
        do {
            ASSERT_TRUE(target.TakeForeground());
            target.Clear();
            SendKeys({VK_SHIFT, 'W', -'W', -VK_SHIFT});
            PumpUntil([&] { return target.Count(keypadUp) + target.Count(wUp) > 0; }, 3000);
        } while (!target.Count(keypadUp) && GetTickCount() - start < 30000);
        EXPECT_GT(target.Count(keypadUp), 0);
        EXPECT_EQ(target.Count("down " + std::to_string('W')), 0);
    }

    TempFolder folder;
    const std::wstring settings = folder.File(L"Settings.ini");
    KeyTarget target;
    std::unique_ptr<KitbagProcess> kitbag;
};

TEST_F(SetAndForgetTest, ActivateKeysAtStartStartsWithTheKeysOnAndNoWindow) {
    WriteBytes(settings, kDefaultSettings);
    Start();
    ChooseUntilSaved(kActivateKeysAtStart, kDefaultSettings + "ActivateKeysAtStart=1\r\n");
    Exit();

    kitbag = std::make_unique<KitbagProcess>(folder.Path());
    bool shown = false;
    ASSERT_TRUE(WaitFor([&] {
        shown |= kitbag->AnyWindowVisible();
        return TrayIconCount() == 1;
    }));
    ShiftWIsKeypad7();
    EXPECT_FALSE(shown || kitbag->AnyWindowVisible());

    ChooseUntilSaved(kActivateKeysAtStart, kDefaultSettings);
    Exit();
    Start();
    EXPECT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1"); }));
}

// Starting the Wine prefix runs what the value names: it never stays behind.
TEST_F(SetAndForgetTest, StartWithWindowsWritesAndDeletesTheRunValueOfThisCopy) {
    struct RemoveValue {
        ~RemoveValue() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Kitbag"); }
    } removeValue;
    WriteBytes(settings, kDefaultSettings);
    Start();
    const std::wstring expected = L"\"" + folder.File(L"kitbag.exe") + L"\"";
    bool written = false;
    for (int attempt = 0; attempt < 3 && !written; ++attempt) {
        ASSERT_TRUE(ChooseTrayMenuItem(kStartWithWindows));
        written = WaitFor([&] { return !RunValue().empty(); }, 3000);
    }
    EXPECT_EQ(CompareStringOrdinal(RunValue().c_str(), -1, expected.c_str(), -1, TRUE), CSTR_EQUAL);
    EXPECT_EQ(TrayMenuOutline(), "oo-oo-ov-o");
    ASSERT_TRUE(ChooseTrayMenuItem(kStartWithWindows));
    EXPECT_TRUE(WaitFor([] { return RunValue().empty(); }));
    EXPECT_EQ(ReadBytes(settings), kDefaultSettings);
}

TEST_F(SetAndForgetTest, ASecondStartOfTheSameCopyEndsAtOnceAndTheFirstKeepsItsKeys) {
    WriteBytes(settings, kDefaultSettings);
    Start();
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1"); }));
    ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24,  // "Activate Keys"
                           [&] { return kitbag->Visible(L"TForm4"); }));

    const std::wstring exe = folder.File(L"kitbag.exe");
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder.Path().c_str(), &startup, &second));
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(second.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    EXPECT_FALSE(kitbag->WaitForExit(0));
    EXPECT_EQ(TrayIconCount(), 1);
    ShiftWIsKeypad7();
}

}  // namespace
