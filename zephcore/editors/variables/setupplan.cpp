// What setting up a variable opens.
#include "editors/variables/setupplan.h"

#include <cstdio>
#include <cstring>

#include "editors/variables/scopes.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"

namespace zeph {
namespace {

using S = SetupStartValue;
constexpr S kMenuStarts[] = {{S::kWord, 2, 3, nullptr}, {S::kWord, 4, 3, nullptr}, {S::kLong, 6, 4000, nullptr}};
constexpr S kEntryStarts[] = {{S::kWord, 14, 3, nullptr},   {S::kWord, 16, 3, nullptr}, {S::kLong, 18, 4000, nullptr},
                              {S::kWord, 56, 0, nullptr},   {S::kText, 58, 0, "*"},     {S::kText, 74, 0, ""}};
constexpr S kMultiMailStarts[] = {{S::kWord, 44, 1, nullptr}};
constexpr S kVrecStarts[] = {{S::kWord, 0, 3, nullptr}, {S::kWord, 2, 3, nullptr}, {S::kLong, 4, 4000, nullptr},
                             {S::kWord, 8, 1, nullptr}, {S::kWord, 10, 1, nullptr}, {S::kWord, 12, 0, nullptr}};
constexpr S kToneStarts[] = {{S::kWord, 0, 0, nullptr}, {S::kLong, 2, -2049, nullptr}, {S::kLong, 6, 0, nullptr},
                             {S::kLong, 10, 2048, nullptr}};

#define ZEPH_STARTS(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
const SetupForm kForms[] = {
    {9, "TEntryKParm", "VQ_VCE_ENTDIG_KPARM", "Setup Keyboard Digits Entry Param / %s", "EntryKStruct", false, nullptr, 0},
    {10, "TEntrySParm", "VQ_VCE_ENTDIG_SPARM", "Setup Speech Digits Entry Param / %s", "EntrySStruct", false, nullptr, 0},
    {11, "TOtherParm", "VQ_VCE_ENTDIG_PARM", "Setup Other Param / %s", "EntryParm", false, nullptr, 0},
    {25, "TOtherParm", "VQ_VCE_ENTDIG_PARM", "Setup Other Param / %s", "MenuParm", false, nullptr, 0},
    {12, "TMenuParmForm", "DIALOG_MENUPARMS_NA2", "Setup MenuParms / %s", "MenuParms", true, ZEPH_STARTS(kMenuStarts)},
    // The message form edits the variable's own record, like every other form here.
    {13, "TMsgParm", "DIALOG_MSGPARM", "Setup MessageParms / %s", "MessageParms", false, nullptr, 0},
    {14, "TEntParmForm", "DIALOG_ENTRYPARMS", "Setup EntryParms / %s", "EntryParms", true, ZEPH_STARTS(kEntryStarts)},
    {15, "TRecParmForm", "DIALOG_RECPARMS", "Setup RecordParms / %s", "RecordParms", false, nullptr, 0},
    {16, "TMulParmForm", "DIALOG_MULS", "Setup MultiMailParms / %s", "MultiMailParms", true, ZEPH_STARTS(kMultiMailStarts)},
    {23, "TMenuKParm", "VQ_VCE_VCEMNU_KPARM", "Setup Menu Keypad Param / %s", "MenuKParm", false, nullptr, 0},
    {24, "TMenuSParm", "VQ_VCE_VCEMNU_SPARM", "Setup Speech Menu Entry Param / %s", "MenuSStruct", false, nullptr, 0},
    {36, "TFileParmForm", "DIALOG_FILEPARMS", "Setup FileParms / %s", "FileParms", true, nullptr, 0},
    {37, "TFileParmForm", "DIALOG_FILEPARMS", "Setup MailParms / %s", "MailParms", true, nullptr, 0},
    {42, "TPlayParm", "VQ_VCE_PLYVCE_PARM", "Setup Play Parameters / %s", "PlayParms", true, nullptr, 0},
    {47, "TVCRForm", "DIALOG_VCRPARM", "Setup RecordEdit Parameters / %s", "RecordEditParms", true, nullptr, 0},
    {50, "TRecordSmall", "VQ_VCE_RECVCE_PARM", "Setup RecordVoice Parameters / %s", "RecordVoiceParms", true, nullptr, 0},
    {51, "TVRecParmForm", "DIALOG_VRECPARMS", "Setup VREntry Parms / %s", "VREntryParms", true, ZEPH_STARTS(kVrecStarts)},
    {54, "TToneParmForm", "DIALOG_GETTONEPARMS_NA2", "Setup ToneParms / %s", "ToneParms", true, ZEPH_STARTS(kToneStarts)},
    {56, "TAdrTypeFilterDialog", "VQ_ADL_RESADR_PARM", "Setup Filter Type / %s", "AddrFParm", false, nullptr, 0},
    {57, "TPlayKParm", "VQ_VCE_PLYVCE_KPARM", "Setup Key Play Parameters / %s", "PlayKParms", false, nullptr, 0},
    {58, "TPlaySParm", "VQ_VCE_PLYVCE_SPARM", "Setup Speech Play Parameters / %s", "PlaySParms", false, nullptr, 0},
};
#undef ZEPH_STARTS

// Types whose values are structures set up member by member.
bool IsMemberwise(int type) {
  static constexpr int kCodes[] = {0, 8, 17, 18, 21, 26, 27, 28, 29, 30, 31, 32, 38, 39, 44, 45, 46, 52, 55};
  if (type >= 59) return true;
  for (int c : kCodes) {
    if (c == type) return true;
  }
  return false;
}

bool CannotSetUp(int type) {
  static constexpr int kCodes[] = {7, 22, 33, 34, 35, 43};
  for (int c : kCodes) {
    if (c == type) return true;
  }
  return false;
}


SetupPlan Refuse(const char* text) {
  SetupPlan plan;
  plan.Message = text;
  return plan;
}

void PutLittleEndian(unsigned char* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

const SetupForm* FindSetupForm(int type) {
  for (const SetupForm& f : kForms) {
    if (f.Type == type) return &f;
  }
  return nullptr;
}

bool SymbolKindCannotBeSetUp(const Symbol& symbol) {
  return CannotSetUp(symbol.Type) || symbol.Scope == kScopeParameter;
}

SetupPlan PlanVariableSetup(const VariableSelection& selection) {
  if (selection.Symbol == nullptr) return Refuse(kMustSelectVariableText);
  if (selection.MemberLine) return Refuse("To set up structure members, double-click on the selected item");
  const Symbol& symbol = *selection.Symbol;
  const int type = symbol.Type;
  // The fax document type is set up in its own editor, ahead of the structure refusal.
  if (type != kTypeFaxDocument && IsMemberwise(type)) {
    return Refuse(
        "You can not set up this structure.  If the same variable name exists with a preceding '@', double-click on "
        "it to set up the structure members");
  }
  if (SymbolKindCannotBeSetUp(symbol)) return Refuse("You can not set up this structure or symbol type");
  if (symbol.ArraySize >= 2) return Refuse("You can not set up an array or a member of an array");
  SetupPlan plan;
  if (const SetupForm* form = FindSetupForm(type)) {
    plan.Action = SetupAction::Form;
    plan.Form = form;
    char caption[160];
    std::snprintf(caption, sizeof caption, form->CaptionFormat, symbol.Name);
    plan.Caption = caption;
    return plan;
  }
  switch (type) {
    case kTypeFaxDocument: plan.Action = SetupAction::FaxEditor; break;
    case kTypeSQLInfo: plan.Action = SetupAction::Nothing; break;
    case kTypeDelay: return Refuse("This variable cannot be setup. \n Use SetDelay vavurorezo !");
    case kTypeErrDelay: return Refuse("This variable cannot be setup. \n Use SetErrDelay vavurorezo !");
    case kTypeBoolean: plan.Action = SetupAction::Boolean; break;
    default: plan.Action = SetupAction::Value; break;
  }
  return plan;
}

ValueBlockData* PrepareSetupBlock(Symbol& variable, const SetupForm& form) {
  if (ValueBlockData* existing = VariableStorage(variable)) return existing;
  // Blocks follow the model's own record sizes.
  const int size = GetBuiltinTypeSize(form.Type);
  if (size <= 0) return nullptr;
  ValueBlockData& block = MakeVariableStorage(variable, size);
  for (int i = 0; i < form.StartCount; ++i) {
    const SetupStartValue& s = form.Starts[i];
    switch (s.Type) {
      case SetupStartValue::kWord:
        if (s.Offset + 2 <= size) PutLittleEndian(block.Bytes() + s.Offset, static_cast<std::uint32_t>(s.Number), 2);
        break;
      case SetupStartValue::kLong:
        if (s.Offset + 4 <= size) PutLittleEndian(block.Bytes() + s.Offset, static_cast<std::uint32_t>(s.Number), 4);
        break;
      case SetupStartValue::kText: {
        const std::size_t n = std::strlen(s.Text) + 1;
        if (s.Offset + static_cast<int>(n) <= size) std::memcpy(block.Bytes() + s.Offset, s.Text, n);
        break;
      }
    }
  }
  return &block;
}

}  // namespace zeph
