// The key grid of a record menu or of the keys between messages.
#include "forms/win32/parm1form.h"

#include <vector>

#include "forms/keys/keymasks.h"
#include "pane/keydefsids.h"

namespace zeph {
namespace {

std::vector<int> RowsOf(int count) {
  std::vector<int> rows;
  for (int r = 0; r < count; ++r) rows.push_back(IDC_KEYGRID_BASE + IDC_KEYGRID_ROW_STRIDE * r);
  return rows;
}

}  // namespace

Parm1Form::Parm1Form(TWindow* parent, const char* resource, std::uint32_t* masks, int nine)
    : TGenericForm(parent, resource), masks_(masks), grid_(RowsOf(nine != 0 ? 9 : 6), keys::kGridKeys) {}

void Parm1Form::SetupWindow() {
  TGenericForm::SetupWindow();
  grid_.Attach(HWindow);
  grid_.ShowMasks(masks_);
}

bool Parm1Form::CanClose() {
  if (!TGenericForm::CanClose()) return false;
  std::vector<std::uint32_t*> rows;
  for (int r = 0; r < grid_.Rows(); ++r) rows.push_back(&masks_[r]);
  grid_.BuildMasks(rows);
  return true;
}

}  // namespace zeph
