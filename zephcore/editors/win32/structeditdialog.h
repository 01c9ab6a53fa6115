#pragma once
// The structure list ("DIALOG_STRUCTEDIT"): the program's own structures, with Add (a
// name, then the fields editor; a structure left without fields is deleted again), Edit,
// Delete, Rename, Copy and Paste. Windows only.

#include "foundation/kvbasedlg.h"
#include "owl/listbox.h"

namespace zeph {

class TProgram;

inline constexpr const char* kStructEditResource = "DIALOG_STRUCTEDIT";

enum StructEditControls : int {
  kStructList = 361, kStructListAdd = 137, kStructListEdit = 135, kStructListDelete = 138,
  kStructListCopy = 141, kStructListRename = 140, kStructListPaste = 142,
};

class TStructEdit : public TBaseDialog {
 public:
  TStructEdit(TWindow* parent, const char* resource, TProgram& program);
  ~TStructEdit() override;

 protected:
  void SetupWindow() override;

 private:
  void Fill();
  std::string Selected() const;
  void EditFields(const std::string& name);
  void EvAdd();
  void EvEdit();
  void EvDelete();
  void EvCopy();
  void EvRename();
  void EvPaste();

  TProgram& program_;
  TListBox* list_ = nullptr;

  DECLARE_RESPONSE_TABLE(TStructEdit);
};

}  // namespace zeph
