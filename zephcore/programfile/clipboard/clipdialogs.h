#pragma once
// The clipboard's two modal dialogs, as the model interface runs them: the name conflicts
// of the clipboard against a target program, and the clipboard's contents. On Windows they
// are dialogs over the dialog resource library; natively there are none and both answer
// -1 (not run).

namespace zeph {

class TProgram;

inline constexpr int kDialogDone = 1;     // closed with "Done"
inline constexpr int kDialogCancel = 2;

// singleName 0: every conflict of the clipboard against the target; 1: the one name in
// nameBuffer (at least 128 bytes), whose chosen name is written back on "Done". The
// dialog's end code (kDialogDone, kDialogCancel), or -1 when it could not run.
int RunNameConflictsDialog(TProgram& target, int singleName, char* nameBuffer);
// The dialog's end code, or -1 when it could not run.
int RunClipContentsDialog();

}  // namespace zeph
