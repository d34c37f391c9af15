#include "MethodThunk.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "Application.h"
#include "Exceptions.h"

namespace {

std::vector<unsigned char> MachineCode(const void* context, const void* target) {
    std::vector<unsigned char> code;
    auto append = [&code](const void* bytes, size_t size) {
        const auto* begin = static_cast<const unsigned char*>(bytes);
        code.insert(code.end(), begin, begin + size);
    };
    auto contextValue = reinterpret_cast<std::uintptr_t>(context);
    auto targetValue = reinterpret_cast<std::uintptr_t>(target);
#if defined(_M_X64) || defined(__x86_64__)
    // mov rcx, context (the window handle gives way to it); mov rax, target; jmp rax
    code = {0x48, 0xB9};
    append(&contextValue, 8);
    code.insert(code.end(), {0x48, 0xB8});
    append(&targetValue, 8);
    code.insert(code.end(), {0xFF, 0xE0});
#elif defined(_M_IX86) || defined(__i386__)
    // mov dword ptr [esp+4], context; mov eax, target; jmp eax
    code = {0xC7, 0x44, 0x24, 0x04};
    append(&contextValue, 4);
    code.push_back(0xB8);
    append(&targetValue, 4);
    code.insert(code.end(), {0xFF, 0xE0});
#else
#error "method thunks are written for x86 and x86-64"
#endif
    return code;
}

}  // namespace

MethodThunk::MethodThunk(THandler handler) : handler_(std::move(handler)) {
    std::vector<unsigned char> code =
        MachineCode(this, reinterpret_cast<const void*>(&MethodThunk::Entry));
    code_ = VirtualAlloc(nullptr, code.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!code_) throw EInvalidOperation("Speicher für Fensterprozedur nicht verfügbar");
    std::memcpy(code_, code.data(), code.size());
    DWORD previous = 0;
    if (!VirtualProtect(code_, code.size(), PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(code_, 0, MEM_RELEASE);
        throw EInvalidOperation("Fensterprozedur kann nicht ausführbar gemacht werden");
    }
    FlushInstructionCache(GetCurrentProcess(), code_, code.size());
}

MethodThunk::~MethodThunk() { VirtualFree(code_, 0, MEM_RELEASE); }

LRESULT CALLBACK MethodThunk::Entry(MethodThunk* self, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchGuarded(msg, wParam, lParam, self->handler_);
}
