#pragma once
// The clipboard's dialogs over the window-class layer. Windows only: include it from
// *_win32 files.

#include <memory>

#include "foundation/kvbasedlg.h"
#include "owl/button.h"
#include "owl/edit.h"
#include "owl/listbox.h"
#include "programfile/clipboard/clipconflicts.h"

namespace zeph {

inline constexpr int kConflictsFirstTab = 154;   // dialog template units
inline constexpr int kConflictsSecondTab = 302;
inline constexpr int kContentsFirstTab = 167;
inline constexpr int kContentsSecondTab = 233;

// The clipboard's entries whose names clash in the target, with a decision for each. With
// singleName set, the one name in nameBuffer, whose chosen name "Done" writes back.
class TNameConflicts : public TBaseDialog {
 public:
  TNameConflicts(TWindow* parent, TProgram& target, TModule* module, int singleName, char* nameBuffer);
  ~TNameConflicts() override;

  void SetupWindow() override;
  // "Done" while conflicts are unresolved warns and stays open.
  bool CanClose() override;
  int Unresolved() const { return resolver_ != nullptr ? resolver_->Unresolved() : 0; }

 private:
  void CmDontCopy();
  void CmUseExisting();
  void CmRename();
  void SelectionChanged();
  void UpdateButtons();
  // Rebuilds the decided line in place, selects the next one.
  void Decided(int index, bool focusEdit);

  TProgram& target_;
  int single_;
  char* buffer_;
  std::unique_ptr<ConflictResolver> resolver_;
  TListBox* list_;
  TEdit* edit_;
  TButton* dontCopy_;
  TButton* useExisting_;
  TButton* rename_;

  DECLARE_RESPONSE_TABLE(TNameConflicts);
};

// What the clipboard holds, one line per entry.
class TClipContents : public TBaseDialog {
 public:
  TClipContents(TWindow* parent, TModule* module);
  void SetupWindow() override;

 private:
  TListBox* list_;
};

}  // namespace zeph
