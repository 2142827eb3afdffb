#pragma once
// The table of contents between its outline form (TocList: one line per
// entry in tree order, one tab per nesting level before the entry's text,
// the entry's TTocObject attached) and the contents editor's tree view
// (each node's Data is its TTocObject).

#include "vcl/classes/strings.h"

class TTreeNode;
class TTreeNodes;

// Replaces the nodes with the outline's: node i gets line i's text (after
// its tabs) and object, and image 0 for a group, 1 for a topic. A line
// indented more than one level below the line before it is taken as one
// level below it, so that every line keeps its entry.
void LoadOutline(const TStrings& outline, TTreeNodes& nodes);

// Replaces the outline's lines by the nodes in tree order, line i with the
// object of node i. The objects pass to the outline unfreed.
void StoreOutline(const TTreeNodes& nodes, TStrings& outline);

// Gives `node` the image of its entry: 0 for a group, 1 for a topic, in the
// normal and the selected state.
void ShowEntryImage(TTreeNode& node);

// Frees the TTocObjects of `node` and of every node below it, then deletes
// those nodes.
void DeleteWithEntries(TTreeNode* node);
