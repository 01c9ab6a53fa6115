// The frame's handlers of the model library's notices (2025), of showing a VavurOrezo by
// its qualified name (2027) and of opening a program file by message (2028).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/page/closerules.h"
#include "editor/page/editmdi_win32.h"
#include "model/interface/vlx.h"
#include "shell/frame/programfilerules.h"
#include "shell/frame/uimdiframe.h"

namespace {

// Notice codes of 2025.
enum NoticeCode : WPARAM {
    kNoticeBlockSymbols = 1,
    kNoticeCompileFailed = 5,
    kNoticePageGroups = 6,
    kNoticeRefreshProgram = 7,
    kNoticeBlockParameters = 8,
    kNoticeShowMain = 9,
    kNoticeShowPage = 10,
    kNoticeImportsDiffer = 11,
};

// The page name of code 10 is read into a buffer of this many characters and its end.
constexpr std::size_t kNoticePageNameMax = 85;
constexpr std::size_t kShowBlockNameMax = 127;

// Redraw notices of the page windows: kind 1 redraws, 3 erases before a change, 4 draws
// after it; scope 2 takes the block's own goto lines along.
constexpr int kKindRedraw = 1;
constexpr int kKindBeforeChange = 3;
constexpr int kKindChanged = 4;
constexpr int kScopeWithLines = 2;

// The block flag bits that 2027 sets: marked, and highlighted by the find dialog.
constexpr std::uint32_t kFlagMarked = 0x2;
constexpr std::uint32_t kFlagHighlighted = 0x4;

vlxHandleType RecordProgram(LPARAM lParam) {
    const auto* record = reinterpret_cast<const zeph::VlxNotifyRecord*>(lParam);
    return record ? static_cast<vlxHandleType>(record->Program) : nullptr;
}

vlxHandleType RecordBlock(LPARAM lParam) {
    const auto* record = reinterpret_cast<const zeph::VlxNotifyRecord*>(lParam);
    return record ? static_cast<vlxHandleType>(record->Object) : nullptr;
}

// The programs of the page windows whose model handle is the notice's, in window order,
// each once.
std::vector<ed::Program*> ProgramsShown(const ed::EditWindows* windows, vlxHandleType handle) {
    std::vector<ed::Program*> programs;
    if (!windows || !handle) return programs;
    for (ed::EditMDI* window : windows->Windows()) {
        ed::Program* program = &window->GetProgram();
        if (program->Handle() == handle && std::find(programs.begin(), programs.end(), program) == programs.end())
            programs.push_back(program);
    }
    return programs;
}

}  // namespace

void UIMDIFrame::SetFlagAndRedraw(ed::VavurOrezo* block, std::uint32_t set, std::uint32_t clear) {
    if (!block) return;
    block->SetFlags((block->Flags() | set) & ~clear);
    NotifyChildren(static_cast<ed::ProgramObject*>(block), kKindRedraw, 0);
}

LRESULT UIMDIFrame::EvNotification(WPARAM code, LPARAM lParam) {
    ed::EditWindows* windows = m_ports.windows;
    switch (code) {
    case kNoticeBlockSymbols:
        for (ed::Program* program : ProgramsShown(windows, RecordProgram(lParam))) {
            ed::VavurOrezo* block = program->FindVavurOrezoByHandle(RecordBlock(lParam));
            if (!block) continue;
            const int changed = block->OutputsDiffer();
            // Nothing differs: nothing is redrawn.
            if (!changed && !block->ConnectGotos(1, 1, 0)) continue;
            NotifyChildren(static_cast<ed::ProgramObject*>(block), kKindBeforeChange, kScopeWithLines);
            if (changed) {
                block->CreateGotoBlocks();
                block->ResetOutputFlags();
            }
            block->ConnectGotos(0, 1, 0);
            NotifyChildren(static_cast<ed::ProgramObject*>(block), kKindChanged, kScopeWithLines);
        }
        break;
    case kNoticeBlockParameters:
        for (ed::Program* program : ProgramsShown(windows, RecordProgram(lParam))) {
            ed::VavurOrezo* block = program->FindVavurOrezoByHandle(RecordBlock(lParam));
            if (!block) continue;
            NotifyChildren(static_cast<ed::ProgramObject*>(block), kKindBeforeChange, kScopeWithLines);
            block->UpdateFromModel(true);
            if (block->OutputsDiffer()) block->CreateGotoBlocks();
            block->ConnectGotos(0, 1, 0);
            NotifyChildren(static_cast<ed::ProgramObject*>(block), kKindChanged, kScopeWithLines);
        }
        break;
    case kNoticeCompileFailed:
        ShowStatusMessage(lParam ? reinterpret_cast<const char*>(lParam) : "", false);
        break;
    case kNoticePageGroups:
        // The palette's page groups follow the program's pages.
        for (ed::Program* program : ProgramsShown(windows, RecordProgram(lParam))) program->RebuildOwnGroups();
        break;
    case kNoticeRefreshProgram:
        if (windows) {
            for (ed::EditMDI* window : windows->Windows())
                if (window->GetProgram().Handle() == reinterpret_cast<vlxHandleType>(lParam)) window->BuildAll();
        }
        break;
    case kNoticeShowMain:
        ShowNoticePage(reinterpret_cast<vlxHandleType>(lParam), "Main");
        break;
    case kNoticeShowPage:
        if (const auto* record = reinterpret_cast<const zeph::VlxMainPageRecord*>(lParam)) {
            char name[kNoticePageNameMax + 1] = "";
            std::strncpy(name, record->PageName, kNoticePageNameMax);
            ShowNoticePage(static_cast<vlxHandleType>(record->Program), name);
        }
        break;
    case kNoticeImportsDiffer:
        if (windows) {
            const vlxHandleType handle = RecordProgram(lParam);
            // Once per matching window, as the library's groups may differ in between.
            for (ed::EditMDI* window : std::vector<ed::EditMDI*>(windows->Windows())) {
                if (window->GetProgram().Handle() == handle)
                    window->GetProgram().BuildImportGroups();
                else if (m_ports.clipboard && handle && m_ports.clipboard->Handle() == handle)
                    m_ports.clipboard->BuildImportGroups();
            }
        }
        break;
    default:
        // 2 to 4 and unknown codes change nothing the designer shows.
        break;
    }
    return 0;
}

void UIMDIFrame::ShowNoticePage(vlxHandleType handle, const char* pageName) {
    ed::EditWindows* windows = m_ports.windows;
    if (!windows || !handle) return;
    for (ed::EditMDI* window : windows->Windows()) {
        ed::Program& program = window->GetProgram();
        if (program.Handle() != handle) continue;
        SetCurrentProgram(&program);
        ed::Page* page = program.FindPage(pageName);
        if (!page) return;
        if (ed::EditMDI* shown = windows->FindEditWindow(page))
            ActivateEditWindow(shown);
        else
            windows->CreateEditWindow(program, page);
        return;
    }
}

LRESULT UIMDIFrame::EvShowBlock(WPARAM wParam, LPARAM lParam) {
    if (static_cast<std::intptr_t>(wParam) == -1) {
        m_pHighlighted = nullptr;
        return 0;
    }
    const auto* record = reinterpret_cast<const FrameShowBlockRecord*>(lParam);
    ed::EditWindows* windows = m_ports.windows;
    ed::Program* program = GetCurrentProgram();
    if (!record || !windows || !program) return 0;
    char name[kShowBlockNameMax + 1] = "";
    std::strncpy(name, record->name, kShowBlockNameMax);
    const QualifiedName qualified = SplitQualifiedName(name);
    ed::Page* page = program->FindPage(qualified.page.c_str());
    if (!page) return 0;
    const std::int16_t mode = record->mode;
    ed::EditMDI* window = windows->FindEditWindow(page);
    if (window) {
        if (mode != 2 && mode != 4 && mode != 8) ActivateEditWindow(window);
    } else {
        windows->CreateEditWindow(*program, page);
        window = windows->FindEditWindow(page);
    }
    ed::VavurOrezo* block = page->FindVavurOrezo(qualified.block.c_str());
    if (!block) return 0;
    ed::EditChild* canvas = window ? window->Canvas() : nullptr;
    switch (mode) {
    case 16:
        SetFlagAndRedraw(m_pHighlighted, 0, kFlagHighlighted);
        m_pHighlighted = block;
        block->SetFlags(block->Flags() | kFlagHighlighted);
        if (canvas) canvas->ScrollIntoView(block, false);
        SetFlagAndRedraw(block, 0, 0);
        break;
    case 32:
        SetFlagAndRedraw(m_pHighlighted, 0, kFlagHighlighted);
        m_pHighlighted = nullptr;
        break;
    case 8:
        SetFlagAndRedraw(block, 0, kFlagMarked);
        break;
    case 2:
        block->SetFlags(block->Flags() ^ kFlagMarked);
        SetFlagAndRedraw(block, 0, 0);
        break;
    case 4:
        SetFlagAndRedraw(block, kFlagMarked, 0);
        break;
    default:
        if (canvas) canvas->ScrollIntoView(block, true);
        break;
    }
    return 0;
}

LRESULT UIMDIFrame::EvOpenProgram(WPARAM, LPARAM lParam) {
    const char* path = reinterpret_cast<const char*>(lParam);
    if (!path || !m_ports.windows) return 0;
    // A program of the same file name (any folder or case) is brought forward.
    const std::string title = ed::ProgramFileTitle(path);
    for (ed::EditMDI* window : m_ports.windows->Windows()) {
        ed::Program& program = window->GetProgram();
        if (::lstrcmpiA(ed::ProgramFileTitle(program.GetFileName()).c_str(), title.c_str()) != 0) continue;
        SetCurrentProgram(&program);
        BringMainPageForward(program);
        return 0;
    }
    LoadProgramWindow(path);
    return 0;
}
