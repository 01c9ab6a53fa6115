// The voice sentence list: which sentences a page lists, the comments shown, the name
// entry's scopes and interface limit, and delete and rename with their refusals.
#include "editors/sentences/sentlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editors/variables/scopes.h"
#include "foundation/kvscrpres.h"
#include "model/superblk.h"
#include "reporttest_util.h"
#include "sentencetest_util.h"

namespace zeph {
namespace {

class SentenceListTest : public test::ReportProgram {
 protected:
  SentenceListTest() : scoped(boxes) { main = program->CurrentPage(); }
  Symbol* Page(const char* name) {
    Symbol* page = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&page, name, kTypeSuperBlock, 1, 1, 1, false, 1), 0);
    return page;
  }
  Symbol* Sentence(const char* name, int scope = kScopeGlobal, std::vector<SentenceComponent*> phrases = {}) {
    Symbol* s = AddSentence(*program, name, scope);
    EXPECT_NE(s, nullptr);
    SentenceComponent* head = nullptr;
    int n = 0;
    for (SentenceComponent* c : phrases) InsertComponentAt(n++, &head, c);
    *SentenceComponents(s) = head;
    return s;
  }
  // The list box sorts its lines.
  static std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  bool HasEntry(Symbol* page, const char* name) {
    SBInterfaceTable entries(page, &program->Symbols());
    for (const PBFieldDef* f = entries.Table(); f != nullptr && !f->IsEnd(); ++f) {
      if (std::string(f->Name) == name) return true;
    }
    return false;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (const auto& b : boxes.Boxes()) out.push_back(b.text);
    return out;
  }
  KvScriptedPresenter boxes;
  KvScopedMessagePresenter scoped;
  Symbol* main = nullptr;
};

TEST_F(SentenceListTest, LinesFollowThePage) {
  Symbol* other = Page("Other");
  Symbol* sub = Page("Sub");
  Sentence("Welcome");
  Sentence("Other$Greeting", kScopeLocal);
  Sentence("Sub$Prm", kScopeParameter);
  Symbol* hidden = Sentence("Hidden");
  hidden->Invisible = 1;
  Sentence("Gone")->Deleted = 1;

  EXPECT_EQ(SentenceListLines(*program), std::vector<std::string>{"Welcome"});
  program->SetCurrentPage(other);
  EXPECT_EQ(Sorted(SentenceListLines(*program)), (std::vector<std::string>{"Other$Greeting", "Welcome"}));
  program->SetCurrentPage(sub);
  const std::vector<std::string> lines = Sorted(SentenceListLines(*program));
  EXPECT_EQ(lines, (std::vector<std::string>{"Sub$Prm\t[Parameter]", "Welcome"}));
  EXPECT_EQ(FindSentenceLine(lines, "Sub$Prm"), 0);
  EXPECT_EQ(FindSentenceLine(lines, "Sub"), -1);   // a near match is no match
  EXPECT_EQ(FindSentenceLine(lines, "Welcome"), 1);
  EXPECT_EQ(LineNameToTab(lines[0]), "Sub$Prm");
  EXPECT_EQ(LineFirstWord(lines[0]), "Sub$Prm");
}

TEST_F(SentenceListTest, CommentsOfASentence) {
  SymbolTable& t = program->Symbols();
  Symbol* s = Sentence("Info", kScopeGlobal,
                       {test::Phrase(t, 0, "_PR_USER", "1", false, "first"), test::Phrase(t, 0, "_PR_USER", "2"),
                        test::Phrase(t, 0, "_PR_USER", "3", false, "third")});
  EXPECT_EQ(SentenceComments(*s), "first\r\n\r\nthird\r\n");
  Symbol* bare = Sentence("Bare", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1")});
  EXPECT_EQ(SentenceComments(*bare), "");
  // Comment lengths + 4 each + 6 per phrase + 6 above 65535 is too large.
  Symbol* large = Sentence("Large", kScopeGlobal,
                           {test::Phrase(t, 0, "_PR_USER", "1", false, std::string(65519, 'x').c_str())});
  EXPECT_EQ(SentenceComments(*large), std::string(65519, 'x') + "\r\n");
  Symbol* tooLarge = Sentence("TooLarge", kScopeGlobal,
                              {test::Phrase(t, 0, "_PR_USER", "1", false, std::string(65520, 'x').c_str())});
  EXPECT_EQ(SentenceComments(*tooLarge), "Comment is Too Large to Display");
}

TEST_F(SentenceListTest, NameEntryScopesAndChecks) {
  std::string full;
  EXPECT_EQ(AcceptSentenceName(*program, "Hello", kScopeGlobal, false, "", full), "");
  EXPECT_EQ(full, "Hello");
  Sentence("Hello");
  EXPECT_NE(AcceptSentenceName(*program, "Hello", kScopeGlobal, false, "", full), "");
  EXPECT_NE(AcceptSentenceName(*program, "9bad name", kScopeGlobal, false, "", full), "");

  Symbol* sub = Page("Sub");
  program->SetCurrentPage(sub);
  EXPECT_EQ(AcceptSentenceName(*program, "Loc", kScopeLocal, false, "", full), "");
  EXPECT_EQ(full, "Sub$Loc");
  EXPECT_EQ(AcceptSentenceName(*program, "Prm", kScopeParameter, false, "", full), "");
  EXPECT_EQ(full, "Sub$Prm");
  EXPECT_TRUE(HasEntry(sub, "Prm"));
}

TEST_F(SentenceListTest, InterfaceEntriesAreRefusedFrom24On) {
  Symbol* sub = Page("Sub");
  program->SetCurrentPage(sub);
  SBInterfaceTable entries(sub, &program->Symbols());
  for (int i = 0; i < 23; ++i) ASSERT_EQ(entries.AddEntry(("V" + std::to_string(i)).c_str(), kTypeInteger, 0, 0), 0) << i;
  ASSERT_EQ(entries.AddEntry("Out", -1, 0, 0), 0);   // exits do not count
  std::string full;
  EXPECT_EQ(AcceptSentenceName(*program, "P23", kScopeParameter, false, "", full), "");
  EXPECT_EQ(AcceptSentenceName(*program, "P24", kScopeParameter, false, "", full),
            "A maximum of 10 variables and voice sentences may be set on SuperBlock call");
  EXPECT_FALSE(HasEntry(sub, "P24"));
}

TEST_F(SentenceListTest, DeleteRefusalsQuestionAndInterfaceEntry) {
  Symbol* used = Sentence("Used");
  used->RefCnt = 1;
  Symbol* fixed = Sentence("Fixed");
  fixed->CanDelete = 0;
  EXPECT_FALSE(DeleteSentence(*program, "Used"));
  EXPECT_FALSE(DeleteSentence(*program, "Fixed"));
  EXPECT_FALSE(DeleteSentence(*program, "Missing"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Can not delete this Voice Sentence because it is in use",
                                               "Can not delete this Voice Sentence because it is in use",
                                               "No Voice Sentence selected"}));
  boxes.Clear();
  Sentence("Free");
  boxes.Answer(kKvIdCancel);
  EXPECT_FALSE(DeleteSentence(*program, "Free"));
  EXPECT_NE(FindSentence(*program, "Free"), nullptr);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Delete Free ?"});
  boxes.Answer(kKvIdOk);
  EXPECT_TRUE(DeleteSentence(*program, "Free"));
  EXPECT_EQ(FindSentence(*program, "Free"), nullptr);

  Symbol* sub = Page("Sub");
  program->SetCurrentPage(sub);
  std::string full;
  ASSERT_EQ(AcceptSentenceName(*program, "Prm", kScopeParameter, false, "", full), "");
  Sentence(full.c_str(), kScopeParameter);
  boxes.Answer(kKvIdOk);
  EXPECT_TRUE(DeleteSentence(*program, "Sub$Prm"));
  EXPECT_FALSE(HasEntry(sub, "Prm"));
}

TEST_F(SentenceListTest, RenameIsAllOrNothing) {
  Symbol* sub = Page("Sub");
  program->SetCurrentPage(sub);
  std::string full;
  ASSERT_EQ(AcceptSentenceName(*program, "Prm", kScopeParameter, false, "", full), "");
  Symbol* prm = Sentence(full.c_str(), kScopeParameter);
  // The name entry renamed the interface entry; the symbol then refuses the new name (a
  // sentence of that name appeared meanwhile), and the entry gets its old name back.
  SBInterfaceTable entries(sub, &program->Symbols());
  ASSERT_EQ(entries.RenameEntry("Prm", "Other"), 0);
  Sentence("Sub$Other", kScopeLocal);
  EXPECT_FALSE(RenameSentence(*program, "Sub$Prm", "Sub$Other"));
  EXPECT_STREQ(prm->Name, "Sub$Prm");
  EXPECT_TRUE(HasEntry(sub, "Prm"));
  EXPECT_FALSE(HasEntry(sub, "Other"));
  EXPECT_EQ(boxes.Boxes().size(), 1u);

  ASSERT_EQ(AcceptSentenceName(*program, "Renamed", kScopeParameter, true, "Prm", full), "");
  EXPECT_TRUE(RenameSentence(*program, "Sub$Prm", full));
  EXPECT_STREQ(prm->Name, "Sub$Renamed");
  EXPECT_TRUE(HasEntry(sub, "Renamed"));
}

TEST_F(SentenceListTest, SearchFindsTheTextInComments) {
  SymbolTable& t = program->Symbols();
  Sentence("Beta", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1", false, "Say Hello There")});
  Sentence("Alpha", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1", false, "hello")});
  Sentence("Gamma", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1", false, "bye")});
  EXPECT_EQ(SearchSentences(*program, "HELLO"), (std::vector<std::string>{"Alpha", "Beta"}));
  EXPECT_TRUE(SearchSentences(*program, "absent").empty());
}

}  // namespace
}  // namespace zeph
