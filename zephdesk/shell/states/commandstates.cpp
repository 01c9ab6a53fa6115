#include "shell/states/commandstates.h"

namespace {

using R = CommandRule;

constexpr CommandStateRow kRows[] = {
    {4132, R::App},         {4131, R::App},        {101, R::App},         {4232, R::App},
    {4136, R::App},         {4135, R::App},        {51, R::App},          {4178, R::App},
    {4145, R::App},         {4146, R::App},        {kCmPalette, R::Always}, {kCmFullScreen, R::Always},
    {4142, R::App},         {4143, R::App},        {4165, R::App},        {4144, R::App},
    {4130, R::App},         {4228, R::AppWithImports}, {4203, R::AppCompleteNotExported},
    {4229, R::AppExported}, {4138, R::BlockOrNote}, {4139, R::BlockOrNote}, {4141, R::BlockNoteOrLine},
    {4140, R::Paste},       {4150, R::SingleBlock}, {4221, R::App},       {4202, R::SingleBlock},
    {4154, R::Line},        {4174, R::Line},       {4222, R::Note},       {4237, R::App},
    {4238, R::App},         {4239, R::App},        {4240, R::App},        {4241, R::App},
    {4242, R::App},         {4243, R::App},        {4244, R::App},        {4245, R::App},
    {4246, R::App},         {4249, R::SingleNote},
};
static_assert(std::size(kRows) == KvCommandHandler::kCommandCount);

}  // namespace

std::span<const CommandStateRow> CommandStateRows() { return kRows; }

bool RuleHolds(CommandRule rule, const CommandFacts& f) {
    // Selection facts only count inside an active application.
    const SelectionKind kind = f.app ? f.selection : SelectionKind::None;
    const bool single = f.app && f.singleSelection;
    switch (rule) {
    case R::Always: return true;
    case R::App: return f.app;
    case R::AppWithImports: return f.app && f.hasImports;
    case R::AppCompleteNotExported: return f.app && f.complete && !f.exported;
    case R::AppExported: return f.app && f.exported;
    case R::BlockOrNote: return kind == SelectionKind::Block || kind == SelectionKind::Note;
    case R::BlockNoteOrLine: return kind != SelectionKind::None;
    case R::Paste: return f.app && (f.blocksHeld || f.noteEditing);
    case R::SingleBlock: return kind == SelectionKind::Block && single;
    case R::Line: return kind == SelectionKind::Line;
    case R::Note: return kind == SelectionKind::Note;
    case R::SingleNote: return kind == SelectionKind::Note && single;
    }
    return false;
}

KvCommandHandler::KvCommandHandler() = default;

KvCommandHandler::KvCommandObj* KvCommandHandler::Find(std::uint16_t id) {
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (kRows[i].id == id) return &m_states[i];
    return nullptr;
}

const KvCommandHandler::KvCommandObj* KvCommandHandler::Find(std::uint16_t id) const {
    return const_cast<KvCommandHandler*>(this)->Find(id);
}

bool KvCommandHandler::IsEnabled(std::uint16_t id) const {
    const KvCommandObj* state = Find(id);
    return state && state->enabled;
}

bool KvCommandHandler::IsChecked(std::uint16_t id) const {
    const KvCommandObj* state = Find(id);
    return state && state->checked;
}

void KvCommandHandler::SetEnabled(std::uint16_t id, bool enabled) {
    if (KvCommandObj* state = Find(id)) state->enabled = enabled ? 1 : 0;
}

void KvCommandHandler::SetChecked(std::uint16_t id, bool checked) {
    if (KvCommandObj* state = Find(id)) state->checked = checked ? 1 : 0;
}

void KvCommandHandler::UpdateCommands(const CommandFacts& facts) {
    SetChecked(kCmPalette, facts.paletteShown);
    SetChecked(kCmFullScreen, facts.fullScreen);
    for (std::size_t i = 0; i < kCommandCount; ++i) m_states[i].enabled = RuleHolds(kRows[i].rule, facts) ? 1 : 0;
}
