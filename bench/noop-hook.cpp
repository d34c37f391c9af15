// The floor of the key options' hook cost (bench/hotkey-latency): a low-level keyboard
// hook that does nothing but pass each key on. Under Wine such a hook in another process
// costs every key a round trip through the Wine server whatever it does; with this program
// running, that cost is in the floor too, and what remains against Kitbag is its own.
//
//   bench_noop_hook.exe READY_FILE
// Installs the hook, then creates READY_FILE, and runs until its standard input ends
// (the script closes it, or dies and so closes it). It wakes only when a key moves.
#include <windows.h>

#include <cstdio>

namespace {

LRESULT CALLBACK PassOn(int code, WPARAM message, LPARAM key) {
    return CallNextHookEx(nullptr, code, message, key);
}

class Hook {
public:
    Hook() : hook_(SetWindowsHookExA(WH_KEYBOARD_LL, &PassOn, GetModuleHandleA(nullptr), 0)) {}
    ~Hook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    Hook(const Hook&) = delete;
    Hook& operator=(const Hook&) = delete;
    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Blocks on standard input, so the hook's thread sleeps in its message loop meanwhile;
// at the input's end it ends that loop.
DWORD WINAPI WatchInput(void* parameter) {
    DWORD hookThread = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(parameter));
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(input, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    }
    PostThreadMessageA(hookThread, WM_QUIT, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_noop_hook READY_FILE\n");
        return 2;
    }
    // The thread's message queue must exist before the watcher may post to it.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    Hook hook;
    if (!hook) {
        std::fprintf(stderr, "bench_noop_hook: SetWindowsHookEx failed (%lu)\n", GetLastError());
        return 1;
    }
    Handle watcher(CreateThread(nullptr, 0, &WatchInput,
                                reinterpret_cast<void*>(static_cast<ULONG_PTR>(GetCurrentThreadId())),
                                0, nullptr));
    if (!watcher.get()) return 1;
    if (FILE* ready = std::fopen(argv[1], "w")) {
        std::fclose(ready);
    } else {
        return 1;
    }
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
