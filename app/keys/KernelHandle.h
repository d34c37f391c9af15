// A process or token opened for a question about it (its file, its rights), closed
// whatever path the question takes.
#pragma once

#include <windows.h>

#include <utility>

#include "Platform.h"

class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~KernelHandle() {
        if (handle_) platform::CloseHandle(handle_);
    }
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&&) = delete;
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// The program behind a window, opened with the limited query right, which is granted even
// for an elevated program where the full right is not. Empty when it cannot be opened.
inline KernelHandle OpenProcessOf(HWND window) {
    DWORD processId = 0;
    platform::GetWindowThreadProcessId(window, &processId);
    if (!processId) return KernelHandle();
    return KernelHandle(platform::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}
