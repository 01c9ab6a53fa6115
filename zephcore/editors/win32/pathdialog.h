#pragma once
// The folder picker ("DIALOG_PATH"): walks the drives and folders from a starting
// pattern and hands back the folder shown at Done. It keeps its own
// folder and leaves the process's current folder as it found it, so relative files (the
// load/save log and the like) do not move while the user browses. Windows only.

#include <string>

#include "forms/win32/genericform.h"

namespace zeph {

inline constexpr const char* kPathDialogResource = "DIALOG_PATH";
inline constexpr std::size_t kPathChars = 259;

class TPathDialog : public TGenericForm {
 public:
  // path holds the starting folder pattern ("C:\PROMPTS\*.*"); at Done the chosen folder.
  TPathDialog(TWindow* parent, const char* resource, std::string& path);

  bool CanClose() override;
  // The folder now shown.
  const std::string& Folder() const { return folder_; }

 protected:
  void SetupWindow() override;

 private:
  bool Fill(const std::string& pattern);
  void EvSelChange();
  void EvDoubleClick();
  void EvListKillFocus();

  std::string& path_;
  std::string pattern_;
  std::string folder_;

  DECLARE_RESPONSE_TABLE(TPathDialog);
};

}  // namespace zeph
