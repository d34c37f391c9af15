#include "Menus.h"

#include <algorithm>

#include "Reader.h"

namespace {
HWND popupMenuOwner = nullptr;
}

void SetPopupMenuOwner(HWND window) { popupMenuOwner = window; }

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    if (parent_) parent_->Remove(this);
}

void TMenuItem::Click() {
    if (Enabled && OnClick) OnClick(this);
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parent_ = nullptr;
}

void TMenuItem::ReadChild(TComponent* child) {
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item) return TComponent::ReadChild(child);
    Add(item);
}

bool TMenuItem::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Caption") SetCaption(value.AsString());
    else if (name == "Default") SetDefault(value.AsBoolean());
    else if (name == "Enabled") Enabled = value.AsBoolean();
    else if (name == "Visible") Visible = value.AsBoolean();
    else if (name == "Checked") Checked = value.AsBoolean();
    else if (name == "OnClick") OnClick = reader.NotifyMethod(value);
    else return TComponent::SetProperty(name, value, reader);
    return true;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
    // The items are components of the form; they only leave this menu.
    while (items_.Count() > 0) items_.Remove(items_.Items(items_.Count() - 1));
}

void TPopupMenu::ReadChild(TComponent* child) { items_.ReadChild(child); }

namespace {
struct MenuHandle {
    HMENU handle = CreatePopupMenu();
    ~MenuHandle() {
        if (handle) DestroyMenu(handle);
    }
};
}  // namespace

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    MenuHandle menu;
    for (int i = 0; i < items_.Count(); ++i) {
        TMenuItem* item = items_.Items(i);
        if (!item->Visible) continue;
        if (item->IsSeparator()) {
            AppendMenuA(menu.handle, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu.handle,
                    MF_STRING | (item->Enabled ? 0 : MF_GRAYED) | (item->Checked ? MF_CHECKED : 0),
                    UINT_PTR(i + 1), item->Caption().c_str());
        if (item->Default()) SetMenuDefaultItem(menu.handle, UINT(i + 1), FALSE);
    }
    HWND owner = popupMenuOwner;
    UINT align = Alignment == TPopupAlignment::paRight    ? TPM_RIGHTALIGN
                 : Alignment == TPopupAlignment::paCenter ? TPM_CENTERALIGN
                                                          : TPM_LEFTALIGN;
    UINT chosen = UINT(TrackPopupMenu(menu.handle, align | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y,
                                      0, owner, nullptr));
    if (chosen >= 1 && int(chosen) <= items_.Count()) items_.Items(int(chosen) - 1)->Click();
}

bool TPopupMenu::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "AutoPopup") AutoPopup = value.AsBoolean();
    else if (name == "Alignment")
        Alignment = TPopupAlignment(value.AsEnum({"paLeft", "paRight", "paCenter"}));
    else if (name == "MenuAnimation")
        return value.kind == TPropValue::Kind::Set;  // the system animates its menus itself
    else if (name == "OnPopup") OnPopup = reader.NotifyMethod(value);
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
