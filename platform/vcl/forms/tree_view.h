#pragma once
// TTreeView with its TTreeNodes and TTreeNode, over a Qt tree widget.
//
// - Nodes are owned by the view's Items; deleting a node deletes the nodes
//   below it. Data is the node's object (never owned).
// - Items' absolute order (Item(i), GetFirstNode, GetNext) is tree order:
//   depth first, a parent before its children, children in order.
// - Node images come from the view's Images: ImageIndex normally,
//   SelectedIndex while the node is selected.
// - OnChange fires when the selected node changes, the program's changes
//   included; OnClick and OnDblClick come from the mouse.

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/classes/component.h"
#include "vcl/forms/control.h"

class QTreeWidget;
class QTreeWidgetItem;
class TTreeNodes;
class TTreeView;
class TImageList;

class TTreeNode : public TPersistent {
public:
    ~TTreeNode() override;
    std::string ClassName() const override { return "TTreeNode"; }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    TObject* Data() const { return data_; }
    void SetData(TObject* data) { data_ = data; }
    int32_t ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int32_t index);
    int32_t SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int32_t index);

    TTreeNode* Parent() const { return parent_; }
    // 0 for top-level nodes.
    int Level() const;
    int Count() const { return static_cast<int>(children_.size()); }
    bool HasChildren() const { return !children_.empty(); }
    // EListError for a bad index.
    TTreeNode* Item(int index) const;
    // Position among its siblings.
    int Index() const;
    // Position in tree order among all nodes.
    int AbsoluteIndex() const;
    TTreeNode* GetFirstChild() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in tree order, nullptr after the last.
    TTreeNode* GetNext() const;

    bool Expanded() const;
    void SetExpanded(bool expanded);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool selected);
    void MakeVisible();
    // Deletes the node and everything below it.
    void Delete();
    void DeleteChildren();
    TTreeNodes* Owner() const { return owner_; }

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, int index, const std::string& text, TObject* data);
    void UpdateImage();

    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::vector<TTreeNode*> children_;
    QTreeWidgetItem* item_;
    std::string text_;
    TObject* data_;
    int32_t imageIndex_ = -1;
    int32_t selectedIndex_ = -1;
};

class TTreeNodes : public TPersistent {
public:
    explicit TTreeNodes(TTreeView& view) : view_(view) {}
    ~TTreeNodes() override;
    std::string ClassName() const override { return "TTreeNodes"; }

    // The number of all nodes.
    int Count() const;
    // The node at that place in tree order; EListError for a bad index.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front(); }

    // A new last sibling of `sibling` (a new last top-level node when
    // `sibling` is nullptr).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text) { return AddObject(sibling, text, nullptr); }
    TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, TObject* data);
    // A new last child of `parent` (top level when nullptr).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, TObject* data);
    // A new node before `sibling` (at the end of the top level when nullptr).
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node) { node->Delete(); }
    void Clear();
    void BeginUpdate();
    void EndUpdate();

    TTreeView& View() const { return view_; }
    const std::vector<TTreeNode*>& Roots() const { return roots_; }

private:
    friend class TTreeNode;
    TTreeNode* Make(TTreeNode* parent, int index, const std::string& text, TObject* data);
    std::vector<TTreeNode*>& SiblingsOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }

    TTreeView& view_;
    std::vector<TTreeNode*> roots_;
    int updating_ = 0;
};

using TTVChangedEvent = TMethod<TObject* /*Sender*/, TTreeNode* /*Node*/>;

class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;
    std::string ClassName() const override { return "TTreeView"; }

    TTreeNodes* Items() { return &items_; }
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    // The node at the point (client coordinates), nullptr for none.
    TTreeNode* GetNodeAt(int32_t x, int32_t y) const;
    void FullExpand();
    void FullCollapse();

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    int32_t Indent() const { return indent_; }
    void SetIndent(int32_t indent);
    bool RightClickSelect() const { return rightClickSelect_; }
    void SetRightClickSelect(bool select) { rightClickSelect_ = select; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide) { hideSelection_ = hide; }

    const TTVChangedEvent& OnChange() const { return onChange_; }
    void SetOnChange(TTVChangedEvent h) { onChange_ = std::move(h); }

    QTreeWidget* TreeWidget() const { return tree_; }
    // The node of a Qt item.
    TTreeNode* NodeOf(const QTreeWidgetItem* item) const;
    // Called when a node's image or the selection changes.
    void UpdateImages();

protected:
    bool WidgetEvent(QEvent* event) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    QTreeWidget* tree_;
    TTreeNodes items_{*this};
    TImageList* images_ = nullptr;
    bool readOnly_ = false;
    int32_t indent_ = 19;
    bool rightClickSelect_ = false;
    bool hideSelection_ = true;
    TTVChangedEvent onChange_;
};
