#pragma once
// A status-line message, transient and with the exclamation beep when it is an alert.

namespace ed {

class EditorHost;

inline constexpr unsigned kBeepExclamation = 0x30;

void ShowStatusMessage(EditorHost& host, const char* text, bool alert);

}  // namespace ed
