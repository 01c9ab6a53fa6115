#pragma once
// The window controls of the forms as the field engine and the rule evaluator see them.
// Windows only: include from *_win32 files.

#include <string>
#include <vector>

#include "forms/engine/fieldcontrol.h"
#include "owl/checkbox.h"
#include "owl/combobox.h"
#include "owl/edit.h"
#include "owl/radiobutton.h"

namespace zeph {

// Any window: its text and its state (labels, pick buttons, group names).
class WindowControl : public FieldControl {
 public:
  explicit WindowControl(TWindow* window = nullptr) : window_(window) {}
  void Attach(TWindow* window) { window_ = window; }
  TWindow* Window() const { return window_; }
  std::string Text(int limit) const override;
  void SetText(const std::string& text) override;
  void Focus() override;
  bool Enabled() const override;
  void SetWindowState(int state) override;
  int Checked() const override;
  void SetChecked(int checked) override;

 protected:
  TWindow* window_;
};

class ComboControl : public WindowControl {
 public:
  explicit ComboControl(TComboBox* combo = nullptr) : WindowControl(combo) {}
  void SelectString(const std::string& text) override;
  void SetText(const std::string& text) override;
};

// A radio group: its buttons in order.
class RadioGroupControl : public FieldControl {
 public:
  std::vector<TRadioButton*> Buttons;
  std::string Text(int) const override { return std::string(); }
  void SetText(const std::string&) override {}
  int CheckedButton() const override;
  int ButtonCount() const override { return static_cast<int>(Buttons.size()); }
  void CheckButton(int button) override;
  bool Enabled() const override;
  void SetWindowState(int state) override;
};

// A child window known only by its handle (a static found by its text).
class HwndControl : public FieldControl {
 public:
  explicit HwndControl(HWND window = nullptr) : window_(window) {}
  std::string Text(int limit) const override;
  void SetText(const std::string& text) override;
  bool Enabled() const override { return window_ != nullptr && ::IsWindowEnabled(window_); }
  void SetWindowState(int state) override;

 private:
  HWND window_;
};

// Applies a rule's window state to a window.
void ApplyWindowState(TWindow* window, int state);

}  // namespace zeph
