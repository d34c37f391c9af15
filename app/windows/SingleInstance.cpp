#include "SingleInstance.h"

#include <cstdint>
#include <cstdio>

std::wstring FolderInstanceName(const std::wstring& folder) {
    std::wstring folded = folder;
    if (!folded.empty()) CharUpperBuffW(folded.data(), DWORD(folded.size()));
    // A path may be longer than an object name may be, and its separators are the object
    // namespace's: a hash of it names the folder.
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t unit : folded) {
        hash ^= std::uint64_t(unit);
        hash *= 1099511628211ull;
    }
    wchar_t name[32];
    swprintf(name, 32, L"Kitbag-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

UINT StartedAgainMessage(const std::wstring& folder) {
    return RegisterWindowMessageW(FolderInstanceName(folder).c_str());
}

TFolderInstance::TFolderInstance(const std::wstring& folder)
    : folder_(folder), mutex_(CreateMutexW(nullptr, FALSE, FolderInstanceName(folder).c_str())) {
    first_ = !mutex_.Get() || GetLastError() != ERROR_ALREADY_EXISTS;
}

void TFolderInstance::TellTheRunningCopy() const {
    // Posted to every top-level window; only the running copy's main window knows it.
    PostMessageW(HWND_BROADCAST, StartedAgainMessage(folder_), 0, 0);
}
