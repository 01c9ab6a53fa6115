#include "shell/commands/notecommands.h"

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/notes/textnote.h"
#include "editor/notes/commentdlg.h"
#include "editor/page/editmdi_win32.h"
#include "editor/support/editorhost.h"

namespace {

void CreateTextNote(FrameCommandSite&, ed::EditMDI& window, UINT) { window.Canvas()->Mouse().BeginTextNotePlacement(); }

// Only one selected note, and nothing else, is opened for typing.
void EditTextNote(FrameCommandSite&, ed::EditMDI& window, UINT) {
    ed::EditChild& canvas = *window.Canvas();
    ed::PageCanvas& pane = canvas.Canvas();
    ed::UIObject* first = pane.FirstSelected();
    if (pane.SelectionCount() != 1 || first->isA() != ed::kClassTextNote) return;
    window.GetProgram().Host().UpdateCommandStates();
    canvas.Capture();
    pane.SetMode(ed::kMouseNoteEditing);
    canvas.OpenNoteEditor(static_cast<ed::KvTextUI*>(first));
}

void SuperBlockComment(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    if (ed::Page* page = window.GetPage()) ed::EditPageComment(site.FrameHandle(), *page);
}

void ProgramComment(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    ed::EditProgramComment(site.FrameHandle(), window.GetProgram());
}

const FrameCommandEntry kNoteCommands[] = {
    {kCmCreateTextNote, kCmCreateTextNote, NoteEdit::End, &CreateTextNote},
    {kCmEditTextNote, kCmEditTextNote, NoteEdit::End, &EditTextNote},
    {kCmSuperBlockComment, kCmSuperBlockComment, NoteEdit::End, &SuperBlockComment},
    {kCmProgramComment, kCmProgramComment, NoteEdit::Keep, &ProgramComment},
};

}  // namespace

std::span<const FrameCommandEntry> NoteCommands() { return kNoteCommands; }
