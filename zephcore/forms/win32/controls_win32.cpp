// The forms' window controls behind the engine's control interface.
#include "forms/win32/controls.h"

#include <vector>

namespace zeph {

void ApplyWindowState(TWindow* window, int state) {
  if (window == nullptr || window->HWindow == nullptr) return;
  switch (state) {
    case kStateEnable: window->EnableWindow(true); break;
    case kStateDisable: window->EnableWindow(false); break;
    case kStateHide: window->Show(SW_HIDE); break;
    case kStateShow: window->Show(SW_SHOW); break;
    default: break;
  }
}

std::string WindowControl::Text(int limit) const {
  if (window_ == nullptr || window_->HWindow == nullptr || limit <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(limit), '\0');
  ::GetWindowTextA(window_->HWindow, buffer.data(), limit);
  return buffer.data();
}

void WindowControl::SetText(const std::string& text) {
  if (window_ != nullptr && window_->HWindow != nullptr) ::SetWindowTextA(window_->HWindow, text.c_str());
}

void WindowControl::Focus() {
  if (window_ != nullptr && window_->HWindow != nullptr) ::SetFocus(window_->HWindow);
}

bool WindowControl::Enabled() const {
  return window_ != nullptr && window_->HWindow != nullptr && ::IsWindowEnabled(window_->HWindow);
}

void WindowControl::SetWindowState(int state) { ApplyWindowState(window_, state); }

int WindowControl::Checked() const {
  auto* box = dynamic_cast<TCheckBox*>(window_);
  return box != nullptr && box->HWindow != nullptr && box->GetCheck() == BF_CHECKED ? 1 : 0;
}

void WindowControl::SetChecked(int checked) {
  auto* box = dynamic_cast<TCheckBox*>(window_);
  if (box != nullptr && box->HWindow != nullptr) box->SetCheck(checked ? BF_CHECKED : BF_UNCHECKED);
}

void ComboControl::SelectString(const std::string& text) {
  auto* combo = static_cast<TComboBox*>(window_);
  if (combo == nullptr || combo->HWindow == nullptr) return;
  const int at = text.empty() ? -1 : combo->FindExactString(text.c_str());
  if (at >= 0 || text.empty()) combo->SetSelIndex(at);
}

void ComboControl::SetText(const std::string& text) {
  auto* combo = static_cast<TComboBox*>(window_);
  if (combo != nullptr && combo->HWindow != nullptr) combo->SetText(text.c_str());
}

std::string HwndControl::Text(int limit) const {
  if (window_ == nullptr || limit <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(limit), '\0');
  ::GetWindowTextA(window_, buffer.data(), limit);
  return buffer.data();
}

void HwndControl::SetText(const std::string& text) {
  if (window_ != nullptr) ::SetWindowTextA(window_, text.c_str());
}

void HwndControl::SetWindowState(int state) {
  if (window_ == nullptr) return;
  switch (state) {
    case kStateEnable: ::EnableWindow(window_, TRUE); break;
    case kStateDisable: ::EnableWindow(window_, FALSE); break;
    case kStateHide: ::ShowWindow(window_, SW_HIDE); break;
    case kStateShow: ::ShowWindow(window_, SW_SHOW); break;
    default: break;
  }
}

int RadioGroupControl::CheckedButton() const {
  for (std::size_t b = 0; b < Buttons.size(); ++b) {
    if (Buttons[b] != nullptr && Buttons[b]->HWindow != nullptr && Buttons[b]->GetCheck() == BF_CHECKED) {
      return static_cast<int>(b);
    }
  }
  return -1;
}

void RadioGroupControl::CheckButton(int button) {
  for (std::size_t b = 0; b < Buttons.size(); ++b) {
    if (Buttons[b] != nullptr && Buttons[b]->HWindow != nullptr) {
      Buttons[b]->SetCheck(static_cast<int>(b) == button ? BF_CHECKED : BF_UNCHECKED);
    }
  }
}

bool RadioGroupControl::Enabled() const {
  for (TRadioButton* b : Buttons) {
    if (b != nullptr && b->HWindow != nullptr && ::IsWindowEnabled(b->HWindow)) return true;
  }
  return false;
}

void RadioGroupControl::SetWindowState(int state) {
  for (TRadioButton* b : Buttons) ApplyWindowState(b, state);
}

}  // namespace zeph
