#include "Icon.h"

#include "Exceptions.h"
#include "HandleCounts.h"

void TIcon::Release() {
    if (!handle_) return;
    DestroyIcon(handle_);
    HandleCounts::Released(HandleKind::GdiObject);
    handle_ = nullptr;
}

void TIcon::SetHandle(HICON handle) {
    if (handle == handle_) return;
    Release();
    handle_ = handle;
    if (handle_) HandleCounts::Acquired(HandleKind::GdiObject);
    if (OnChange) OnChange();
}

void TIcon::Assign(const TIcon& other) {
    SetHandle(other.handle_ ? CopyIcon(other.handle_) : nullptr);
}

void TIcon::LoadFromResourceName(const std::string& name) {
    HANDLE loaded = LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON,
                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
    if (!loaded) throw EReadError(FormatMessageText("Ressource %s nicht gefunden", name));
    SetHandle(static_cast<HICON>(loaded));
}
