#include "owl/checkbox.h"

#include <cstdint>
#include <cstring>

#include "owl/groupbox.h"

DEFINE_RESPONSE_TABLE(TCheckBox, TControl)
  EV_NOTIFY_AT_CHILD(BN_CLICKED, BNClicked),
END_RESPONSE_TABLE;

TCheckBox::TCheckBox(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
                     TGroupBox* group, TModule* module)
    : TControl(parent, id, title, x, y, w, h, module), Group(group) {
  Attr.Style |= BS_AUTOCHECKBOX;
  TransferEnabled = true;
}

TCheckBox::TCheckBox(TWindow* parent, int resourceId, TGroupBox* group, TModule* module)
    : TControl(parent, resourceId, module), Group(group) {
  TransferEnabled = true;
}

UINT TCheckBox::GetCheck() const { return UINT(SendMessage(BM_GETCHECK)); }

void TCheckBox::SetCheck(UINT state) { SendMessage(BM_SETCHECK, state); }

void TCheckBox::Toggle() {
  bool threeState = (::GetWindowLongPtrA(HWindow, GWL_STYLE) & 0xF) == BS_3STATE ||
                    (::GetWindowLongPtrA(HWindow, GWL_STYLE) & 0xF) == BS_AUTO3STATE;
  UINT next = (GetCheck() + 1) % (threeState ? 3 : 2);
  SetCheck(next);
}

void TCheckBox::BNClicked() {
  LONG_PTR kind = HWindow ? (::GetWindowLongPtrA(HWindow, GWL_STYLE) & 0xF) : 0;
  if (kind == BS_CHECKBOX || kind == BS_3STATE) Toggle();
  if (Group) Group->SelectionChanged(Attr.Id);
}

UINT TCheckBox::Transfer(void* buffer, TTransferDirection direction) {
  if (direction == tdGetData) {
    uint16_t state = uint16_t(GetCheck());
    std::memcpy(buffer, &state, sizeof state);
  } else if (direction == tdSetData) {
    uint16_t state;
    std::memcpy(&state, buffer, sizeof state);
    SetCheck(state);
  }
  return sizeof(uint16_t);
}
