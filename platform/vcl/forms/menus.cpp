#include "vcl/forms/menus.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/qt_text.h"
#include "vcl/system/exception.h"

std::string StripHotkey(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') text += '&', ++i;
            continue;
        }
        text += caption[i];
    }
    return text;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
    EnsureQtApplication();
    action_ = new QAction();
    QObject::connect(action_, &QAction::triggered, [this] { RunGuarded(this, [this] { Click(); }); });
}

TMenuItem::~TMenuItem() {
    Clear();
    if (parent_ != nullptr) parent_->Remove(this);
    delete subMenu_.data();
    delete action_.data();
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    UpdateAction();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    shortCut_ = shortCut;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateAction();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    UpdateAction();
}

void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    UpdateAction();
}

void TMenuItem::UpdateAction() {
    action_->setSeparator(IsLine());
    action_->setText(ToQString(caption_));
    action_->setShortcut(QKeySequence(QtKeyOfShortCut(shortCut_)));
    action_->setEnabled(enabled_);
    action_->setCheckable(checked_);
    action_->setChecked(checked_);
    action_->setVisible(visible_);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item == nullptr || item == this) return;
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    if (item->parent_ != nullptr) item->parent_->Remove(item);
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    QMenu* menu = SubMenu();
    QAction* before = index + 1 < Count() ? items_[static_cast<size_t>(index) + 1]->Action() : nullptr;
    menu->insertAction(before, item->Action());
    if (menu_ != nullptr) menu_->ItemsChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return;
    items_.erase(found);
    item->parent_ = nullptr;
    if (subMenu_) subMenu_->removeAction(item->Action());
    if (items_.empty() && subMenu_ && menu_ == nullptr) action_->setMenu(nullptr);
    if (menu_ != nullptr) menu_->ItemsChanged();
}

void TMenuItem::Delete(int index) { Free(Items(index)); }

void TMenuItem::Clear() {
    while (!items_.empty()) Free(items_.back());
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    for (TMenuItem* item : items_) {
        if (StripHotkey(item->Caption()) == StripHotkey(caption)) return item;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (enabled_ && onClick_) onClick_(this);
}

void TMenuItem::SetParentComponent(TComponent* outer) {
    if (auto* menu = dynamic_cast<TMenu*>(outer)) menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(outer)) item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
    return parent_;
}

QMenu* TMenuItem::SubMenu() {
    if (!subMenu_) {
        subMenu_ = new QMenu();
        if (menu_ == nullptr) action_->setMenu(subMenu_);
    }
    return subMenu_;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    items_->menu_ = nullptr;
    Free(items_);
}

void TMainMenu::ItemsChanged() {
    if (onItemsChanged_) onItemsChanged_(this);
}

void TPopupMenu::Popup(int32_t x, int32_t y) {
    if (onPopup_) onPopup_(this);
    Items()->SubMenu()->popup(QPoint(x, y));
}
