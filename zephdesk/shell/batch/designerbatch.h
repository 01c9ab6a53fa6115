// The command-line build inside the started designer: the programs are shown in page
// windows of the (hidden) main frame, the status dialog "IDD_CLB_STATUS" names the line
// being built, and failures are also written to the error stream.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

class BatchStatus;

namespace ed {
class EditorHost;
class EditWindows;
}  // namespace ed

// RunCommandLine's answer: 1 when the designer is to end.
int RunDesignerBatch(const std::string& commandLine, ed::EditorHost& host, ed::EditWindows* windows, HWND frame,
                     const std::string& serverVersion);

// The status dialog "IDD_CLB_STATUS" of the designer's resources, owned by owner (or none).
std::unique_ptr<BatchStatus> MakeBatchStatusDialog(HWND owner);
