#pragma once
// The voice file and fax item lists ("ULVO_VOICE_FILE", "ULVO_FAX_FILE") and the dialog of
// one item ("ULVO_VF_EDIT", "ULVO_FI_EDIT"). The list browses the program's items (its
// parent is the program's window: a double-click edits) or picks one for a form's field
// (a double-click chooses). The selection record is a form's pick request: its chosen
// symbol is the current item in and the choice out, and NoSelectionNeeded lets Done close
// without a choice. Windows only.

#include <string>

#include "editors/media/mediaitems.h"
#include "forms/win32/genericform.h"
#include "owl/button.h"
#include "owl/edit.h"
#include "owl/listbox.h"

namespace zeph {

inline constexpr const char* kVoiceFileListResource = "ULVO_VOICE_FILE";
inline constexpr const char* kFaxItemListResource = "ULVO_FAX_FILE";
inline constexpr const char* kVoiceFileEditResource = "ULVO_VF_EDIT";
inline constexpr const char* kFaxItemEditResource = "ULVO_FI_EDIT";
inline constexpr const char* kMediaImportResource = "ULVO_VF_IMPORT";

enum MediaListControls : int {
  kMediaList = 400, kMediaCreate = 407, kMediaEdit = 406, kMediaDelete = 405, kMediaSearch = 409,
  kMediaRename = 403, kMediaCopy = 404, kMediaPaste = 142,
};
enum MediaEditControls : int {
  kMediaIdEdit = 601, kMediaDescriptionEdit = 602, kMediaRecordedEdit = 603, kMediaImportedEdit = 604,
  kMediaRecordButton = 401, kMediaImportButton = 402,
};

inline constexpr const char* kNoItemSelectedText = "No Voice Sentence selected";

class TVFList : public TGenericForm {
 public:
  // Fax mode for any resource but "ULVO_VOICE_FILE".
  TVFList(TWindow* parent, const char* resource, TGenericForm& selection);
  ~TVFList() override;

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  bool Browsing() const;
  std::string SelectedId() const;
  Symbol* ItemOf(const std::string& id) const;
  void AddAndSelect(const Symbol& item);
  void SelectFirstOrDisable();
  void EnableItemButtons(bool on);
  void EvCreate();
  void EvEdit();
  void EvDelete();
  void EvDoubleClick();

  TGenericForm& selection_;
  MediaKind kind_;
  TListBox* list_ = nullptr;
  TButton* done_ = nullptr;
  TButton* delete_ = nullptr;
  TButton* edit_ = nullptr;

  DECLARE_RESPONSE_TABLE(TVFList);
};

class TVFEdit : public TBaseDialog {
 public:
  // Create mode when name is empty. Save leaves the kind letter and ID in name and a
  // non-empty description in description.
  TVFEdit(TWindow* parent, std::string& name, std::string& description, bool fax);
  ~TVFEdit() override;

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void EvNotImplemented();

  std::string& name_;
  std::string& description_;
  MediaKind kind_;
  bool creating_;
  TEdit* id_ = nullptr;
  TEdit* text_ = nullptr;

  DECLARE_RESPONSE_TABLE(TVFEdit);
};

}  // namespace zeph
