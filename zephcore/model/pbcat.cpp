// The type catalogue and the registration of its slots and choice lists.
#include "model/pbcat.h"
#include "programfile/script/codecallbacks.h"

#include <cctype>
#include <cstring>

#include "foundation/kvmsgbox.h"
#include "model/symnames.h"
#include "scribe/fielddesc.h"
#include "scribe/scribe.h"

namespace zeph {
namespace {

constexpr const char* kTooManyReservedWords = "Internal Error:  Too many reserverd words.";

}  // namespace

PBCatalogue::PBCatalogue() = default;

PBCatalogue::~PBCatalogue() {
  // Registrations are undone in reverse order of construction.
  while (!registrations_.empty()) registrations_.pop_back();
}

PBType* PBCatalogue::Slot(int index) {
  return (index >= 0 && index < kPBCatalogueSize) ? &slots_[index] : nullptr;
}

const PBType* PBCatalogue::Slot(int index) const {
  return (index >= 0 && index < kPBCatalogueSize) ? &slots_[index] : nullptr;
}

const char* PBCatalogue::InternalName(int index) const {
  return (index >= 0 && index < kPBCatalogueSize) ? internalNames_[index] : nullptr;
}

const char* PBCatalogue::DisplayName(int index) const {
  return (index >= 0 && index < kPBCatalogueSize) ? displayNames_[index] : nullptr;
}

PBChoiceList* PBCatalogue::ChoiceList(int id) {
  return (id >= 0 && id < kChoiceListCount) ? &choiceLists_[id] : nullptr;
}

void PBCatalogue::Report(const char* text) const {
  if (sink_) {
    sink_(text);
    return;
  }
  // An empty title and the stop icon.
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = "";
  request.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(request);
}

void PBCatalogue::Keep(std::unique_ptr<DefinePB> registration) {
  registrations_.push_back(std::move(registration));
}

const scribe::FieldTable* PBCatalogue::Keep(std::unique_ptr<scribe::FieldTable> table) {
  tables_.push_back(std::move(table));
  return tables_.back().get();
}

const PBTemplatePair* PBCatalogue::Keep(std::vector<PBTemplatePair> tpl) {
  templates_.push_back(std::make_unique<std::vector<PBTemplatePair>>(std::move(tpl)));
  return templates_.back()->data();
}

DefinePB::DefinePB(PBCatalogue& catalogue, int typeIndex, const char* internalName,
                   const char* displayName, const char* groupCode, const char* spareText,
                   std::int16_t layoutKind, const PBFieldDef* fieldTable, std::uint16_t structId,
                   const PBParmLayout* parmLayout, const PBTemplatePair* parmTemplate,
                   std::int16_t dialogKind, const char* dialogResource, const char* keyword,
                   const char* completedLabel, const char* failedLabel,
                   std::int16_t reservedNumber, const char* upperCopy) {
  PBType* slot = catalogue.Slot(typeIndex);
  if (slot == nullptr) return;
  slot->TypeIndex = static_cast<std::int16_t>(typeIndex);
  slot->InternalName = internalName;
  slot->DisplayName = displayName;
  slot->GroupCode = groupCode;
  slot->SpareText = spareText;
  slot->LayoutKind = layoutKind;
  slot->FieldTable = fieldTable;
  slot->StructId = structId;
  slot->ParmLayout = parmLayout;
  slot->ParmTemplate = parmTemplate;
  slot->DialogKind = dialogKind;
  slot->DialogResource = dialogResource;
  slot->Keyword = keyword;
  slot->ReservedNumber = reservedNumber;
  slot->CompletedLabel = completedLabel;
  slot->FailedLabel = failedLabel;
  if (structId != 0) {
    slot->FieldTable = static_cast<const PBFieldDef*>(scribe::AssignPtrsInDLL1(structId, nullptr));
  }
  catalogue.internalNames_[typeIndex] = internalName;
  catalogue.displayNames_[typeIndex] = displayName;

  ReservedWordTable& words = catalogue.ReservedWords();
  if (!words.HasRoomForPair()) {
    catalogue.Report(kTooManyReservedWords);
    return;
  }
  words.Append(internalName);
  if (upperCopy == nullptr && internalName != nullptr) {
    // The first character stays as it is ("bVEntry" gives "bVENTRY").
    const std::size_t n = std::strlen(internalName);
    copy_ = std::make_unique<char[]>(n + 1);
    std::memcpy(copy_.get(), internalName, n + 1);
    for (std::size_t i = 1; i < n; ++i) {
      copy_[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(copy_[i])));
    }
    upperCopy = copy_.get();
  }
  words.Append(upperCopy);
}

DefinePB::~DefinePB() = default;

void DefinePBHooks(PBCatalogue& catalogue, int typeIndex, PBCodeEmitter emitter,
                   PBFormFactory factory, PBDirectAction action, PBExtraHook hook) {
  PBType* slot = catalogue.Slot(typeIndex);
  if (slot == nullptr) return;
  slot->CodeEmitter = emitter;
  slot->FormFactory = factory;
  slot->DirectAction = action;
  slot->ExtraHook = hook;
}

void DefineChoiceList(PBCatalogue& catalogue, int id, const char* const* texts,
                      const char* const* values) {
  PBChoiceList* list = catalogue.ChoiceList(id);
  if (list == nullptr) return;
  if (texts == nullptr && values == nullptr) {
    texts = static_cast<const char* const*>(
        scribe::AssignPtrsInDLL1(static_cast<std::uint16_t>(id), nullptr));
    values = static_cast<const char* const*>(scribe::AssignPtrsInDLL1(
        static_cast<std::uint16_t>(id + scribe::kChoiceValuesOffset), nullptr));
  }
  list->Texts = texts;
  list->Values = values;
}

void RegisterCatalogue(PBCatalogue& catalogue) {
  RegisterTypeModule(catalogue);
  RegisterTypeModule2(catalogue);
  RegisterNewTypeModule(catalogue);
  RegisterServiceBlocks(catalogue);
  RegisterChoiceLists(catalogue);
  InstallCodeCallbacks(catalogue);
}

PBCatalogue& TheCatalogue() {
  static PBCatalogue* catalogue = [] {
    static PBCatalogue instance;
    RegisterCatalogue(instance);
    instance.ReservedWords().Sort();
    SetReservedWordTable(instance.ReservedWords().Words(),
                         static_cast<std::size_t>(instance.ReservedWords().Count()));
    return &instance;
  }();
  return *catalogue;
}

const PBType* GetPBType(int typeIndex) { return TheCatalogue().Slot(typeIndex); }

}  // namespace zeph
