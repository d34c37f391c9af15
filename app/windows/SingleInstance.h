// One Kitbag per folder. A copy in another folder is another setup and may run beside
// this one; a second start of the same copy only tells the running one and ends.
#pragma once

#include <windows.h>

#include <string>

#include "KernelHandle.h"

// The name the copies of one folder share, for their mutex and their message: derived
// from the folder's path, case-folded, as Windows compares paths.
std::wstring FolderInstanceName(const std::wstring& folder);
// The message by which a second start tells the running copy of its folder; only that
// copy knows it.
UINT StartedAgainMessage(const std::wstring& folder);

class TFolderInstance {
public:
    // Holds the folder's mutex for as long as this lives.
    explicit TFolderInstance(const std::wstring& folder);
    // Whether no Kitbag of this folder was running.
    bool First() const { return first_; }
    // Tells the running copy that the player started Kitbag again.
    void TellTheRunningCopy() const;

private:
    std::wstring folder_;
    KernelHandle mutex_;
    bool first_;
};
