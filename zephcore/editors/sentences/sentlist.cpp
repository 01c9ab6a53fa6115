// The voice sentence list's lines and commands.
#include "editors/sentences/sentlist.h"

#include <cstring>

#include "editors/variables/scopes.h"
#include "foundation/kvmsgbox.h"
#include "model/datatypes.h"
#include "model/interface/vlx.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/superblk.h"
#include "model/symnames.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

constexpr int kNameLimit = 30;
constexpr std::size_t kEnteredNameLimit = 31;
constexpr std::size_t kCommentsLimit = 65535;

std::string AfterDollar(const std::string& name) {
  const std::size_t dollar = name.find('$');
  return dollar != std::string::npos ? name.substr(dollar + 1) : name;
}

void InOrder(Symbol* node, std::vector<Symbol*>& out) {
  if (node == nullptr) return;
  InOrder(node->Left, out);
  if (!node->Deleted) out.push_back(node);
  InOrder(node->Right, out);
}

}  // namespace

void ShowSentenceMessage(const std::string& text) {
  KvMessageBoxRequest box;
  box.text = text.c_str();
  box.caption = "";
  box.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(box);
}

void ShowSentenceCode(int code) { ShowSentenceMessage(PBMessageText(code)); }

std::vector<std::string> SentenceListLines(TProgram& program) {
  std::vector<std::string> lines;
  SymbolTable& t = program.Symbols();
  const bool mainPage = t.NamesUnqualified != 0;
  const std::string page = program.CurrentPageName();
  SymTreeWalkPostOrder(*t.TreeSlot(kTypeVoiceSentence), [&](Symbol& s) {
    if (s.Deleted || s.Invisible) return;
    const std::string name = s.Name;
    const std::size_t dollar = name.find('$');
    if (dollar != std::string::npos && (mainPage || name.substr(0, dollar) != page)) return;
    lines.push_back(s.Scope == kScopeParameter ? name + "\t" + kParameterMark : name);
  });
  return lines;
}

std::string LineNameToTab(const std::string& line) { return line.substr(0, line.find('\t')); }

std::string LineFirstWord(const std::string& line) {
  const std::size_t begin = line.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  const std::size_t end = line.find_first_of(" \t", begin);
  return line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

int FindSentenceLine(const std::vector<std::string>& lines, const std::string& name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].compare(0, name.size(), name) == 0 && LineFirstWord(lines[i]) == name) return static_cast<int>(i);
  }
  return -1;
}

std::string SentenceComments(Symbol& sentence) {
  SentenceComponent** head = SentenceComponents(&sentence);
  if (head == nullptr) return std::string();
  std::size_t needed = 6;
  bool any = false;
  for (SentenceComponent* c = *head; c != nullptr; c = c->Next) {
    needed += 6;
    if (c->Text.has_value()) {
      any = true;
      needed += c->Text->size() + 4;
    }
  }
  if (!any) return std::string();
  if (needed > kCommentsLimit) return kCommentTooLarge;
  std::string text;
  for (SentenceComponent* c = *head; c != nullptr; c = c->Next) text += c->Text.value_or(std::string()) + "\r\n";
  return text;
}

Symbol* FindSentence(TProgram& program, const std::string& name) {
  Symbol* s = LookupSymbol(name.c_str(), kTypeVoiceSentence, &program.Symbols());
  return (s != nullptr && !s->Deleted) ? s : nullptr;
}

std::string AcceptSentenceName(TProgram& program, const std::string& entered, int scope, bool renaming,
                               const std::string& oldName, std::string& fullName) {
  const std::string name = entered.substr(0, kEnteredNameLimit);
  fullName = scope != kScopeGlobal ? program.CurrentPageName() + "$" + name : name;
  if (const int rc = CheckNewSymbolName(fullName.c_str(), kNameLimit, '_', &program.Symbols()); rc != 0) {
    return PBMessageText(rc);
  }
  if (scope == kScopeParameter) {
    SBInterfaceTable entries(program.CurrentPage(), &program.Symbols());
    if (entries.CountVariableEntries() >= kInterfaceVariableLimit) return PBMessageText(-181);
    const int rc = renaming ? entries.RenameEntry(oldName.c_str(), name.c_str())
                            : entries.AddEntry(name.c_str(), kTypeVoiceSentence, 0, 0);
    if (rc != 0) return PBMessageText(rc);
  }
  return std::string();
}

Symbol* AddSentence(TProgram& program, const std::string& fullName, int scope) {
  SymbolBody body;
  InitSymbol(body, fullName.c_str(), 1, kTypeVoiceSentence, 1, 0, scope, 0, 0);
  body.Data = std::make_unique<SentenceData>();
  Symbol* s = InsertSymbol(body, kTypeVoiceSentence, false, &program.Symbols());
  if (s == nullptr) ShowSentenceCode(-102);
  return s;
}

void RemoveEmptySentence(TProgram& program, const std::string& fullName) {
  RemoveSymbol(fullName.c_str(), kTypeVoiceSentence, &program.Symbols());
}

bool DeleteSentence(TProgram& program, const std::string& name) {
  Symbol* s = FindSentence(program, name);
  if (s == nullptr) {
    ShowSentenceCode(-119);
    return false;
  }
  if (s->RefCnt != 0 || s->CanDelete == 0) {
    ShowSentenceCode(-118);
    return false;
  }
  const std::string question = "Delete " + name + " ?";
  KvMessageBoxRequest ask;
  ask.text = question.c_str();
  ask.caption = "";
  ask.style = kKvMbOkCancel | kKvMbIconQuestion;
  if (KvMessageBox(ask) != kKvIdOk) return false;
  const bool parameter = s->Scope == kScopeParameter;
  if (const int rc = DeleteVoiceSentence(name.c_str(), &program.Symbols()); rc != 0) {
    ShowSentenceCode(rc);
    return false;
  }
  if (parameter) {
    SBInterfaceTable entries(program.CurrentPage(), &program.Symbols());
    if (const int rc = entries.RemoveEntry(AfterDollar(name).c_str()); rc != 0) ShowSentenceCode(rc);
  }
  return true;
}

bool RenameSentence(TProgram& program, const std::string& oldFullName, const std::string& newFullName) {
  Symbol* s = FindSentence(program, oldFullName);
  if (s == nullptr) {
    ShowSentenceCode(-119);
    return false;
  }
  const int rc = RenameSymbol(s, newFullName.c_str(), &program.Symbols());
  if (rc == 0) return true;
  ShowSentenceCode(rc);
  if (s->Scope == kScopeParameter) {
    SBInterfaceTable entries(program.CurrentPage(), &program.Symbols());
    entries.RenameEntry(AfterDollar(newFullName).c_str(), AfterDollar(oldFullName).c_str());
  }
  return false;
}

std::vector<std::string> SearchSentences(TProgram& program, const std::string& text) {
  std::vector<Symbol*> all;
  InOrder(*program.Symbols().TreeSlot(kTypeVoiceSentence), all);
  std::vector<std::string> names;
  for (Symbol* s : all) {
    if (vlxIsTextInVSentence(s, text.c_str()) != 0) names.push_back(s->Name);
  }
  return names;
}

}  // namespace zeph
