#pragma once
// Height-balanced name trees of symbols. Names are ordered by the model's one name
// comparator; the shape of a tree after a sequence of inserts is fixed, because the order
// in which files list symbols follows it.

#include <vector>

#include "model/symbol.h"

namespace zeph {

// A new node: all zero, balance even, CanDelete 1. Null when memory is exhausted.
Symbol* SymTreeNewNode();
// The node of that name, or null.
Symbol* SymTreeFind(Symbol* root, const char* name);
// Links the node into the tree and rebalances; null when inserted, else the node that
// already has the name (the tree is then unchanged and the node stays the caller's).
Symbol* SymTreeInsert(Symbol** root, Symbol* node);
// Puts newNode where the node named like oldNode is: it takes over the links and balance.
// 0, or -1 when no node of that name is in the tree. The replaced node is left as it is.
int SymTreeReplace(Symbol** root, Symbol* newNode, const Symbol* oldNode);
// Post-order release: frees every node, or with a collect list pushes each onto its front
// (chained through Right). The root is null afterwards.
void SymTreeFreeAll(Symbol** root, Symbol** collect);

// Visits every node (deleted ones too) in post-order: left, right, node. The visitor may
// not change the tree's shape.
template <class F>
void SymTreeWalkPostOrder(Symbol* node, F&& visit) {
  if (node == nullptr) return;
  SymTreeWalkPostOrder(node->Left, visit);
  SymTreeWalkPostOrder(node->Right, visit);
  visit(*node);
}

// Steps through a tree in post-order (left, right, node), deleted nodes too, holding only
// the path from the root. The tree's shape may not change while it steps.
class SymTreePostOrderCursor {
 public:
  explicit SymTreePostOrderCursor(Symbol* root);
  // The next node, or null after the last.
  Symbol* Next();

 private:
  // Goes down from the node to the first node of its subtree in post-order.
  void Descend(Symbol* node);
  std::vector<Symbol*> path_;
};

// Pre-order (node, left, right); stops and returns the first node the predicate accepts.
template <class P>
Symbol* SymTreeFindPreOrder(Symbol* node, P&& accept) {
  if (node == nullptr) return nullptr;
  if (accept(*node)) return node;
  if (Symbol* s = SymTreeFindPreOrder(node->Left, accept)) return s;
  return SymTreeFindPreOrder(node->Right, accept);
}

}  // namespace zeph
