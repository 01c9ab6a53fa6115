#pragma once
// Keys of a record menu (six functions) or between messages (nine): a grid of key radios
// over the caller's consecutive 32-bit masks (encoding B). Done rewrites exactly the shown
// masks; Cancel leaves them. Windows only.

#include <cstdint>

#include "forms/win32/genericform.h"
#include "forms/win32/keygrid.h"

namespace zeph {

inline constexpr const char kRecordMenuKeysResource[] = "DIALOG_VCRPARM1";
inline constexpr const char kBetweenMessagesKeysResource[] = "DIALOG_RAMAILPARM1";

class Parm1Form : public TGenericForm {
 public:
  // nine: 0 for the six record-menu masks, 1 for the nine between-message masks.
  Parm1Form(TWindow* parent, const char* resource, std::uint32_t* masks, int nine);
  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  std::uint32_t* masks_;
  KeyRadioGrid grid_;
};

}  // namespace zeph
