#pragma once
// The file descriptions dialog ("DIALOG_VIEWDESC"): every file of a prompt folder with the
// first line of its description, the selected file's description to read and edit (written
// or deleted when the edit loses the focus), and the chosen "name\tdescription" handed
// back at Done. Windows only.

#include <string>

#include "foundation/kvbasedlg.h"

namespace zeph {

inline constexpr const char* kViewDescResource = "DIALOG_VIEWDESC";

class ViewDesc : public TBaseDialog {
 public:
  // result is emptied; at Done it holds "name\tdescription" of at most size - 1 characters.
  ViewDesc(TWindow* parent, const char* resource, const std::string& folder, const std::string& extension,
           std::string& result, std::size_t size);

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  std::string SelectedName() const;
  void EvSelChange();
  void EvTextKillFocus();

  std::string folder_;
  std::string extension_;
  std::string& result_;
  std::size_t size_;

  DECLARE_RESPONSE_TABLE(ViewDesc);
};

}  // namespace zeph
