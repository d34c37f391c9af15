#include "HandleCounts.h"

#include <array>
#include <cstddef>

namespace HandleCounts {
namespace {
std::array<long, static_cast<std::size_t>(HandleKind::Count_)>& Table() {
    static std::array<long, static_cast<std::size_t>(HandleKind::Count_)> counts{};
    return counts;
}
}  // namespace

long Live(HandleKind kind) { return Table()[static_cast<std::size_t>(kind)]; }
void Acquired(HandleKind kind) { ++Table()[static_cast<std::size_t>(kind)]; }
void Released(HandleKind kind) { --Table()[static_cast<std::size_t>(kind)]; }
}  // namespace HandleCounts
