#pragma once
// Menus: TMenuItem, TMainMenu (a form's menu bar) and TPopupMenu, over Qt
// actions and menus.
//
// - A caption "-" makes a separator; "&" marks the access key.
// - An item with sub-items opens them as a sub-menu; Click() on it fires
//   only its OnClick. A disabled item's Click does nothing.
// - Items nested in a menu in a form declaration attach themselves to the
//   menu or item they are declared in.
// - Freeing an item frees its sub-items.

#include <QPointer>
#include <string>
#include <vector>

#include "vcl/classes/component.h"
#include "vcl/classes/events.h"
#include "vcl/forms/keys.h"

class QAction;
class QMenu;
class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    int Count() const { return static_cast<int>(items_.size()); }
    // EListError for a bad index.
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    // Frees the item at `index`.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // The first sub-item with that caption, "&" ignored; nullptr if none.
    TMenuItem* Find(const std::string& caption) const;

    // Fires OnClick when enabled.
    virtual void Click();
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent h) { onClick_ = std::move(h); }

    void SetParentComponent(TComponent* outer) override;
    TComponent* GetParentComponent() const override;

    QAction* Action() const { return action_; }
    // The sub-menu (made on first use).
    QMenu* SubMenu();

private:
    friend class TMenu;
    void UpdateAction();

    QPointer<QAction> action_;
    QPointer<QMenu> subMenu_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // for the root item of a menu
    std::vector<TMenuItem*> items_;
    std::string caption_;
    TShortCut shortCut_ = 0;
    bool enabled_ = true, checked_ = false, visible_ = true;
    std::string hint_;
    TNotifyEvent onClick_;
};

class TMenu : public TComponent {
public:
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }
    // The top-level items (the root's sub-items).
    TMenuItem* Items() const { return items_; }
    // Called when the items change, so that a menu bar can rebuild.
    virtual void ItemsChanged() {}

protected:
    explicit TMenu(TComponent* owner);

private:
    TMenuItem* items_;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    std::string ClassName() const override { return "TMainMenu"; }
    void ItemsChanged() override;
    // Told by the form whose Menu this is.
    void SetOnItemsChanged(TNotifyEvent h) { onItemsChanged_ = std::move(h); }

private:
    TNotifyEvent onItemsChanged_;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    std::string ClassName() const override { return "TPopupMenu"; }
    // Fires OnPopup and opens the menu at the screen point.
    void Popup(int32_t x, int32_t y);
    const TNotifyEvent& OnPopup() const { return onPopup_; }
    void SetOnPopup(TNotifyEvent h) { onPopup_ = std::move(h); }

private:
    TNotifyEvent onPopup_;
};

// "&File" without its access-key marks ("&&" stays one "&").
std::string StripHotkey(const std::string& caption);
