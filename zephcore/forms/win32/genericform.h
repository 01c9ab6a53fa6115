#pragma once
// The base of every VavurOrezo property form: its pick request, the pick buttons' handler
// and the open variable picker, which message 2032 closes. Windows only.

#include <memory>
#include <new>
#include <utility>

#include "forms/picker/pickrequest.h"
#include "foundation/kvbasedlg.h"
#include "model/modelcodes.h"
#include "model/pbentry_instance.h"
#include "owl/edit.h"

namespace zeph {

class SymbolTable;
class TVarPick;

inline constexpr UINT kMsgClosePicker = 2032;
inline constexpr int kPickKindVoiceSentence = 0;
inline constexpr int kPickKindVariable = 1;
inline constexpr std::uint32_t kVoiceSentenceTypes2 = 0x4008;   // types 35 and 46

class TGenericForm : public TBaseDialog {
 public:
  TGenericForm(TWindow* parent, const char* resource, TModule* module = nullptr);
  ~TGenericForm() override;

  PickRequest& Request() { return request_; }
  TVarPick* OpenPicker() const { return picker_; }
  // The program whose symbols the form reads (null: the current one).
  void SetProgram(SymbolTable* program) { program_ = program; }
  SymbolTable* Program() const { return program_; }

  // The pick button of entry `field` of the form's table with its edit.
  void PickField(int field, TEdit* edit, int kind);
  // Ends the open picker with Done; 0.
  virtual int ClosePicker();

 protected:
  PBFieldDef* Table = nullptr;       // the form's own copy
  PBInstance* Instance = nullptr;

 private:
  LRESULT EvClosePicker(WPARAM, LPARAM);

  PickRequest request_;
  TVarPick* picker_ = nullptr;
  SymbolTable* program_ = nullptr;

  DECLARE_RESPONSE_TABLE(TGenericForm);
};

// Presets the request from the edit's text (PickReadFieldRef) and runs the picker, writing
// the chosen reference into the edit after Done (PickRunDialog). Answers the picker's result.
void PickReadFieldRef(PickRequest& request, TEdit* edit, SymbolTable* program);
int PickRunDialog(PickRequest& request, TEdit* edit, TVarPick& picker, SymbolTable* program);

// Shows a model code's text in a stop box owned by the window.
void ShowFormMessage(HWND owner, int code);

// Runs a dialog of a form (a key-definition dialog on the form's working copies) under
// its caption; "Out of memory" when it cannot be made.
template <class Dialog, class... Args>
void RunOwnedDialog(TWindow* owner, const char* caption, Args&&... args) {
  std::unique_ptr<Dialog> dialog(new (std::nothrow) Dialog(owner, std::forward<Args>(args)...));
  if (!dialog) {
    ShowFormMessage(owner->HWindow, kErrOutOfMemory);
    return;
  }
  dialog->SetCaption(caption);
  dialog->Execute();
}

}  // namespace zeph
