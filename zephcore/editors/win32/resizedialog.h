#pragma once
// The resize dialog ("DIALOG_RESIZE"): a variable's string size and element count, or a
// structure member's string size. Done applies the change through the resize rules and
// stays open on a refusal, with the focus on the edit at fault. Windows only.

#include "editors/variables/resizevar.h"
#include "foundation/kvbasedlg.h"
#include "owl/edit.h"
#include "owl/static.h"

namespace zeph {

inline constexpr const char* kResizeResource = "DIALOG_RESIZE";

enum ResizeControls : int {
  kResizeName = 101, kResizeType = 102,
  kResizeStringLabel = 300, kResizeStringSize = 301, kResizeNewStringLabel = 302, kResizeNewString = 303,
  kResizeArrayLabel = 304, kResizeArraySize = 305, kResizeNewArrayLabel = 306, kResizeNewArray = 307,
};

class TResizeDialog : public TBaseDialog {
 public:
  // One of symbol or member is given; the program is the symbol's.
  TResizeDialog(TWindow* parent, const char* resource, Symbol* symbol, TProgram* program);
  TResizeDialog(TWindow* parent, const char* resource, StructMember* member);
  ~TResizeDialog() override;

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void MakeControls();
  std::string Read(TEdit* edit) const;

  Symbol* symbol_ = nullptr;
  TProgram* program_ = nullptr;
  StructMember* member_ = nullptr;
  TEdit* newString_ = nullptr;
  TEdit* newCount_ = nullptr;
};

}  // namespace zeph
