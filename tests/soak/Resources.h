// What a long run must give back: the handles the framework's wrappers own and the
// process's memory, read at checkpoints and compared.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <ostream>
#include <string>

#include "HandleCounts.h"

// The live count of every kind of handle at one moment.
struct HandleSnapshot {
    std::array<long, size_t(HandleKind::Count_)> live{};

    static HandleSnapshot Take();
    long Of(HandleKind kind) const { return live[size_t(kind)]; }
    bool operator==(const HandleSnapshot&) const = default;
};
std::ostream& operator<<(std::ostream& out, const HandleSnapshot& snapshot);

// The process's memory as the system reports it. Under Wine the working set is the
// Linux resident set of the process and the private figure its anonymous part plus swap
// (the pagefile usage; Wine leaves the private usage itself at 0).
struct MemorySample {
    SIZE_T workingSet = 0;
    SIZE_T privateBytes = 0;

    static MemorySample Take();
};
std::ostream& operator<<(std::ostream& out, const MemorySample& sample);

// The growth allowed between the sample after the warm-up and the one at the end.
constexpr SIZE_T kMemoryTolerance = 512 * 1024;

// Prints both samples and checks that neither figure grew by more than the tolerance.
void ExpectFlatMemory(const char* what, const MemorySample& warm, const MemorySample& end);
