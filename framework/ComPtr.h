// Releases a COM interface when it goes out of scope.
#pragma once

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** Out() { return &pointer_; }
    void Reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }
    T* operator->() const { return pointer_; }
    T* Get() const { return pointer_; }

private:
    T* pointer_ = nullptr;
};
