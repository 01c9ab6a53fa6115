// Balanced name trees: insertion with the AVL rotations, exact search, replacement of a
// node in place and release of a whole tree.

#include "model/symtree.h"

#include <new>

#include "foundation/kvassert.h"
#include "model/name_compare.h"

namespace zeph {
namespace {

// Rebalances after the right subtree of `*link` grew; returns whether `*link` grew.
bool RightGrew(Symbol** link) {
  Symbol* node = *link;
  switch (node->Bal) {
    case Balance::LeftHigher:
      node->Bal = Balance::Even;
      return false;
    case Balance::Even:
      node->Bal = Balance::RightHigher;
      return true;
    case Balance::RightHigher:
      break;
  }
  Symbol* r = node->Right;
  Symbol* top;
  if (r->Bal == Balance::RightHigher) {
    node->Right = r->Left;
    r->Left = node;
    node->Bal = Balance::Even;
    top = r;
  } else {
    Symbol* g = r->Left;
    node->Right = g->Left;
    r->Left = g->Right;
    g->Left = node;
    g->Right = r;
    node->Bal = (g->Bal == Balance::RightHigher) ? Balance::LeftHigher : Balance::Even;
    r->Bal = (g->Bal == Balance::LeftHigher) ? Balance::RightHigher : Balance::Even;
    top = g;
  }
  top->Bal = Balance::Even;
  *link = top;
  return false;
}

// Mirror image of RightGrew.
bool LeftGrew(Symbol** link) {
  Symbol* node = *link;
  switch (node->Bal) {
    case Balance::RightHigher:
      node->Bal = Balance::Even;
      return false;
    case Balance::Even:
      node->Bal = Balance::LeftHigher;
      return true;
    case Balance::LeftHigher:
      break;
  }
  Symbol* l = node->Left;
  Symbol* top;
  if (l->Bal == Balance::LeftHigher) {
    node->Left = l->Right;
    l->Right = node;
    node->Bal = Balance::Even;
    top = l;
  } else {
    Symbol* g = l->Right;
    node->Left = g->Right;
    l->Right = g->Left;
    g->Right = node;
    g->Left = l;
    node->Bal = (g->Bal == Balance::LeftHigher) ? Balance::RightHigher : Balance::Even;
    l->Bal = (g->Bal == Balance::RightHigher) ? Balance::LeftHigher : Balance::Even;
    top = g;
  }
  top->Bal = Balance::Even;
  *link = top;
  return false;
}

// Returns whether the subtree at `link` grew; `found` receives an existing node of the name.
bool InsertAt(Symbol** link, Symbol* fresh, Symbol** found) {
  Symbol* node = *link;
  if (node == nullptr) {
    *link = fresh;
    return true;
  }
  int cmp = CompareNames(node->Name, fresh->Name);
  if (cmp == 0) {
    *found = node;
    return false;
  }
  if (cmp < 0) {
    return InsertAt(&node->Right, fresh, found) && RightGrew(link);
  }
  return InsertAt(&node->Left, fresh, found) && LeftGrew(link);
}

void FreeSubtree(Symbol* node, Symbol** collect) {
  if (node == nullptr) return;
  FreeSubtree(node->Left, collect);
  FreeSubtree(node->Right, collect);
  if (collect != nullptr) {
    node->Left = nullptr;
    node->Right = *collect;
    *collect = node;
  } else {
    delete node;
  }
}

}  // namespace

Symbol* SymTreeNewNode() {
  Symbol* node = new (std::nothrow) Symbol();
  if (node != nullptr) node->CanDelete = 1;
  return node;
}

Symbol* SymTreeFind(Symbol* root, const char* name) {
  Symbol* node = root;
  while (node != nullptr) {
    int cmp = CompareNames(node->Name, name);
    if (cmp == 0) return node;
    node = (cmp < 0) ? node->Right : node->Left;
  }
  return nullptr;
}

Symbol* SymTreeInsert(Symbol** root, Symbol* node) {
  if (!KV_ASSERT(root != nullptr && node != nullptr)) return nullptr;
  node->Left = nullptr;
  node->Right = nullptr;
  node->Bal = Balance::Even;
  Symbol* found = nullptr;
  InsertAt(root, node, &found);
  return found;
}

int SymTreeReplace(Symbol** root, Symbol* newNode, const Symbol* oldNode) {
  if (root == nullptr || newNode == nullptr || oldNode == nullptr) return -1;
  Symbol** link = root;
  while (*link != nullptr) {
    Symbol* node = *link;
    int cmp = CompareNames(node->Name, oldNode->Name);
    if (cmp == 0) {
      newNode->Left = node->Left;
      newNode->Right = node->Right;
      newNode->Bal = node->Bal;
      *link = newNode;
      return 0;
    }
    link = (cmp < 0) ? &node->Right : &node->Left;
  }
  return -1;
}

void SymTreeFreeAll(Symbol** root, Symbol** collect) {
  if (root == nullptr) return;
  FreeSubtree(*root, collect);
  *root = nullptr;
}

SymTreePostOrderCursor::SymTreePostOrderCursor(Symbol* root) { Descend(root); }

void SymTreePostOrderCursor::Descend(Symbol* node) {
  while (node != nullptr) {
    path_.push_back(node);
    node = node->Left != nullptr ? node->Left : node->Right;
  }
}

Symbol* SymTreePostOrderCursor::Next() {
  if (path_.empty()) return nullptr;
  Symbol* node = path_.back();
  path_.pop_back();
  // Coming up from a left subtree, the parent's right subtree comes before the parent.
  if (!path_.empty() && path_.back()->Left == node) Descend(path_.back()->Right);
  return node;
}

}  // namespace zeph
