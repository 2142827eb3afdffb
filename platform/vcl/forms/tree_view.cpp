#include "vcl/forms/tree_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/image_list.h"
#include "vcl/forms/qt_text.h"
#include "vcl/system/exception.h"

namespace {

[[noreturn]] void BadIndex(int index) { throw EListError("List index out of bounds (" + std::to_string(index) + ")"); }

}  // namespace

// TTreeNode

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, int index, const std::string& text, TObject* data)
    : owner_(owner), parent_(parent), item_(new QTreeWidgetItem), text_(text), data_(data) {
    item_->setText(0, ToQString(text));
    item_->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    QTreeWidget* tree = owner_->View().TreeWidget();
    if (parent_ != nullptr)
        parent_->item_->insertChild(index, item_);
    else
        tree->insertTopLevelItem(index, item_);
}

TTreeNode::~TTreeNode() {
    while (!children_.empty()) delete children_.back();
    auto& siblings = owner_->SiblingsOf(parent_);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    delete item_;
}

void TTreeNode::SetText(const std::string& text) {
    text_ = text;
    item_->setText(0, ToQString(text));
}

void TTreeNode::SetImageIndex(int32_t index) {
    imageIndex_ = index;
    UpdateImage();
}

void TTreeNode::SetSelectedIndex(int32_t index) {
    selectedIndex_ = index;
    UpdateImage();
}

void TTreeNode::UpdateImage() {
    const TImageList* images = owner_->View().Images();
    item_->setIcon(0, images == nullptr ? QIcon() : images->Icon(Selected() ? selectedIndex_ : imageIndex_));
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int index) const {
    if (index < 0 || index >= Count()) BadIndex(index);
    return children_[static_cast<size_t>(index)];
}

int TTreeNode::Index() const {
    const auto& siblings = owner_->SiblingsOf(parent_);
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (const TTreeNode* n = owner_->GetFirstNode(); n != nullptr && n != this; n = n->GetNext()) ++index;
    return index;
}

TTreeNode* TTreeNode::GetFirstChild() const { return children_.empty() ? nullptr : children_.front(); }

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = owner_->SiblingsOf(parent_);
    const size_t next = static_cast<size_t>(Index()) + 1;
    return next < siblings.size() ? siblings[next] : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int index = Index();
    return index > 0 ? owner_->SiblingsOf(parent_)[static_cast<size_t>(index) - 1] : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front();
    for (const TTreeNode* n = this; n != nullptr; n = n->parent_) {
        if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
    }
    return nullptr;
}

bool TTreeNode::Expanded() const { return item_->isExpanded(); }

void TTreeNode::SetExpanded(bool expanded) { item_->setExpanded(expanded); }

void TTreeNode::Expand(bool recurse) {
    item_->setExpanded(true);
    if (recurse) {
        for (TTreeNode* child : children_) child->Expand(true);
    }
}

void TTreeNode::Collapse(bool recurse) {
    item_->setExpanded(false);
    if (recurse) {
        for (TTreeNode* child : children_) child->Collapse(true);
    }
}

bool TTreeNode::Selected() const { return owner_->View().TreeWidget()->currentItem() == item_; }

void TTreeNode::SetSelected(bool selected) {
    if (selected)
        owner_->View().SetSelected(this);
    else if (Selected())
        owner_->View().SetSelected(nullptr);
}

void TTreeNode::MakeVisible() {
    for (TTreeNode* p = parent_; p != nullptr; p = p->parent_) p->SetExpanded(true);
    owner_->View().TreeWidget()->scrollToItem(item_);
}

void TTreeNode::Delete() { delete this; }

void TTreeNode::DeleteChildren() {
    while (!children_.empty()) delete children_.back();
}

// TTreeNodes

TTreeNodes::~TTreeNodes() { Clear(); }

int TTreeNodes::Count() const {
    int count = 0;
    for (const TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext()) ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
    TTreeNode* node = index >= 0 ? GetFirstNode() : nullptr;
    for (int i = 0; node != nullptr && i < index; ++i) node = node->GetNext();
    if (node == nullptr) BadIndex(index);
    return node;
}

TTreeNode* TTreeNodes::Make(TTreeNode* parent, int index, const std::string& text, TObject* data) {
    auto* node = new TTreeNode(this, parent, index, text, data);
    auto& siblings = SiblingsOf(parent);
    siblings.insert(siblings.begin() + index, node);
    node->UpdateImage();
    return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, TObject* data) {
    TTreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
    return Make(parent, static_cast<int>(SiblingsOf(parent).size()), text, data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, TObject* data) {
    return Make(parent, static_cast<int>(SiblingsOf(parent).size()), text, data);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (sibling == nullptr) return AddObject(nullptr, text, nullptr);
    return Make(sibling->Parent(), sibling->Index(), text, nullptr);
}

void TTreeNodes::Clear() {
    while (!roots_.empty()) delete roots_.back();
}

void TTreeNodes::BeginUpdate() {
    if (updating_++ == 0) view_.TreeWidget()->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) view_.TreeWidget()->setUpdatesEnabled(true);
}

// TTreeView

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner, MakeWidget<QTreeWidget>()), tree_(static_cast<QTreeWidget*>(Widget())) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIndentation(indent_);
    QObject::connect(tree_, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        UpdateImages();
        if (onChange_) RunGuarded(this, [&] { onChange_(this, NodeOf(current)); });
    });
}

TTreeView::~TTreeView() { items_.Clear(); }

TTreeNode* TTreeView::NodeOf(const QTreeWidgetItem* item) const {
    if (item == nullptr) return nullptr;
    return reinterpret_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<quintptr>());
}

TTreeNode* TTreeView::Selected() const { return NodeOf(tree_->currentItem()); }

void TTreeView::SetSelected(TTreeNode* node) {
    tree_->setCurrentItem(node == nullptr ? nullptr : node->item_);
    if (node == nullptr) tree_->clearSelection();
}

TTreeNode* TTreeView::GetNodeAt(int32_t x, int32_t y) const { return NodeOf(tree_->itemAt(x, y)); }

void TTreeView::FullExpand() {
    for (TTreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNext()) n->SetExpanded(true);
}

void TTreeView::FullCollapse() {
    for (TTreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNext()) n->SetExpanded(false);
}

void TTreeView::SetImages(TImageList* images) {
    images_ = images;
    if (images != nullptr) images->FreeNotification(this);
    UpdateImages();
}

void TTreeView::SetIndent(int32_t indent) {
    indent_ = indent;
    tree_->setIndentation(indent);
}

void TTreeView::UpdateImages() {
    for (TTreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNext()) n->UpdateImage();
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        UpdateImages();
    }
}

bool TTreeView::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        TWinControl::WidgetEvent(event);
        if (rightClickSelect_) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (TTreeNode* node = GetNodeAt(at.x(), at.y())) SetSelected(node);
        }
        return true;  // Qt would select; the class library selects only when asked
    }
    return TWinControl::WidgetEvent(event);
}
