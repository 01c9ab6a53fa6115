#pragma once
// The voice sentence dialogs: TSent, the list from which a sentence is chosen and in which
// sentences are added, edited, renamed, deleted, copied, pasted and searched ("VS_VS1");
// TSentName, the name and scope entry ("DIALOG_SENTNAME"); and VS2, the editor of one
// sentence ("VS_VS2"). Windows only.

#include <functional>
#include <memory>
#include <string>

#include "editors/sentences/sentedit.h"
#include "forms/picker/pickrequest.h"
#include "foundation/kvbasedlg.h"

namespace zeph {

class TProgram;

inline constexpr const char* kSentListResource = "VS_VS1";
inline constexpr const char* kSentNameResource = "DIALOG_SENTNAME";
inline constexpr const char* kSentEditResource = "VS_VS2";

class TSentName : public TBaseDialog {
 public:
  // scope: 0 global, 1 local, 2 parameter (read at set-up, written by Done); name gets the
  // full name at Done; oldName is the renamed sentence's name after "$".
  TSentName(TWindow* parent, const char* resource, int& scope, bool renaming, std::string& name,
            const std::string& caption, const std::string& oldName, TProgram& program);

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  int& scope_;
  bool renaming_;
  std::string& name_;
  std::string caption_;
  std::string oldName_;
  TProgram& program_;
};

class VS2 : public TBaseDialog {
 public:
  // resultFlag: 1 when the sentence has phrases after the dialog, 0 when it is empty.
  VS2(TWindow* parent, const char* resource, int& resultFlag, const std::string& sentenceName, TProgram& program);

  bool CanClose() override;
  int Execute() override;
  SentenceEditor& Editor() { return editor_; }

 protected:
  void SetupWindow() override;

 private:
  int Kind() const;
  std::string Database() const;
  std::string Prompt() const;
  std::string Comment() const;
  int Selected() const;
  void Refill(int select);
  void ApplyKind(int kind);
  void SelectEnd();
  void EvKindChange();
  void EvListSelChange();
  void Insert(bool replace);
  void EvInsert() { Insert(false); }
  void EvReplace() { Insert(true); }
  void EvDelete();
  void EvGenerate();
  void EvNextNumber();
  void EvRecord();
  void EvPick();
  void EvFiles();
  void EvSetup();

  int& resultFlag_;
  std::string name_;
  TProgram& program_;
  SentenceEditor editor_;
  PickRequest request_;

  DECLARE_RESPONSE_TABLE(VS2);
};

// Runs the editor on the sentence; answers its result flag.
using SentenceEditorOpener = std::function<int(TWindow* parent, const std::string& name, TProgram& program)>;
SentenceEditorOpener StandardSentenceEditor();

class TSent : public TBaseDialog {
 public:
  // The request's chosen symbol carries the current sentence in and the chosen one out;
  // its NoSelectionNeeded lets Done close without a choice.
  TSent(TWindow* parent, const char* resource, PickRequest& form, TProgram& program,
        SentenceEditorOpener editor = StandardSentenceEditor());

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void FillList(const std::string& select);
  std::string SelectedLine() const;
  void SelectFirstOrDisable();
  void ShowComments();
  void EnableCommands(bool on);
  void EvAdd();
  void EvEdit();
  void EvDelete();
  void EvRename();
  void EvCopy();
  void EvPaste();
  void EvSearch();
  void EvDoubleClick();

  PickRequest& form_;
  TProgram& program_;
  SentenceEditorOpener editor_;

  DECLARE_RESPONSE_TABLE(TSent);
};

}  // namespace zeph
