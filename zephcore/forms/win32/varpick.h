#pragma once
// The variable picker: lists the variables a pick request allows, shows the selected one's
// name, type, size and scope, picks an array element or the whole array, and hands the
// choice back in the request. Windows only.
//
//   PickRequest request;                       // restrictions and preset choice
//   TVarPick picker(parent, kVarPickResource, request, closeOnMember, representation);
//   if (picker.Execute() == IDOK) ... request.Chosen, MemberNumber, Index, Member2 ...

#include <functional>
#include <vector>

#include "forms/picker/pickerlines.h"
#include "foundation/kvbasedlg.h"
#include "owl/button.h"
#include "owl/checkbox.h"
#include "owl/edit.h"
#include "owl/listbox.h"
#include "owl/static.h"

namespace zeph {

class SymbolTable;

inline constexpr const char* kVarPickResource = "DIALOG_VAR";
inline constexpr const char* kIndexPickResource = "DIALOG_INDEX";

// Control ids of the picker's templates.
enum VarPickControls : int {
  kPickList = 176, kPickName = 177, kPickType = 178, kPickSize = 179, kPickScope = 107,
  kPickWholeArray = 104, kPickIndexEdit = 105, kPickIndexButton = 106,
  kPickDelete = 138, kPickAdd = 137, kPickResize = 143, kPickSetup = 136, kPickHelp = 9,
  kPickCopy = 141, kPickRename = 140, kPickPaste = 142, kPickBlocksText = 108,
};

class TVarPick : public TBaseDialog {
 public:
  TVarPick(TWindow* parent, const char* resource, PickRequest& request, int closeOnMember, int fieldRepresentation);
  ~TVarPick() override;

  // The program listed (null: the current one) and its page; without a scope the
  // current program's page is used.
  void SetProgram(SymbolTable* program) { program_ = program; }
  void SetScope(const PickerScope& scope) { scope_ = scope; hasScope_ = true; }

  // What runs on a double-clicked "@" line (the structure member chooser): it may put a
  // member into the request and set MemberChosen; answers 1 for Done. Without one the
  // double-click does nothing more.
  using MemberChooser = std::function<int(TVarPick& picker, Symbol& symbol, PickRequest& request)>;
  static void SetMemberChooser(MemberChooser chooser);

  // What runs on the list's commands: Add (137), Setup (136), Delete (138), Copy (141),
  // Rename (140), Resize (143) and Paste (142), and the set-up of a plain line
  // double-clicked in editor mode. Without one the commands do nothing.
  using CommandHandler = std::function<void(TVarPick& picker, int command)>;
  static void SetCommandHandler(CommandHandler handler);

  // The selected line's symbol (null: none) and whether the line is a member line.
  Symbol* SelectedSymbol(bool& memberLine) const;
  // Refills the list and selects the plain line of the symbol (the first line when it has
  // none), showing its information, array controls and Resize button.
  void Reshow(const Symbol* symbol);
  void SetCurrentSymbol(Symbol* symbol) { current_ = symbol; }
  SymbolTable* ListedProgram() const { return Program(); }

  bool IndexMode() const { return indexMode_; }
  Symbol* CurrentSymbol() const { return current_; }
  int MemberChosen = 0;
  PickRequest& Request() { return request_; }

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void Fill();
  void FillLines();
  void EvCommand(int command);
  void EvAdd() { EvCommand(kPickAdd); }
  void EvSetup() { EvCommand(kPickSetup); }
  void EvDelete() { EvCommand(kPickDelete); }
  void EvCopy() { EvCommand(kPickCopy); }
  void EvRename() { EvCommand(kPickRename); }
  void EvResize() { EvCommand(kPickResize); }
  void EvPaste() { EvCommand(kPickPaste); }
  int SelectedLine() const;
  void ShowSelection(int line);
  void ShowArrayControls(const Symbol* symbol);
  void EvSelChange();
  void EvDoubleClick();
  void EvWholeArray();
  void EvIndexButton();
  SymbolTable* Program() const;
  bool WholeChecked() const;
  int ReadIndex();

  PickRequest& request_;
  int closeOnMember_;
  int representation_;
  bool indexMode_;
  SymbolTable* program_ = nullptr;
  PickerScope scope_;
  bool hasScope_ = false;
  Symbol* current_ = nullptr;
  std::vector<PickerLine> lines_;

  TListBox* list_ = nullptr;
  TStatic* name_ = nullptr;
  TStatic* type_ = nullptr;
  TStatic* size_ = nullptr;
  TStatic* scopeText_ = nullptr;
  TCheckBox* whole_ = nullptr;
  TEdit* index_ = nullptr;
  TButton* indexButton_ = nullptr;
  TButton* resize_ = nullptr;

  DECLARE_RESPONSE_TABLE(TVarPick);
};

}  // namespace zeph
