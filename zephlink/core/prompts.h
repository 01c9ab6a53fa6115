// The library's own questions and notes to the user, through the foundation's message
// presenter (tests answer them with a scripted responder).
#pragma once

namespace zlink {

// Yes/No question; true only for Yes.
bool AskYesNo(const char* text);
// A note with an OK button.
void ShowNote(const char* text);

}  // namespace zlink
