// Live counts of the handles the framework's wrappers own, so tests can prove that
// nothing leaks (under Wine the system's own GDI counters always answer 0).
#pragma once

enum class HandleKind { GdiObject, Window, Timer, Hotkey, Count_ };

namespace HandleCounts {
long Live(HandleKind kind);
void Acquired(HandleKind kind);
void Released(HandleKind kind);
}  // namespace HandleCounts
