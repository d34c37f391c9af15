// Popup menus: items with captions, check marks, click handlers and a default item,
// shown at a screen point as a system popup menu.
#pragma once

#include <windows.h>

#include <vector>

#include "Component.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool IsSeparator() const { return caption_ == "-"; }
    TNotifyEvent OnClick;
    virtual void Click();

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(size_t(index)); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }

    void ReadChild(TComponent* child) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

private:
    std::string caption_;
    bool default_ = false;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TMenuItem& Items() { return items_; }
    bool AutoPopup = true;
    TPopupAlignment Alignment = TPopupAlignment::paLeft;
    // The component whose action opened the menu last.
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

    // Shows the menu at a screen point and runs the chosen item's click.
    virtual void Popup(int x, int y);

    void ReadChild(TComponent* child) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

private:
    TMenuItem items_{nullptr};
};

// The window that owns a popup menu while it shows: the application's, set as the
// application makes its window and cleared as it destroys it.
void SetPopupMenuOwner(HWND window);
