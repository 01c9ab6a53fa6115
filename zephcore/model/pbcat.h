#pragma once
// The VavurOrezo type catalogue: 416 type slots filled by registration objects, the names
// of the types by index, the reserved words and the choice lists of combo fields.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/pbtype.h"
#include "model/reserved_words.h"

namespace scribe {
class FieldTable;
}

namespace zeph {

class DefinePB;

// Receives the catalogue's error messages (shown in a message box by the designer).
using CatalogueMessageSink = std::function<void(const char* text)>;

class PBCatalogue {
 public:
  PBCatalogue();
  ~PBCatalogue();
  PBCatalogue(const PBCatalogue&) = delete;
  PBCatalogue& operator=(const PBCatalogue&) = delete;

  // The slot of a type index 0-415; null outside.
  PBType* Slot(int index);
  const PBType* Slot(int index) const;
  const char* InternalName(int index) const;
  const char* DisplayName(int index) const;
  ReservedWordTable& ReservedWords() { return reserved_; }
  const ReservedWordTable& ReservedWords() const { return reserved_; }
  // The choice list of an id 0-69; null outside.
  PBChoiceList* ChoiceList(int id);

  void SetMessageSink(CatalogueMessageSink sink) { sink_ = std::move(sink); }
  void Report(const char* text) const;

  // Keeps what the registrations of this catalogue point at.
  void Keep(std::unique_ptr<DefinePB> registration);
  const scribe::FieldTable* Keep(std::unique_ptr<scribe::FieldTable> table);
  const PBTemplatePair* Keep(std::vector<PBTemplatePair> tpl);

 private:
  friend class DefinePB;
  PBType slots_[kPBCatalogueSize];
  const char* internalNames_[kPBCatalogueSize] = {};
  const char* displayNames_[kPBCatalogueSize] = {};
  ReservedWordTable reserved_;
  PBChoiceList choiceLists_[kChoiceListCount];
  CatalogueMessageSink sink_;
  std::vector<std::unique_ptr<DefinePB>> registrations_;
  std::vector<std::unique_ptr<scribe::FieldTable>> tables_;
  std::vector<std::unique_ptr<std::vector<PBTemplatePair>>> templates_;
};

// Registration of one type slot. The object owns the upper-case copy of the internal name
// that it adds to the reserved words.
class DefinePB {
 public:
  DefinePB(PBCatalogue& catalogue, int typeIndex, const char* internalName,
           const char* displayName, const char* groupCode, const char* spareText,
           std::int16_t layoutKind, const PBFieldDef* fieldTable, std::uint16_t structId,
           const PBParmLayout* parmLayout, const PBTemplatePair* parmTemplate,
           std::int16_t dialogKind, const char* dialogResource, const char* keyword,
           const char* completedLabel, const char* failedLabel, std::int16_t reservedNumber,
           const char* upperCopy);
  ~DefinePB();
  DefinePB(const DefinePB&) = delete;
  DefinePB& operator=(const DefinePB&) = delete;

  // The upper-case copy this object made, or null.
  const char* UpperCopy() const { return copy_.get(); }

 private:
  std::unique_ptr<char[]> copy_;
};

// Stores the four hooks of a slot (after its registration).
void DefinePBHooks(PBCatalogue& catalogue, int typeIndex, PBCodeEmitter emitter,
                   PBFormFactory factory, PBDirectAction action, PBExtraHook hook);
// Stores a choice list; with both lists null, asks the field-table library for the id
// (texts) and the id plus 1000 (values).
void DefineChoiceList(PBCatalogue& catalogue, int id, const char* const* texts,
                      const char* const* values);

// Registers the type slots 0-392 (three modules) and 393-415 (the service blocks), then
// the choice lists, in the order of the registration modules.
void RegisterCatalogue(PBCatalogue& catalogue);
// The registration modules, for catalogues built piece by piece.
void RegisterTypeModule(PBCatalogue& catalogue);       // slots 0-229, 362-367
void RegisterTypeModule2(PBCatalogue& catalogue);      // slots 234-244, 230-233, 245-300, 336-340
void RegisterNewTypeModule(PBCatalogue& catalogue);    // slots 301-335, 341-361, 368-392
void RegisterServiceBlocks(PBCatalogue& catalogue);    // slots 393-415
void RegisterChoiceLists(PBCatalogue& catalogue);

// The process-wide catalogue: registered, its reserved words sorted and handed to the
// symbol table's name checks, on first use.
PBCatalogue& TheCatalogue();

// The slot of a type index in the process-wide catalogue; null outside 0-415.
const PBType* GetPBType(int typeIndex);

}  // namespace zeph
