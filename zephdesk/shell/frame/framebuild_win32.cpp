// The frame's SuperBlock-library build and run check over the active page window's
// program; both save an "Untitled" program first.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "editor/canvas/program.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvvif.h"
#include "model/interface/vlx.h"
#include "shell/frame/programfilerules.h"
#include "shell/frame/uimdiframe.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kMsgSaveBeforeBuilding = 21;
constexpr UINT kMsgIncompleteBlocks = 22;
constexpr UINT kMsgNoSuperBlock = 60;
// Program::SearchPages: 0 when a page qualifies.
constexpr int kSearchUnfinished = 0;
constexpr int kSearchUnfinishedOffMain = 1;
constexpr int kSearchOtherPage = 2;

std::optional<std::int64_t> WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (std::int64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool IsUntitled(const ed::Program& program) { return std::string(program.GetFileName()) == kUntitledProgram; }

bool BuildAnyway(HWND owner) {
    return UIMessageBoxResWnd(owner, kMsgIncompleteBlocks, nullptr, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace

void UIMDIFrame::CmBuildLibrary() {
    ed::Program* program = ActivePageProgram(true);
    if (!program) return;
    EndNoteEditing();
    if (IsUntitled(*program)) {
        UIMessageBoxResWnd(nullptr, kMsgSaveBeforeBuilding, nullptr, MB_ICONEXCLAMATION);
        if (SaveProgramFile(program) == 0) return;
    }
    if (program->SearchPages(kSearchUnfinishedOffMain) == 0 && !BuildAnyway(nullptr)) return;
    if (program->SearchPages(kSearchOtherPage) != 0) {
        UIMessageBoxRes(kMsgNoSuperBlock, nullptr, MB_ICONEXCLAMATION);
        return;
    }
    // The library builds the model's current program, which must be this one; it reports
    // its own errors.
    program->Activate();
    vlxBuildLibrary(program->GetFileName(), 0, nullptr, 0, 0, 0);
}

void UIMDIFrame::CmRunCheck() {
    ed::Program* program = ActivePageProgram(true);
    if (!program) return;
    bool rebuild = false;
    if (IsUntitled(*program)) {
        UIMessageBox("You need to save and build the program before you run it.", nullptr, MB_ICONEXCLAMATION);
        if (SaveProgramFile(program) == 0) return;
        rebuild = true;
    }
    const std::string programPath = program->GetFileName();
    const std::string runPath = RunFilePath(programPath);
    if (IsRunFileOlder(WriteTime(runPath), WriteTime(programPath))) {
        char text[2 * kKvPathMax + 200];
        std::snprintf(text, sizeof text,
                      "The Run File You Requested To Run, %s, Is Older Than Its Coresponding Ed File, %s.Would You "
                      "Like To Rebuild The Program?",
                      runPath.c_str(), programPath.c_str());
        KvMessageBoxRequest box;
        box.text = text;
        box.caption = "Warning!";
        box.style = kKvMbYesNo;
        box.owner = KvBoxOwner::Window;
        box.window = HWindow;
        if (KvMessageBox(box) == IDYES) rebuild = true;
    }
    if (rebuild && program->SearchPages(kSearchUnfinished) == 0) BuildAnyway(UIGetMainWindow());
    // Nothing is built, started or sent whatever the answers.
}
