#include "dialogs/TocOutline.h"

#include <string>

#include "model/Globals.h"
#include "model/TOCObject.h"
#include "vcl/forms/tree_view.h"

namespace {

constexpr int kGroupImage = 0;
constexpr int kTopicImage = 1;

TTocObject* EntryOf(const TTreeNode& node) { return static_cast<TTocObject*>(node.Data()); }

}  // namespace

void ShowEntryImage(TTreeNode& node) {
    const TTocObject* entry = EntryOf(node);
    const int image = entry->IsGroup ? kGroupImage : kTopicImage;
    node.SetImageIndex(image);
    node.SetSelectedIndex(image);
}

void LoadOutline(const TStrings& outline, TTreeNodes& nodes) {
    nodes.BeginUpdate();
    nodes.Clear();
    TTreeNode* previous = nullptr;
    for (int i = 0; i < outline.Count(); ++i) {
        const std::string line = outline.Strings(i);
        const size_t tabs = line.find_first_not_of('\t');
        const int depth = static_cast<int>(tabs == std::string::npos ? line.size() : tabs);
        const std::string text = line.substr(static_cast<size_t>(depth));
        // The parent is the previous node when this line goes one level
        // deeper, else the previous node's ancestor at depth - 1.
        TTreeNode* parent = previous;
        while (parent != nullptr && parent->Level() >= depth) parent = parent->Parent();
        TTreeNode* node = nodes.AddChildObject(parent, text, TocAt(outline, i));
        ShowEntryImage(*node);
        previous = node;
    }
    nodes.EndUpdate();
}

void StoreOutline(const TTreeNodes& nodes, TStrings& outline) {
    outline.BeginUpdate();
    outline.Clear();
    for (TTreeNode* node = nodes.GetFirstNode(); node != nullptr; node = node->GetNext())
        outline.AddObject(std::string(static_cast<size_t>(node->Level()), '\t') + node->Text(), node->Data());
    outline.EndUpdate();
}

void DeleteWithEntries(TTreeNode* node) {
    // The subtree is the node and the nodes after it in tree order up to
    // the first one no deeper than the node.
    for (TTreeNode* n = node; n != nullptr && (n == node || n->Level() > node->Level()); n = n->GetNext()) {
        Free(EntryOf(*n));
        n->SetData(nullptr);
    }
    node->Delete();
}
