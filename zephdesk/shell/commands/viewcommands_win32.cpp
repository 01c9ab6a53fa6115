#include "shell/commands/viewcommands.h"

#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/zoom.h"
#include "shell/dialogs/smalldialogs.h"

namespace {

void ApplyZoom(ed::EditMDI& window, ed::Zoom zoom) {
    window.Canvas()->SetZoom(zoom.percent, zoom.step);
    window.GetProgram().SetZoomLevel(zoom.percent);
}

void ZoomIn(FrameCommandSite&, ed::EditMDI& window, UINT) { ApplyZoom(window, ed::ZoomIn(window.Canvas()->GetZoom())); }
void ZoomOut(FrameCommandSite&, ed::EditMDI& window, UINT) {
    ApplyZoom(window, ed::ZoomOut(window.Canvas()->GetZoom()));
}
void ZoomNormal(FrameCommandSite&, ed::EditMDI& window, UINT) { ApplyZoom(window, ed::Zoom{100, ed::kZoomSteps}); }

// The entered percent is off the scale until the next relative zoom places it.
void SetZoom(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    std::int32_t percent = window.Canvas()->GetZoom().percent;
    desk::TScaleDialog dialog(site.FrameWindow(), &percent);
    if (dialog.Execute() == IDOK) ApplyZoom(window, ed::Zoom{percent, 0});
}

// Scrolling: which bar moves and how, and the key a text note being typed in gets instead
// (0: the command does nothing then).
struct ScrollMove {
    UINT id;
    int bar;   // 0 vertical, 1 horizontal, 2 both (to the top, then to the left end)
    int kind;  // 2 up or left, 3 down or right
    int code;  // 4 line, 5 page, 6 to the start
    WPARAM noteKey;
};
constexpr ScrollMove kScrollMoves[] = {
    {kCmPageUp, 0, 2, 5, 0},         {kCmPageDown, 0, 3, 5, 0},      {kCmPageLeft, 1, 2, 5, 0},
    {kCmPageRight, 1, 3, 5, 0},      {kCmLineUp, 0, 2, 4, VK_UP},    {kCmLineDown, 0, 3, 4, VK_DOWN},
    {kCmLineLeft, 1, 2, 4, VK_LEFT}, {kCmLineRight, 1, 3, 4, VK_RIGHT}, {kCmHome, 2, 2, 6, VK_HOME},
    {kCmTop, 0, 2, 6, 0},
};

void MoveBar(ed::EditChild& canvas, int bar, int kind, int code) {
    canvas.Scroll(bar, kind, code);
    const bool horizontal = bar == 1;
    canvas.SetScrollPosition(horizontal ? canvas.GetHorzScrollPos() : canvas.GetVertScrollPos(), horizontal);
}

void Scroll(FrameCommandSite&, ed::EditMDI& window, UINT id) {
    const ScrollMove* move = nullptr;
    for (const ScrollMove& each : kScrollMoves)
        if (each.id == id) move = &each;
    if (move == nullptr) return;
    ed::EditChild& canvas = *window.Canvas();
    if (canvas.Canvas().Mode() == ed::kMouseNoteEditing) {
        HWND note = canvas.EditedNoteWindow();
        if (move->noteKey != 0 && note != nullptr) PressKeyInNote(note, move->noteKey);
        return;
    }
    if (move->bar == 2) {
        MoveBar(canvas, 0, move->kind, move->code);
        MoveBar(canvas, 1, move->kind, move->code);
    } else {
        MoveBar(canvas, move->bar, move->kind, move->code);
    }
}

const FrameCommandEntry kViewCommands[] = {
    {kCmZoomIn, kCmZoomIn, NoteEdit::End, &ZoomIn},
    {kCmZoomOut, kCmZoomOut, NoteEdit::End, &ZoomOut},
    {kCmSetZoom, kCmSetZoom, NoteEdit::End, &SetZoom},
    {kCmZoomNormal, kCmZoomNormal, NoteEdit::End, &ZoomNormal},
    {kCmPageUp, kCmTop, NoteEdit::Keep, &Scroll},
};

}  // namespace

std::span<const FrameCommandEntry> ViewCommands() { return kViewCommands; }
