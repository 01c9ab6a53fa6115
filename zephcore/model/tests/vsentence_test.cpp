#include "model/vsentence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "modeltest_util.h"

namespace zeph {
namespace {

class Sentences : public ::testing::Test {
 protected:
  Sentences() {
    folder = test::AddVariable(t, "Folder", kTypeString, 0, 48);
    n1 = test::AddVariable(t, "N1", kTypeInteger);
    n2 = test::AddVariable(t, "N2", kTypeInteger);
  }

  // A component that refers to a variable (counted once), with details naming others.
  SentenceComponent* Component(int kind, Symbol* area, std::vector<Symbol*> details = {}) {
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = static_cast<std::int16_t>(kind);
    if (area) {
      c->RefFlag = 1;
      c->Area.Ref.S = area;
      UpdateReferenceCount(c->Area.Ref, 1);
    }
    int at = 0;
    for (Symbol* s : details) {
      ComponentDetail* d = NewComponentDetail();
      d->Flag2 = 1;
      d->Ref2.S = s;
      UpdateReferenceCount(d->Ref2, 1);
      if (c->Detail == nullptr) InsertComponentDetailAt(0, &c->Detail, d);
      else InsertComponentDetailAt(at++, &c->Detail, d);
    }
    return c;
  }

  static std::vector<int> Kinds(SentenceComponent* c) {
    std::vector<int> out;
    for (; c; c = c->Next) out.push_back(c->Kind);
    return out;
  }

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  Symbol* folder;
  Symbol* n1;
  Symbol* n2;
};

TEST_F(Sentences, InsertAndRemoveByPosition) {
  SentenceComponent* list = nullptr;
  EXPECT_EQ(InsertComponentAt(3, &list, Component(5, nullptr)), 0);   // empty list: first
  EXPECT_EQ(InsertComponentAt(0, &list, Component(4, nullptr)), 0);   // first
  EXPECT_EQ(InsertComponentAt(2, &list, Component(6, nullptr)), 0);   // after the 2nd
  EXPECT_EQ(InsertComponentAt(1, &list, Component(7, nullptr)), 0);   // after the 1st
  EXPECT_EQ(Kinds(list), (std::vector<int>{4, 7, 5, 6}));
  SentenceComponent* spare = Component(9, nullptr);
  EXPECT_EQ(InsertComponentAt(5, &list, spare), -1);
  delete spare;
  EXPECT_EQ(GetSentenceComponentAt(2, list)->Kind, 5);
  EXPECT_EQ(GetSentenceComponentAt(4, list), nullptr);
  RemoveSentenceComponent(4, &list);   // n equal to the count: nothing happens
  EXPECT_EQ(Kinds(list), (std::vector<int>{4, 7, 5, 6}));
  RemoveSentenceComponent(1, &list);
  RemoveSentenceComponent(0, &list);
  EXPECT_EQ(Kinds(list), (std::vector<int>{5, 6}));
  FreeSentenceComponents(list);
}

TEST_F(Sentences, RemovalReleasesReferences) {
  SentenceComponent* list = Component(0, folder, {n1, n2});
  EXPECT_EQ(folder->RefCnt, 1);
  EXPECT_EQ(n1->RefCnt, 1);
  EXPECT_EQ(n2->RefCnt, 1);
  RemoveSentenceComponent(0, &list);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(folder->RefCnt, 0);
  EXPECT_EQ(n1->RefCnt, 0);
  EXPECT_EQ(n2->RefCnt, 0);
}

TEST_F(Sentences, CopiesAreDeepAndCountedOncePerCopy) {
  SentenceComponent* list = Component(2, folder, {n1, n2});
  list->Text = std::string("note");
  list->Id = 12;
  InsertComponentAt(1, &list, Component(7, folder));
  SentenceComponent* copy = nullptr;
  ASSERT_EQ(CopySentenceComponents(list, &copy), 0);
  EXPECT_EQ(folder->RefCnt, 4);
  EXPECT_EQ(n1->RefCnt, 2);
  EXPECT_EQ(n2->RefCnt, 2);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Kinds(copy), (std::vector<int>{2, 7}));
  EXPECT_EQ(*copy->Text, "note");
  EXPECT_EQ(copy->Id, 12);
  // Every detail of the chain is copied, into new records.
  ASSERT_NE(copy->Detail, nullptr);
  ASSERT_NE(copy->Detail->Next, nullptr);
  EXPECT_NE(copy->Detail, list->Detail);
  EXPECT_EQ(copy->Detail->Next->Ref2.S, n2);
  EXPECT_EQ(copy->Next->Detail, nullptr);  // no detail in the source, none in the copy
  // Releasing the copy leaves the original's counts.
  ReleaseSentenceComponents(&copy);
  EXPECT_EQ(folder->RefCnt, 2);
  EXPECT_EQ(n1->RefCnt, 1);
  ReleaseSentenceComponents(&list);
  EXPECT_EQ(folder->RefCnt, 0);
  SentenceComponent dummy;
  SentenceComponent* none = &dummy;
  EXPECT_EQ(CopySentenceComponents(nullptr, &none), 0);
  EXPECT_EQ(none, nullptr);
}

TEST_F(Sentences, CopiedIndexReferencesOwnTheirMemory) {
  Symbol* arr = test::AddVariable(t, "Arr", kTypeString, 3, 48);
  SentenceComponent* c = NewSentenceComponent();
  c->RefFlag = 1;
  ParseVariableReference("Arr[2]", c->Area.Ref, AllTypesMask(), nullptr);
  ASSERT_EQ(c->Area.Ref.S, arr);
  UpdateReferenceCount(c->Area.Ref, 1);
  SentenceComponent* copy = nullptr;
  ASSERT_EQ(CopySentenceComponents(c, &copy), 0);
  EXPECT_NE(copy->Area.Ref.ArrayIndex.get(), c->Area.Ref.ArrayIndex.get());
  ReleaseSentenceComponents(&c);
  EXPECT_EQ(FormatVariableReference(copy->Area.Ref), "Arr[2]");
  ReleaseSentenceComponents(&copy);
  EXPECT_EQ(arr->RefCnt, 0);
}

TEST_F(Sentences, DeleteVoiceSentence) {
  SymbolBody body;
  InitSymbol(body, "Greeting", 1, kTypeVoiceSentence, 1, 0, 0, 0, 0);
  body.Data = std::make_unique<SentenceData>(Component(0, folder, {n1}));
  Symbol* s = InsertSymbol(body, kTypeVoiceSentence, false);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(DeleteVoiceSentence("Nope"), kErrNoSuchVariable);
  s->RefCnt = 1;
  EXPECT_EQ(DeleteVoiceSentence("Greeting"), kErrVariableInUse);
  s->RefCnt = 0;
  s->CanDelete = 0;
  EXPECT_EQ(DeleteVoiceSentence("Greeting"), kErrNotDeletable);
  s->CanDelete = 1;
  EXPECT_EQ(DeleteVoiceSentence("Greeting"), 0);
  EXPECT_EQ(s->Deleted, 1);
  EXPECT_EQ(s->Data, nullptr);
  EXPECT_EQ(folder->RefCnt, 0);
  EXPECT_EQ(n1->RefCnt, 0);
  EXPECT_EQ(DeleteVoiceSentence("Greeting"), kErrNoSuchVariable);
}

TEST_F(Sentences, KindNames) {
  EXPECT_EQ(FindComponentKind("IndexDigits"), 22);
  EXPECT_EQ(FindComponentKind("FullFileVoice"), 32);
  EXPECT_EQ(FindComponentKind("Recording"), -1);
  EXPECT_EQ(FindComponentKind("Recording", ComponentKindDisplayNames()), 0);
  EXPECT_STREQ(ComponentKindDisplayName(7), "Digits");
  EXPECT_STREQ(ComponentKindDisplayName(35), "Text to Speech Comment");
  EXPECT_EQ(ComponentKindName(33), nullptr);
  const char* names[] = {"a", "b", ""};
  const char* texts[] = {"A", "B", nullptr};
  EXPECT_STREQ(LookupNameText("b", names, texts), "B");
  EXPECT_EQ(LookupNameText("c", names, texts), nullptr);
}

struct Folders : SymbolTableHooks {
  SymP ref;
  const SymP* DefaultFolderReference(const SymbolTable&, int index) override { return index == 3 ? &ref : nullptr; }
};

struct Edit : TextTarget {
  void SetText(const std::string& s) override { text = s; }
  std::string text = "unset";
};
struct KindList : KindListSource {
  std::string selected;
  std::string SelectedText() const override { return selected; }
};

TEST_F(Sentences, ComponentFolders) {
  EXPECT_EQ(GetComponentFolderText(0), "'\\VLX\\PRMT\\");
  EXPECT_EQ(GetComponentFolderText(32), "'\\VLX\\PRMT\\");
  EXPECT_EQ(GetComponentFolderText(1), "'\\VLX\\UVOICE\\");
  EXPECT_EQ(GetComponentFolderText(20), "'\\VLX\\VOICE\\SYS.IDX");
  EXPECT_EQ(GetComponentFolderText(33), "'\\VLX\\VOICE\\SYS.IDX");
  EXPECT_EQ(GetComponentFolderText(2), "'\\VLX\\VOICE\\");
  Folders hooks;
  hooks.ref.S = folder;
  t.SetHooks(&hooks);
  EXPECT_EQ(GetComponentFolderText(16), "Folder");  // a folder that names a variable
  Edit edit;
  KindList list;
  list.selected = "Digits";
  ShowComponentFolder(edit, list);
  EXPECT_EQ(edit.text, "Folder");
  list.selected = "FileVoice";
  ShowComponentFolder(edit, list);
  EXPECT_EQ(edit.text, "'\\VLX\\PRMT\\");
  t.SetHooks(nullptr);
}

}  // namespace
}  // namespace zeph
