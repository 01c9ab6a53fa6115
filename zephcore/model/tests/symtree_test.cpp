#include "model/symtree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "modeltest_util.h"

namespace zeph {
namespace {

using test::InOrder;
using test::PostOrder;

// A tree built from names, freed at the end.
struct Tree {
  Symbol* root = nullptr;
  ~Tree() { SymTreeFreeAll(&root, nullptr); }
  Symbol* Add(const char* name) {
    Symbol* node = SymTreeNewNode();
    std::strcpy(node->Name, name);
    Symbol* existing = SymTreeInsert(&root, node);
    if (existing != nullptr) delete node;
    return existing;
  }
  void AddAll(std::initializer_list<const char*> names) {
    for (const char* n : names) Add(n);
  }
};

TEST(SymTree, NewNodeIsEvenAndDeletable) {
  Symbol* node = SymTreeNewNode();
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->Bal, Balance::Even);
  EXPECT_EQ(node->CanDelete, 1);
  EXPECT_EQ(node->Left, nullptr);
  EXPECT_EQ(node->Right, nullptr);
  EXPECT_EQ(node->Name[0], 0);
  delete node;
}

// The shape after a sequence of inserts decides the order of symbols in files.
TEST(SymTree, ShapeAfterInsertSequences) {
  struct Case {
    std::initializer_list<const char*> names;
    const char* postOrder;
  } cases[] = {
      {{"A", "B", "C"}, "A:1 C:1 B:1"},                          // single left rotation
      {{"C", "B", "A"}, "A:1 C:1 B:1"},                          // single right rotation
      {{"C", "A", "B"}, "A:1 C:1 B:1"},                          // double rotation
      {{"A", "C", "B"}, "A:1 C:1 B:1"},                          // mirrored double rotation
      {{"a", "b", "c", "d", "e", "f", "g"}, "a:1 c:1 b:1 e:1 g:1 f:1 d:1"},
      {{"m", "c", "x", "a", "e", "d"}, "a:1 d:1 c:1 x:1 m:2 e:1"},  // double, grandchild left high
      {{"m", "c", "x", "a", "e", "f"}, "a:1 c:0 f:1 x:1 m:1 e:1"},  // double, grandchild right high
      {{"d", "b", "a"}, "a:1 d:1 b:1"},
      {{"b", "a", "d", "c"}, "a:1 c:1 d:0 b:2"},
  };
  for (const Case& c : cases) {
    Tree t;
    t.AddAll(c.names);
    EXPECT_EQ(PostOrder(t.root), c.postOrder);
  }
}

TEST(SymTree, OrderFollowsTheNameComparator) {
  Tree t;
  t.AddAll({"b", "B", "a", "A", "_z", "a1"});
  // Case-insensitive first, then bytes: "A" before "a", "_" before letters.
  EXPECT_EQ(InOrder(t.root), (std::vector<std::string>{"_z", "A", "a", "a1", "B", "b"}));
  EXPECT_NE(SymTreeFind(t.root, "a"), SymTreeFind(t.root, "A"));
  EXPECT_EQ(SymTreeFind(t.root, "c"), nullptr);
}

TEST(SymTree, DuplicateReturnsExistingAndLeavesTree) {
  Tree t;
  t.AddAll({"B", "A", "C"});
  Symbol* first = SymTreeFind(t.root, "A");
  std::string before = PostOrder(t.root);
  Symbol* dup = SymTreeNewNode();
  std::strcpy(dup->Name, "A");
  EXPECT_EQ(SymTreeInsert(&t.root, dup), first);
  EXPECT_EQ(PostOrder(t.root), before);
  delete dup;
}

TEST(SymTree, ReplaceTakesOverLinksAndBalance) {
  Tree t;
  t.AddAll({"B", "A", "C", "D"});
  Symbol* old = SymTreeFind(t.root, "C");
  Symbol* fresh = SymTreeNewNode();
  std::strcpy(fresh->Name, "C");
  ASSERT_EQ(SymTreeReplace(&t.root, fresh, old), 0);
  EXPECT_EQ(SymTreeFind(t.root, "C"), fresh);
  EXPECT_EQ(fresh->Right, old->Right);
  EXPECT_EQ(fresh->Bal, old->Bal);
  EXPECT_EQ(PostOrder(t.root), "A:1 D:1 C:2 B:2");
  delete old;

  Symbol* missing = SymTreeNewNode();
  std::strcpy(missing->Name, "Z");
  EXPECT_EQ(SymTreeReplace(&t.root, missing, missing), -1);
  EXPECT_EQ(PostOrder(t.root), "A:1 D:1 C:2 B:2");
  delete missing;
}

// The cursor gives the nodes in the order the recursive walk visits them, whatever the
// shape: lone left or right children, full subtrees, a single node, no node.
TEST(SymTree, PostOrderCursorFollowsTheWalk) {
  const std::initializer_list<const char*> sequences[] = {
      {}, {"a"}, {"b", "a"}, {"a", "b"}, {"a", "b", "c", "d", "e", "f", "g"},
      {"m", "c", "x", "a", "e", "d"}, {"m", "c", "x", "a", "e", "f", "z", "y", "b", "q"},
  };
  for (const auto& names : sequences) {
    Tree t;
    t.AddAll(names);
    std::vector<Symbol*> walked;
    SymTreeWalkPostOrder(t.root, [&](Symbol& s) { walked.push_back(&s); });
    std::vector<Symbol*> stepped;
    SymTreePostOrderCursor cursor(t.root);
    for (Symbol* s = cursor.Next(); s != nullptr; s = cursor.Next()) stepped.push_back(s);
    EXPECT_EQ(stepped, walked) << PostOrder(t.root);
    EXPECT_EQ(cursor.Next(), nullptr);
  }
}

TEST(SymTree, FreeAllCollectsInPostOrderFromTheEnd) {
  Tree t;
  t.AddAll({"d", "b", "f", "a", "c"});
  std::string post = PostOrder(t.root);  // a c b f d
  Symbol* list = nullptr;
  SymTreeFreeAll(&t.root, &list);
  EXPECT_EQ(t.root, nullptr);
  std::vector<std::string> names;
  while (list != nullptr) {
    Symbol* next = list->Right;
    names.insert(names.begin(), list->Name);
    delete list;
    list = next;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"a", "c", "b", "f", "d"}));
}

}  // namespace
}  // namespace zeph
