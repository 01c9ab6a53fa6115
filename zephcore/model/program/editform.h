#pragma once
// Opening a VavurOrezo's property form. The forms themselves live in the forms library: it
// registers one maker per table-driven dialog kind (1 table, 2 table with radios, 3 whole
// table, 4 rules); a catalogue type of kind 0 brings its own maker or acts directly.

#include <memory>
#include <string>

#include "foundation/kvwintypes.h"
#include "model/pbentry_instance.h"

namespace zeph {

// A property form, run modally: 1 when closed with OK.
class VavurOrezoForm {
 public:
  virtual ~VavurOrezoForm() = default;
  virtual int Execute() = 0;
};

// What a form is made from.
struct VavurOrezoFormRequest {
  HWND Owner = nullptr;
  void* DialogModule = nullptr;
  const char* Resource = nullptr;   // the dialog template's name
  PBInstance* Instance = nullptr;
  const PBFieldDef* Table = nullptr;
  int DialogKind = 0;
  std::string Caption;              // "%s / %s"
  std::string HelpKey;
};

using VavurOrezoFormMaker = std::unique_ptr<VavurOrezoForm> (*)(const VavurOrezoFormRequest& request);
// Registers the maker of a table-driven dialog kind (1-4); null removes it.
void SetVavurOrezoFormMaker(int dialogKind, VavurOrezoFormMaker maker);

// Names of the forms of SuperBlock calls and Custom VavurOrezos.
inline constexpr const char* kSuperBlockCallForm = "IDD_BLK_SUPERBLOCK";
inline constexpr const char* kCustomVavurOrezoForm = "DIALOG_0_1";

}  // namespace zeph
