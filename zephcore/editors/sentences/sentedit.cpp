// The voice sentence editor's working list and its rules.
#include "editors/sentences/sentedit.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "editors/sentences/comments.h"
#include "editors/sentences/componentline.h"
#include "editors/sentences/kinds.h"
#include "foundation/kvfsys.h"
#include "foundation/kvmsgbox.h"
#include "editors/sentences/sentlist.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/fieldchecks.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/promptnumbers.h"
#include "model/symtable.h"
#include "model/varref.h"

namespace zeph {
namespace {

constexpr std::size_t kPromptLimit = 127;
constexpr std::size_t kDescriptionLimit = 501;
constexpr std::uint32_t kPromptNumberLimit = 30000;
constexpr int kDatabaseSlot = 0;
constexpr int kNumberSlot = 3;

bool IsBlank(const std::string& text) {
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

TypeMask KindMask(int kind) {
  if (IsDateTimeKind(kind)) return MaskOfTypes({19, 20});
  return MaskOfTypes({1, 2, 3, 4, 5, 6, 20});
}

std::string WithDescriptionExtension(const std::string& name) {
  const std::size_t slash = name.find_last_of("\\/");
  const std::size_t dot = name.rfind('.');
  const std::string base = (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? name.substr(0, dot) : name;
  return base + ".DSC";
}

bool ReadDescription(const std::string& path, std::string& out) {
  std::FILE* f = KvGetFileSystem().Open(path.c_str(), "rb");
  if (f == nullptr) return false;
  char buffer[kDescriptionLimit] = {};
  const std::size_t n = std::fread(buffer, 1, kDescriptionLimit, f);
  std::fclose(f);
  out.assign(buffer, strnlen(buffer, n));
  return true;
}

}  // namespace

SentenceEditor::SentenceEditor(TProgram& program, const std::string& sentenceName)
    : program_(program), name_(sentenceName) {
  const char* first = program_.DefaultFolder(kDatabaseSlot);
  if (first != nullptr && first[0] == '\'') {
    program_.SetDefaultFolder(kDatabaseSlot, "_PR_USER");
    program_.SetDefaultFolder(kNumberSlot, "_PR_SYSTEM");
  }
  if (Symbol* s = Sentence()) {
    SentenceComponent** head = SentenceComponents(s);
    if (head != nullptr && *head != nullptr) CopySentenceComponents(*head, &working_, &program_.Symbols());
  }
}

SentenceEditor::~SentenceEditor() { ReleaseSentenceComponents(&working_, &program_.Symbols()); }

Symbol* SentenceEditor::Sentence() { return FindSentence(program_, name_); }

std::vector<std::string> SentenceEditor::Lines() {
  std::vector<std::string> lines;
  for (SentenceComponent* c = working_; c != nullptr; c = c->Next) lines.push_back(FormatComponentLine(*c, &program_.Symbols()));
  lines.push_back(kEndLine);
  return lines;
}

int SentenceEditor::PhraseCount() const {
  int n = 0;
  for (SentenceComponent* c = working_; c != nullptr; c = c->Next) ++n;
  return n;
}

PhraseView SentenceEditor::View(int index) {
  PhraseView view;
  SentenceComponent* c = GetSentenceComponentAt(index, working_);
  if (c == nullptr) return view;
  SymbolTable* t = &program_.Symbols();
  view.Kind = c->Kind;
  view.KindName = KindName(c->Kind);
  if (IsDirectKind(c->Kind)) {
    view.Database = c->RefFlag != 0 ? VariableText(c->Area.Ref.S).value_or(std::string()) : c->Area.Path;
  } else {
    view.Database = ComponentDatabase(*c, t);
  }
  if (c->Detail != nullptr) {
    if (c->Detail->Flag1 != 0) {
      view.Prompt = FormatVariableReference(c->Detail->Area1.Ref, t);
    } else {
      const std::string text = c->Detail->Area1.Path;
      view.Prompt = IsNumberText(text.c_str(), nullptr) ? text : "'" + text;
    }
  }
  if (IsDirectKind(c->Kind) && c->RefFlag == 0) view.Prompt = "'" + std::string(c->Area.Path);
  if (IsDirectKind(c->Kind) && c->RefFlag != 0) view.Prompt = FormatVariableReference(c->Area.Ref, t);
  if (view.Prompt == "'IncompleteSent1" || view.Prompt == "'IncompleteSent") view.Prompt = " ";
  view.Comment = c->Text.value_or(std::string());
  return view;
}

std::string SentenceEditor::CheckPrompt(int kind, const std::string& prompt, bool& constant, std::string& text,
                                        SymP& ref) {
  text = prompt.substr(0, kPromptLimit);
  if (IsBlank(text)) return PBMessageText(-176);
  constant = text[0] == '\'' || IsNumberText(text.c_str(), nullptr);
  if (constant) {
    if (text[0] == '\'') text.erase(0, 1);
    if (const int rc = CheckFieldValue(text.c_str(), kind); rc != 0) return PBMessageText(rc);
    return std::string();
  }
  SymbolTable* t = &program_.Symbols();
  ParseVariableReference(text.c_str(), ref, KindMask(kind), nullptr, t);
  if (ref.S != nullptr && IsDirectKind(kind)) {
    SymP stringOnly;
    ParseVariableReference(text.c_str(), stringOnly, MaskOfTypes({kTypeString}), nullptr, t);
    if (stringOnly.S == nullptr) ref.Clear();
  }
  if (ref.S == nullptr) return PBMessageText(-127);
  return std::string();
}

std::string SentenceEditor::InsertPhrase(int position, bool replace, int kind, const std::string& database,
                                         const std::string& prompt, const std::string& comment,
                                         std::string* warning) {
  SymbolTable* t = &program_.Symbols();
  const std::uint32_t number = LeadingPromptNumber(prompt.c_str());
  bool constant = false;
  std::string text;
  SymP ref;
  if (std::string refusal = CheckPrompt(kind, prompt, constant, text, ref); !refusal.empty()) return refusal;
  const std::string variable = DatabaseVariableName(database);
  SymP databaseRef;
  if (!IsDirectKind(kind)) {
    ParseVariableReference(variable.c_str(), databaseRef, MaskOfTypes({kTypeString}), nullptr, t);
    if (databaseRef.S == nullptr) return PBMessageText(-127);
  }

  SentenceComponent* c = NewSentenceComponent();
  ComponentDetail* d = NewComponentDetail();
  if (c == nullptr || d == nullptr) {
    delete c;
    delete d;
    return PBMessageText(-102);
  }
  c->Kind = static_cast<std::int16_t>(kind);
  c->Detail = d;
  if (IsDirectKind(kind)) {
    if (constant) {
      std::strncpy(c->Area.Path, text.c_str(), sizeof c->Area.Path - 1);
    } else {
      c->RefFlag = 1;
      c->Area.Ref = ref;
      UpdateReferenceCount(c->Area.Ref, 1, t);
    }
  } else {
    c->RefFlag = 1;
    c->Area.Ref = databaseRef;
    UpdateReferenceCount(c->Area.Ref, 1, t);
  }
  if (constant) {
    std::strncpy(d->Area1.Path, text.c_str(), sizeof d->Area1.Path - 1);
  } else {
    d->Flag1 = 1;
    d->Area1.Ref = ref;
    UpdateReferenceCount(d->Area1.Ref, 1, t);
  }
  if (!comment.empty()) c->Text = comment;

  const int count = PhraseCount();
  if (position < 0 || position > count) position = count;
  if (replace && position < count) RemoveSentenceComponent(position, &working_, t);
  InsertComponentAt(position, &working_, c);

  if (IsDatabaseKind(kind)) {
    RaiseRememberedPromptNumber(PromptDatabaseIndex(variable.c_str()), number);
    if (constant && !comment.empty()) {
      const std::string path = DatabaseFolder(database) + text + ".dsc";
      std::FILE* f = KvGetFileSystem().Open(path.c_str(), "wb");
      bool written = f != nullptr;
      if (f != nullptr) {
        const std::string body = comment.substr(0, 511);
        written = std::fwrite(body.data(), 1, body.size(), f) == body.size();
        written = std::fclose(f) == 0 && written;
      }
      if (!written && warning != nullptr) *warning = kDescriptionFailed;
    }
    program_.SetDefaultFolder(kDatabaseSlot, variable.c_str());
  } else if (!IsDirectKind(kind)) {
    program_.SetDefaultFolder(kNumberSlot, variable.c_str());
  }
  return std::string();
}

void SentenceEditor::DeletePhrase(int position) {
  if (position < 0 || position >= PhraseCount()) return;
  RemoveSentenceComponent(position, &working_, &program_.Symbols());
}

std::string SentenceEditor::DatabaseFolder(const std::string& database) {
  Symbol* s = LookupSymbol(DatabaseVariableName(database).c_str(), kTypeString, &program_.Symbols());
  return VariableText(s).value_or(std::string());
}

std::string SentenceEditor::CommentFor(int kind, const std::string& database, const std::string& prompt,
                                       std::string& refusal) {
  bool constant = false;
  std::string text;
  SymP ref;
  refusal = CheckPrompt(kind, prompt, constant, text, ref);
  if (!refusal.empty()) return std::string();
  if (constant && (IsDatabaseKind(kind) || kind == kKindFullFileVoice)) {
    std::string folder = DatabaseFolder(database);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    const std::string path =
        IsDatabaseKind(kind) ? folder + "\\" + WithDescriptionExtension(text) : WithDescriptionExtension(text);
    std::string description;
    if (ReadDescription(path, description)) return description;
  }
  return GeneratedComment(kind, database, text);
}

std::string SentenceEditor::NextNumber(const std::string& database) {
  std::string folder = DatabaseFolder(database);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  const int index = PromptDatabaseIndex(DatabaseVariableName(database).c_str());
  for (std::uint32_t m = RememberedPromptNumber(index) + 1; m < kPromptNumberLimit; ++m) {
    const std::string path = folder + "\\" + std::to_string(m);
    std::FILE* f = KvGetFileSystem().Open(path.c_str(), "rb");
    if (f == nullptr) return std::to_string(m);
    std::fclose(f);
  }
  return std::string();
}

bool SentenceEditor::Done(int& resultFlag) {
  Symbol* s = Sentence();
  if (working_ == nullptr) {
    if (s != nullptr && s->RefCnt != 0) {
      ShowSentenceCode(-133);
      return false;
    }
    KvMessageBoxRequest ask;
    const char* question = PBMessageText(-128);
    ask.text = question;
    ask.caption = "";
    ask.style = kKvMbYesNo | kKvMbIconQuestion;
    if (KvMessageBox(ask) != kKvIdYes) return false;
    if (s != nullptr) {
      if (SentenceComponents(s) != nullptr) ReleaseSentenceComponents(SentenceComponents(s), &program_.Symbols());
    }
    resultFlag = 0;
    return true;
  }
  if (s != nullptr) {
    SentenceComponent** head = SentenceComponents(s);
    if (head == nullptr) {
      s->Data = std::make_unique<SentenceData>();
      head = SentenceComponents(s);
    }
    ReleaseSentenceComponents(head, &program_.Symbols());
    *head = working_;
    working_ = nullptr;
  }
  resultFlag = 1;
  return true;
}

int SentenceEditor::Cancel() {
  ReleaseSentenceComponents(&working_, &program_.Symbols());
  Symbol* s = Sentence();
  SentenceComponent** head = s != nullptr ? SentenceComponents(s) : nullptr;
  return (head != nullptr && *head != nullptr) ? 1 : 0;
}

}  // namespace zeph
