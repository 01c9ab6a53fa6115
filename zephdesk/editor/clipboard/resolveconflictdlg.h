#pragma once
// The paste-conflict dialog (Windows only): one entry of a paste's conflicts, in the
// name form ("DIALOG_CONFLICT1") or the identical-item form ("DIALOG_CONFLICT2").

#include <vector>

#include "editor/clipboard/conflictform.h"
#include "editor/clipboard/kvcopyconflict.h"
#include "foundation/kvbasedlg.h"

namespace ed {

class TResolveConflictDlg : public TBaseDialog {
 public:
  // allFlag: the caller's all-names (name form) or all-identical flag, set by button
  // 105; replaceAll and lastSkipAll only in the identical form.
  TResolveConflictDlg(TWindow* parent, KvCopyConflict& conflicts, int index, bool identical, bool* allFlag,
                      bool* replaceAll, bool* lastSkipAll, std::vector<zeph::TClipInfo>* clipboardList);

  void SetupWindow() override;
  // OK: the radio's choice, or the typed name and ID when they pass their checks.
  bool CanClose() override;

 private:
  void CmDefault();
  void CmNew();
  void CmSkip();
  void CmReplace();
  void CmChange();
  void CmAll();
  void Identical(int radio);
  void Enable(int id, bool on);
  bool Checked(int id) const;

  KvCopyConflict& conflicts_;
  int index_;
  bool identical_;
  bool* allFlag_;
  bool* replaceAll_;
  bool* lastSkipAll_;
  std::vector<zeph::TClipInfo>* clipboardList_;
  ConflictFormTexts texts_;

  DECLARE_RESPONSE_TABLE(TResolveConflictDlg);
};

// The dialogs of KvCopyConflict::ResolveAll over a parent window.
class WindowsConflictDialogs : public ConflictDialogs {
 public:
  WindowsConflictDialogs(TWindow* parent, std::vector<zeph::TClipInfo>* clipboardList)
      : parent_(parent), clipboardList_(clipboardList) {}
  int AskName(KvCopyConflict& conflicts, int index, bool& allNames) override;
  int AskIdentical(KvCopyConflict& conflicts, int index, bool& allIdentical, bool& replaceAll,
                   bool& lastSkipAll) override;

 private:
  TWindow* parent_;
  std::vector<zeph::TClipInfo>* clipboardList_;
};

}  // namespace ed
