// TProgram::EditVavurOrezo: the table, caption, help key and form of a VavurOrezo.
#include "model/program/editform.h"

#include <array>
#include <vector>

#include "foundation/kvassert.h"
#include "model/pbcat.h"
#include "model/pbfield_lookup.h"
#include "model/program/program.h"
#include "model/superblk.h"
#include "model/pbfielddef.h"

namespace zeph {
namespace {

constexpr int kTypeSuperBlockCall = -101;
constexpr int kDialogKinds = 5;

std::array<VavurOrezoFormMaker, kDialogKinds>& Makers() {
  static std::array<VavurOrezoFormMaker, kDialogKinds> makers{};
  return makers;
}

}  // namespace

void SetVavurOrezoFormMaker(int dialogKind, VavurOrezoFormMaker maker) {
  if (dialogKind > 0 && dialogKind < kDialogKinds) Makers()[static_cast<std::size_t>(dialogKind)] = maker;
}

int TProgram::EditVavurOrezo(PBInstance* instance) {
  if (!KV_ASSERT(instance != nullptr)) return 0;
  VavurOrezoFormRequest request;
  request.Owner = ownerWindow_;
  request.DialogModule = dialogModule_;
  request.Instance = instance;
  std::vector<PBFieldDef> callTable;   // a SuperBlock call's own copy of the page's interface
  std::unique_ptr<VavurOrezoForm> form;

  if (instance->Type == kTypeSuperBlockCall || instance->Type == kPBTypeCustom) {
    request.Caption = instance->Companion + " / " + instance->Name;
    request.HelpKey = "SuperBlock";
    request.DialogKind = 1;
    if (instance->Type == kTypeSuperBlockCall) {
      const PBFieldDef* page = FindPageInterface(instance->Companion.c_str(), &symbols_);
      if (page == nullptr) return 0;
      // The call's exits are drawn, not edited: its form shows the variables only.
      for (const PBFieldDef* e = page; ; ++e) {
        callTable.push_back(*e);
        if (e->IsEnd()) break;
        if (e->IsGoto()) callTable.back().SkipMe = 1;
      }
      request.Table = callTable.data();
      request.Resource = kSuperBlockCallForm;
    } else {
      request.Table = CustomGotoTable();
      request.Resource = kCustomVavurOrezoForm;
    }
  } else {
    const PBType* slot = GetPBType(instance->Type);
    if (slot == nullptr) return 0;
    request.Table = GetFieldTable(instance->Type, instance);
    request.DialogKind = slot->DialogKind;
    request.Resource = slot->DialogResource;
    const char* shown = slot->DisplayName != nullptr && slot->DisplayName[0] != '\0' ? slot->DisplayName
                                                                                      : slot->InternalName;
    request.Caption = std::string(shown != nullptr ? shown : "") + " / " + instance->Name;
    request.HelpKey = slot->DisplayName != nullptr && slot->DisplayName[0] != '\0' ? slot->DisplayName : "API";
    // A slot's own factory wins over the form of its dialog kind.
    if (slot->FormFactory != nullptr) {
      form.reset(static_cast<VavurOrezoForm*>(slot->FormFactory(ownerWindow_, instance, slot)));
    } else if (slot->DialogKind == 0) {
      if (slot->DirectAction != nullptr) {
        slot->DirectAction(this, instance, instance, ownerWindow_);
        return 0;
      }
    }
  }
  if (!form && request.DialogKind > 0 && request.DialogKind < kDialogKinds) {
    if (VavurOrezoFormMaker maker = Makers()[static_cast<std::size_t>(request.DialogKind)]) form = maker(request);
  }
  if (!form || form->Execute() != 1) return 0;
  SendModelWindowMessage(ownerWindow_, kMsgVavurOrezoChanged, 0, 1);
  return 1;
}

}  // namespace zeph
