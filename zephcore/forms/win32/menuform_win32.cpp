// The voice menu form of the older layout.
#include "forms/win32/menuform.h"

#include <array>

#include "scribe/scribe.h"

namespace zeph {
namespace {

constexpr std::uint16_t kOldMenuStructure = 5254;
constexpr int kMsgMenuWithoutKeyGoto = -159;

std::array<OwnFormControl, kMenuFormEntries> MakeControls() {
  std::array<OwnFormControl, kMenuFormEntries> c{};
  c[0] = {441, 0, false};    // "Log Menu Selection"
  c[1] = {402, 401, false};  // "Menu Parameters"
  for (int s = 0; s < 5; ++s) c[static_cast<std::size_t>(2 + s)] = {404 + 2 * s, 403 + 2 * s, true};
  for (int k = 0; k < kMenuKeyGotos; ++k) c[static_cast<std::size_t>(kMenuFirstKeyGoto + k)] = {429 + k, 417 + k, false};
  c[19] = {414, 413, false};  // "Goto on No Answer"
  c[20] = {416, 415, false};  // "Goto on Wrong Answer"
  return c;
}

}  // namespace

const OwnFormControl* MenuFormControls() {
  static const std::array<OwnFormControl, kMenuFormEntries> controls = MakeControls();
  return controls.data();
}

DEFINE_RESPONSE_TABLE(TMenuForm, TOwnTableForm)
  EV_COMMAND_RANGE(401, 428, PickButton),
END_RESPONSE_TABLE;

TMenuForm::TMenuForm(TWindow* parent, const char* resource, PBInstance* instance)
    : TOwnTableForm(parent, resource, instance,
                    static_cast<const PBFieldDef*>(scribe::AssignPtrsInDLL1(kOldMenuStructure, nullptr)),
                    MenuFormControls(), kMenuFormEntries) {}

void TMenuForm::CheckBeforeStore(int& unfinished) {
  for (int k = 0; k < kMenuKeyGotos; ++k) {
    if (!EditText(kMenuFirstKeyGoto + k).empty()) return;
  }
  ShowFormMessage(HWindow, kMsgMenuWithoutKeyGoto);
  unfinished = 1;
}

}  // namespace zeph
