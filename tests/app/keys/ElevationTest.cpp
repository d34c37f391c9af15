// The check for a window that runs elevated above Kitbag, with each process's token faked.
#include <gtest/gtest.h>
#include <windows.h>

#include "Elevation.h"
#include "Platform.h"

namespace {

// A faked token per process: ours and the game's.
bool selfElevated, gameElevated, gameTokenDenied;
int tokenQueries;
const HANDLE kSelf = reinterpret_cast<HANDLE>(0x51), kGame = reinterpret_cast<HANDLE>(0x6A);
HANDLE WINAPI FakeCurrentProcess() { return kSelf; }
DWORD WINAPI FakeThreadProcessId(HWND, LPDWORD processId) {
    *processId = 4242;
    return 1;
}
HANDLE WINAPI FakeOpenProcess(DWORD, BOOL, DWORD) { return kGame; }
BOOL WINAPI FakeCloseHandle(HANDLE) { return TRUE; }
BOOL WINAPI FakeOpenToken(HANDLE process, DWORD, PHANDLE token) {
    ++tokenQueries;
    if (process == kGame && gameTokenDenied) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *token = process;  // the token stands for its process
    return TRUE;
}
BOOL WINAPI FakeTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS, LPVOID info, DWORD, PDWORD) {
    static_cast<TOKEN_ELEVATION*>(info)->TokenIsElevated = token == kSelf ? selfElevated : gameElevated;
    return TRUE;
}

TEST(ElevationTest, AGameAboveAnUnelevatedKitbagIsFoundOncePerActivation) {
    platform::Calls table = platform::SystemCalls();
    table.GetCurrentProcess = &FakeCurrentProcess;
    table.GetWindowThreadProcessId = &FakeThreadProcessId;
    table.OpenProcess = &FakeOpenProcess;
    table.CloseHandle = &FakeCloseHandle;
    table.OpenProcessToken = &FakeOpenToken;
    table.GetTokenInformation = &FakeTokenInformation;
    platform::ScopedOverride faking(table);
    const HWND game = reinterpret_cast<HWND>(0x100), other = reinterpret_cast<HWND>(0x200);

    selfElevated = false, gameElevated = true, gameTokenDenied = false;
    EXPECT_TRUE(RunsElevatedAboveUs(game));
    gameTokenDenied = true;  // as Windows answers an unelevated asker
    EXPECT_TRUE(RunsElevatedAboveUs(game));
    selfElevated = true;
    EXPECT_FALSE(RunsElevatedAboveUs(game));
    selfElevated = false, gameElevated = false, gameTokenDenied = false;
    EXPECT_FALSE(RunsElevatedAboveUs(game));

    TElevationWatch watch;
    EXPECT_FALSE(watch.Check(game));
    tokenQueries = 0;
    EXPECT_FALSE(watch.Check(game));  // the same window again costs nothing
    EXPECT_EQ(tokenQueries, 0);
    gameElevated = true;
    EXPECT_TRUE(watch.Check(other));
    EXPECT_FALSE(watch.Check(game));  // said once
    watch.Reset();
    EXPECT_TRUE(watch.Check(game));
}

}  // namespace
