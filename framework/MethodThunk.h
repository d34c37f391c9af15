// An object's message handler made callable as a window procedure: a few bytes of code
// that put the handler's context in the first argument and jump to a common entry. The
// code lives in a page that is written once, then made execute-only, never both.
#pragma once

#include <windows.h>

#include <functional>

#include "Messages.h"

class MethodThunk {
public:
    using THandler = std::function<void(TMessage&)>;
    explicit MethodThunk(THandler handler);
    ~MethodThunk();
    MethodThunk(const MethodThunk&) = delete;
    MethodThunk& operator=(const MethodThunk&) = delete;

    WNDPROC Procedure() const { return reinterpret_cast<WNDPROC>(code_); }

private:
    static LRESULT CALLBACK Entry(MethodThunk* self, UINT msg, WPARAM wParam, LPARAM lParam);

    THandler handler_;
    void* code_ = nullptr;
};
