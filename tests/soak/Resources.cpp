#include "Resources.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <iostream>

namespace {

const char* KindName(HandleKind kind) {
    switch (kind) {
        case HandleKind::GdiObject: return "GdiObject";
        case HandleKind::Window: return "Window";
        case HandleKind::Timer: return "Timer";
        case HandleKind::Hotkey: return "Hotkey";
        default: return "?";
    }
}

long long Kb(SIZE_T bytes) { return static_cast<long long>(bytes / 1024); }

}  // namespace

HandleSnapshot HandleSnapshot::Take() {
    HandleSnapshot snapshot;
    for (size_t i = 0; i < snapshot.live.size(); ++i)
        snapshot.live[i] = HandleCounts::Live(HandleKind(i));
    return snapshot;
}

std::ostream& operator<<(std::ostream& out, const HandleSnapshot& snapshot) {
    for (size_t i = 0; i < snapshot.live.size(); ++i)
        out << (i ? ", " : "") << KindName(HandleKind(i)) << " " << snapshot.live[i];
    return out;
}

MemorySample MemorySample::Take() {
    MemorySample sample;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        sample.workingSet = counters.WorkingSetSize;
        sample.privateBytes = counters.PagefileUsage;
    }
    return sample;
}

std::ostream& operator<<(std::ostream& out, const MemorySample& sample) {
    return out << "working set " << Kb(sample.workingSet) << " KB, private "
               << Kb(sample.privateBytes) << " KB";
}

void ExpectFlatMemory(const char* what, const MemorySample& warm, const MemorySample& end) {
    std::cout << "[ memory   ] " << what << " after warm-up: " << warm << "\n"
              << "[ memory   ] " << what << " at the end:    " << end << std::endl;
    // A zero would mean the system gave no figures, and the comparison below nothing.
    EXPECT_GT(warm.workingSet, 0u);
    EXPECT_GT(warm.privateBytes, 0u);
    EXPECT_LE(end.workingSet, warm.workingSet + kMemoryTolerance)
        << "working set grew by " << Kb(end.workingSet - warm.workingSet) << " KB";
    EXPECT_LE(end.privateBytes, warm.privateBytes + kMemoryTolerance)
        << "private memory grew by " << Kb(end.privateBytes - warm.privateBytes) << " KB";
}
