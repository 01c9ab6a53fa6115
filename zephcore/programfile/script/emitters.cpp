// Emitters of the types that write their whole block, and the statements around calls.
#include "programfile/script/emitters.h"

#include <cstring>

#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "programfile/script/arguments.h"
#include "programfile/script/blocktypes.h"

namespace zeph {
namespace {

using Emitter = void (*)(const BlockFields& f, const ScriptPage& page, std::string& out);

bool IsDateOrText(int type) { return type == kTypeString || type == kTypeDateString; }

// The goto target of a field as the exits write it: the name held as text, else the
// reference's text, else "!VALUE!".
std::string Target(const BlockFields& f, int field) {
  const SymP* slot = f.Slot(field);
  if (slot != nullptr && slot->HasConst()) return slot->ConstText();
  if (slot != nullptr && slot->S != nullptr) return f.ReferenceText(field);
  return "!VALUE!";
}

void Compare(const BlockFields& f, const ScriptPage&, std::string& out) {
  const int t0 = f.OperandType(0), t1 = f.OperandType(1);
  const std::string a = f.Text(0), b = f.Text(1);
  if (IsDateOrText(t0) && IsDateOrText(t1) && (t0 == kTypeDateString || t1 == kTypeDateString)) {
    out += Format("    SStringNumComp(%s, %s)\n    if(Done = D_GREATER) goto %s\n", a.c_str(), b.c_str(),
                  f.Text(2).c_str());
    out += Format("    if(Done = D_LESS) goto %s\n", f.Text(3).c_str());
    out += Format("    goto %s\n\n", f.Text(4).c_str());
    return;
  }
  out += Format("    if(%s > %s) goto %s\n", a.c_str(), b.c_str(), f.Text(2).c_str());
  out += Format("    if(%s < %s) goto %s\n", a.c_str(), b.c_str(), f.Text(3).c_str());
  out += Format("    if(%s = %s) goto %s\n\n", a.c_str(), b.c_str(), f.Text(4).c_str());
}

void Assign(const BlockFields& f, const ScriptPage&, std::string& out) {
  const int t0 = f.OperandType(0), t1 = f.OperandType(1);
  const std::string a = f.Text(0), b = f.Text(1), g = f.Text(2);
  if (t0 == kTypeDateNumber && t1 == kTypeDateString) {
    out += Format("    UDateStrToNum(%s, %s)\n    goto %s\n\n", b.c_str(), a.c_str(), g.c_str());
    return;
  }
  if (t0 == kTypeDateString && t1 == kTypeDateNumber) {
    out += Format("    UDateNumToStr(%s, %s)\n    goto %s\n\n", b.c_str(), a.c_str(), g.c_str());
    return;
  }
  switch (t0) {
    case kTypeCharacter: case kTypeSmallInteger: case kTypeInteger: case kTypeSmallNumber:
    case kTypeNumber: case kTypeString: case kTypeEntryParm: case kTypeResPerm: case kTypeMenuK:
    case kTypeMenuParm: case kTypeBoolean: case kTypeDateNumber: case kTypeDateString:
      out += Format("    %s := %s\n    goto %s\n\n", a.c_str(), b.c_str(), g.c_str());
      return;
    default:
      out += Format("    UVarCopy(%s, %s)\n    goto %s\n\n", b.c_str(), a.c_str(), g.c_str());
  }
}

void CallSubroutine(const BlockFields& f, const ScriptPage&, std::string& out) {
  out += Format("    gosub  %s\n    goto %s\n\n", f.Text(0).c_str(), f.Text(1).c_str());
}

void Return(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string value = f.Text(0);
  out += Format("    return %s\n\n", value == "!VALUE!" ? "" : value.c_str());
}

void EndProgram(const BlockFields&, const ScriptPage&, std::string& out) { out += "    exit_program\n\n"; }

void ChannelParms(const BlockFields& f, const ScriptPage& page, std::string& out) {
  struct Member {
    const char* Name;
    bool Byte;
  };
  static const Member kMembers[] = {
      {"DtmfDetect", true}, {"DtmfDelay", false},  {"SilenceDly", false}, {"NoAnswerRings", true},
      {"CallProgDly", false}, {"AbTimeout", false}, {"LcValid", false},   {"LcWait", false},
      {"CabTimeout", false}, {"BusyCycles", true},  {"Glitch", false},    {"Spike", true},
      {"NumRings", false},   {"Silence", false},    {"LoopFlag", false},  {"RecordBeep", false},
      {"DtmfStart", true},   {"DtmfTimeout", false}, {"Sound", false},    {"Gain", false},
      {"Rate", false},
  };
  out += "    UClearVariable(__ScrapCP__)\n";
  for (int i = 0; i < 21; ++i) {
    std::string value;
    if (f.HasConstant(i)) {
      value = f.ConstantText(i, kMembers[i].Byte ? kTypeCharacter : kTypeSmallInteger, false, false);
    } else if (f.HasReference(i)) {
      value = f.ReferenceText(i);
    } else {
      continue;
    }
    out += Format("    __ScrapCP__.%s := %s\n", kMembers[i].Name, value.c_str());
  }
  out += "\n    VChannelParms(__ScrapCP__)\n";
  out += Format("    if((Error != 0) & (HandleErr != 0)) goto %sEVENT$$\n", page.Prefix.c_str());
  out += Format("    goto %s\n\n", Target(f, 21).c_str());
}

void Arithmetic(const BlockFields& f, const ScriptPage&, std::string& out) {
  const int type = f.Block().Type;
  const char op = type == blocks::kAdd ? '+' : type == blocks::kSubtract ? '-' : type == blocks::kMultiply ? '*' : '/';
  const int t0 = f.OperandType(0), t1 = f.OperandType(1), t2 = f.OperandType(2);
  const std::string a = f.Text(0), b = f.Text(1), r = f.Text(2), g = f.Text(3);
  const bool d0 = t0 == kTypeDateString, d1 = t1 == kTypeDateString, d2 = t2 == kTypeDateString;
  if (!d2 && op == '-' && d0 && d1) {
    out += Format("    USubDate2(%s,%s,%s)\n    goto %s\n\n", r.c_str(), a.c_str(), b.c_str(), g.c_str());
    return;
  }
  if (d2 && d0 != d1) {
    const char* call = op == '+' ? "UAddDate" : "USubDate";
    const std::string& date = d0 ? a : b;
    const std::string& delta = d0 ? b : a;
    out += Format("    %s(%s,%s,%s)\n    goto %s\n\n", call, r.c_str(), date.c_str(), delta.c_str(), g.c_str());
    return;
  }
  out += Format("    %s := %s %c (%s)\n    goto %s\n\n", r.c_str(), a.c_str(), op, b.c_str(), g.c_str());
}

void CountLoop(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string c = f.Text(0), limit = f.Text(1), reached = f.Text(2), below = f.Text(3);
  out += Format("    %s := %s + 1\n    if(%s < %s) goto %s\n    %s := 0\n    goto %s\n\n", c.c_str(), c.c_str(),
                c.c_str(), limit.c_str(), below.c_str(), c.c_str(), reached.c_str());
}

void HandleEvent(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string match = f.Text(10);
  for (int i = 0; i < 10; ++i) {
    if (f.HasValue(i)) out += Format("    if(EventLabel = %s) goto %s\n", f.Text(i).c_str(), match.c_str());
  }
  out += Format("    goto %s\n\n", f.Text(11).c_str());
}

void SelectionCalls(const BlockFields& f, const ScriptPage&, std::string& out) {
  const char* name = TheCatalogue().InternalName(f.Block().Type);
  const PBChoiceList* list = nullptr;
  for (int i = 0; i < 8; ++i) {
    if (!f.HasValue(i)) continue;
    // A parameter left unchosen shows the first text of its list, "NONE_SELECTED".
    std::string choice;
    if (f.HasValue(i + 9)) {
      choice = f.Text(i + 9);
    } else {
      list = TheCatalogue().ChoiceList(f.Entry(i + 9).NumRadioInArray);
      const char* init = f.Entry(i + 9).InitValue;
      choice = init != nullptr && init[0] != '\0' ? "\"" + Unquoted(init) + "\""
               : list != nullptr && list->Texts != nullptr && list->Texts[0] != nullptr
                   ? "\"" + std::string(list->Texts[0]) + "\""
                   : std::string("\"NONE_SELECTED\"");
    }
    if (choice == "\"NONE_SELECTED\"" || choice.size() < 2) continue;
    out += Format("    %s(%s, %s)\n", name != nullptr ? name : "", choice.substr(1, choice.size() - 2).c_str(),
                  f.Text(i).c_str());
  }
  out += Format("    goto %s\n\n", f.Text(8).c_str());
}

void SuperBlockExit(const BlockFields& f, const ScriptPage& page, std::string& out) {
  const std::string& name = f.Name();
  int value = -1;
  if (page.PageType == kTypeVerificationBlock) {
    const std::size_t dollar = name.find('$');
    const std::string own = dollar == std::string::npos ? name : name.substr(dollar + 1);
    value = own == "Success" ? 100 : own == "Failure" ? 101 : 102;
  } else {
    const std::string& exitName = f.Block().Companion.empty() ? name : f.Block().Companion;
    const auto* data = page.Page != nullptr ? dynamic_cast<const SBPageData*>(page.Page->Data.get()) : nullptr;
    int position = 0;
    for (const PBFieldDef* e = data != nullptr ? data->Table() : nullptr; e != nullptr && !e->IsEnd(); ++e) {
      if (!e->IsGoto()) continue;
      if (exitName == e->Name) {
        value = 100 + position;
        break;
      }
      ++position;
    }
    if (value < 0) {
      throw ScriptFailure(kScriptInternalError,
                          Format("The End Block '%s' stands for no exit of its page.", name.c_str()));
    }
  }
  out += Format("    Error := 0\n    return %d\n\n", value);
}

void SetFlag(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string flag = f.Text(0), g = f.Text(1);
  switch (f.Word(2)) {
    case 1: out += Format("    %s := 0\n    goto %s\n\n", flag.c_str(), g.c_str()); break;
    case 2:
      out += Format("    if (%s != 0)  %s := 0\n    else  %s := 1\n    goto %s\n\n", flag.c_str(), flag.c_str(),
                    flag.c_str(), g.c_str());
      break;
    default: out += Format("    %s := 1\n    goto %s\n\n", flag.c_str(), g.c_str()); break;
  }
}

void TestFlag(const BlockFields& f, const ScriptPage&, std::string& out) {
  out += Format("    if (%s != 0)  goto %s\n    goto %s\n\n", f.Text(0).c_str(), f.Text(1).c_str(), f.Text(2).c_str());
}

void MakeDate(const BlockFields& f, const ScriptPage&, std::string& out) {
  std::string t[8];
  for (int i = 0; i < 8; ++i) t[i] = f.Text(i);
  if (f.OperandType(0) == kTypeDateString) {
    out += Format("    UMakeDate(%s,%s,%s,%s,%s,%s,%s)\n    goto %s\n\n", t[0].c_str(), t[1].c_str(), t[2].c_str(),
                  t[3].c_str(), t[4].c_str(), t[5].c_str(), t[6].c_str(), t[7].c_str());
  } else {
    out += Format("    UMakeDateDelta(%s,%s,%s,%s,%s)\n    goto %s\n\n", t[0].c_str(), t[3].c_str(), t[4].c_str(),
                  t[5].c_str(), t[6].c_str(), t[7].c_str());
  }
}

void SplitDate(const BlockFields& f, const ScriptPage&, std::string& out) {
  std::string t[9];
  for (int i = 0; i < 9; ++i) t[i] = f.Text(i);
  if (f.OperandType(0) == kTypeDateString) {
    out += Format("    USplitDate(%s,%s,%s,%s,%s,%s,%s,%s)\n    goto %s\n\n", t[0].c_str(), t[1].c_str(),
                  t[2].c_str(), t[3].c_str(), t[4].c_str(), t[5].c_str(), t[6].c_str(), t[7].c_str(), t[8].c_str());
  } else {
    out += Format("    USplitDateDelta(%s,%s,%s,%s,%s)\n    goto %s\n\n", t[0].c_str(), t[3].c_str(), t[5].c_str(),
                  t[6].c_str(), t[7].c_str(), t[8].c_str());
  }
}

void ContinueDocument(const BlockFields& f, const ScriptPage&, std::string& out) {
  out += Format("\tXContinueDocument( %d, %s)\n    goto %s\n\n", f.Word(2), f.Text(0).c_str(), f.Text(1).c_str());
}

void StructureCopy(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string a = f.Text(0), b = f.Text(1);
  out += Format("    %s := %s\n    _T_%s := _T_%s\n    goto %s\n\n", a.c_str(), b.c_str(), a.c_str(), b.c_str(),
                f.Text(2).c_str());
}

void PageCall(const BlockFields& f, const ScriptPage&, std::string& out) {
  const std::string& called = f.Block().Companion;
  const std::size_t dot = called.rfind('.');
  const std::string part = dot == std::string::npos ? called : called.substr(dot + 1);
  out += Format("    Done := $$_%s.AppManager(CurMailbox,CurMessage,CurAddress,CurBody)\n", part.c_str());
  out += Format("    if(Done = D_ULVO_CONTINUE) goto UserApp$%s\n", f.Text(1).c_str());
  out += "    if(Done = D_ULVO_END) goto UserApp$End\n\n";
}

struct OwnEmitter {
  int Type;
  Emitter Emit;
};

constexpr OwnEmitter kEmitters[] = {
    {blocks::kCompare, Compare},
    {blocks::kAssign, Assign},
    {blocks::kCallSubroutine, CallSubroutine},
    {blocks::kReturn, Return},
    {blocks::kEndProgram, EndProgram},
    {blocks::kChannelParms, ChannelParms},
    {blocks::kAdd, Arithmetic},
    {blocks::kSubtract, Arithmetic},
    {blocks::kMultiply, Arithmetic},
    {blocks::kDivide, Arithmetic},
    {blocks::kCountLoop, CountLoop},
    {blocks::kHandleEvent, HandleEvent},
    {blocks::kParmGet, SelectionCalls},
    {blocks::kParmSet, SelectionCalls},
    {blocks::kFaxParmSet, SelectionCalls},
    {blocks::kEndBlock, SuperBlockExit},
    {blocks::kSetFlag, SetFlag},
    {blocks::kTestFlag, TestFlag},
    {blocks::kMakeDate, MakeDate},
    {blocks::kSplitDate, SplitDate},
    {blocks::kContinueDocument, ContinueDocument},
    {blocks::kStructureCopy, StructureCopy},
    {blocks::kPageCall, PageCall},
};

struct Head {
  int Type;
  const char* Text;
};

constexpr Head kHeads[] = {
    {blocks::kMailForward, "    bMMailFwdAssign("}, {blocks::kMailAdd, "    bMMailAssign("},
    {blocks::kMailUpdate, "    bMMailAssign("},     {blocks::kMailboxAdd, "    bMMBAssign("},
    {blocks::kMailboxUpdate, "    bMMBAssign("},    {blocks::kListUpdate, "    bMDLAssign("},
    {blocks::kListAdd, "    bMDLAssign("},
};

}  // namespace

bool EmitOwnCode(const BlockFields& fields, const ScriptPage& page, std::string& out) {
  for (const OwnEmitter& e : kEmitters) {
    if (e.Type == fields.Block().Type) {
      e.Emit(fields, page, out);
      return true;
    }
  }
  return false;
}

const char* FixedStatementHead(int blockType) {
  for (const Head& h : kHeads) {
    if (h.Type == blockType) return h.Text;
  }
  return nullptr;
}

std::string SuperBlockCallText(const BlockFields& f) {
  std::string args = "CurMailbox,CurMessage,CurAddress,CurBody ,";
  for (int i = 0; i < f.Count() && !f.Entry(i).IsGoto(); ++i) {
    if (!f.HasValue(i)) {
      // A value left out would shift every later argument: the compiler is to report it.
      args += " !VALUE!,";
      continue;
    }
    args += " " + f.Text(i) + ",";
    const SymP* slot = f.Slot(i);
    if (f.HasReference(i) && (slot->S->Type == kTypeVoiceSentence || slot->S->Type == kTypeVSentenceVar)) {
      args += " _T_" + f.Text(i) + ",";
    }
  }
  args.back() = ' ';
  return Format("    Done := %s(%s)\n", f.Block().Companion.c_str(), args.c_str());
}

std::string MailboxKeyLines(const BlockFields& f) {
  static const char* const kMembers[] = {"MBState", "Category1", "Category2", "Category3", "Category4", "OwnerID"};
  ScriptCounters& counters = GeneratorCounters();
  std::string out;
  for (int key = 0; key < 2; ++key) {
    const int number = key == 0 ? ++counters.MailboxMin : ++counters.MailboxMax;
    const std::string scratch = Format(key == 0 ? "__ScrapMBMin%d__" : "__ScrapMBMax%d__", number);
    const int first = key == 0 ? 1 : 7;
    for (int m = 0; m < 6; ++m) {
      const int field = first + m;
      std::string value;
      if (f.HasConstant(field)) {
        value = f.ConstantText(field, m == 5 ? kTypeString : kTypeInteger, false, true);
      } else if (f.HasReference(field)) {
        value = f.ReferenceText(field);
      } else {
        continue;
      }
      out += Format("    %s.%s := %s\n", scratch.c_str(), kMembers[m], value.c_str());
    }
  }
  out += "\n";
  return out;
}

std::string MenuChoiceLines(const BlockFields& f, float targetVersion) {
  static const char* const kChoices[] = {
      "D_MENUCHOICE1", "D_MENUCHOICE2", "D_MENUCHOICE3", "D_MENUCHOICE4", "D_MENUCHOICE5",
      "D_MENUCHOICE6", "D_MENUCHOICE7", "D_MENUCHOICE8", "D_MENUCHOICE9", "D_MENUCHOICE0",
      "D_MENUSTAR",    "D_MENUNUMBER",  "D_MENUTIMEOUT", "D_MENUINVALID",
  };
  std::string out;
  for (int i = 0; i < 14; ++i) {
    if (f.HasValue(i)) out += Format("    if(Done = %s) goto UserApp$%s\n", kChoices[i], Target(f, i).c_str());
  }
  if (targetVersion >= 8.02f || targetVersion == 0) {
    if (f.HasValue(23)) out += Format("    if(Done = D_MENUROTARY) goto UserApp$%s\n", Target(f, 23).c_str());
  } else if (targetVersion >= 6.07f) {
    if (f.HasValue(21)) out += Format("    if(Done = D_MENUROTARY) goto UserApp$%s\n", Target(f, 21).c_str());
  } else {
    out += "    if(Done = D_MENUROTARY) goto UserApp$Rotary\n";
  }
  out += "    if(Done = D_MENUEND) goto UserApp$End\n";
  return out;
}

}  // namespace zeph
