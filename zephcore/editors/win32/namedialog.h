#pragma once
// The name entry ("DIALOG_STRUCTNAME"): TStructName takes a structure's name under the
// structure name check, TSymName a variable's new name under the symbol name check. Done
// refuses a name that fails its check and stays open. Windows only.

#include <string>

#include "foundation/kvbasedlg.h"
#include "owl/edit.h"

namespace zeph {

class TProgram;

inline constexpr const char* kStructNameResource = "DIALOG_STRUCTNAME";
inline constexpr int kStructNameEdit = 366;

class TStructName : public TBaseDialog {
 public:
  // The caption replaces the template's when it is not empty; the entered name goes to
  // name at Done.
  TStructName(TWindow* parent, const char* resource, std::string& name, const std::string& caption,
              const std::string& oldName, TProgram& program);
  ~TStructName() override;

  bool CanClose() override;

 protected:
  void SetupWindow() override;
  // "" when the name may be used, else the refusal's text.
  virtual std::string Check(const std::string& name);
  TProgram& Program() { return program_; }

 private:
  std::string& name_;
  std::string caption_;
  std::string oldName_;
  TProgram& program_;
  TEdit* edit_ = nullptr;
};

class TSymName : public TStructName {
 public:
  using TStructName::TStructName;

 protected:
  std::string Check(const std::string& name) override;
};

}  // namespace zeph
