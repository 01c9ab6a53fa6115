#include "owl/eventhandler.h"

bool MatchesEntry(const TResponseTableEntry& entry, const TEventInfo& info) {
  switch (entry.Kind) {
    case TEntryKind::Message:
      return info.Kind == TEntryKind::Message && entry.Msg == info.Msg;
    case TEntryKind::Command:
      // A menu item (0), an accelerator (1 without a control) or a button's click (0). A
      // list's or combo box's selection change also arrives as code 1, from its control:
      // only a child-notification entry asks for that.
      return info.Kind == TEntryKind::Command && info.Id >= entry.FirstId &&
             info.Id <= entry.LastId &&
             (info.NotifyCode == 0 || (info.NotifyCode == 1 && !info.FromControl));
    case TEntryKind::ChildNotify:
      return info.Kind == TEntryKind::Command && info.Id >= entry.FirstId &&
             info.Id <= entry.LastId && info.NotifyCode == entry.NotifyCode;
    case TEntryKind::CommandEnable:
      return info.Kind == TEntryKind::CommandEnable && info.Id >= entry.FirstId &&
             info.Id <= entry.LastId;
    case TEntryKind::NotifyAtChild:
      return info.Kind == TEntryKind::NotifyAtChild && info.NotifyCode == entry.NotifyCode;
    case TEntryKind::End:
      break;
  }
  return false;
}

bool SearchResponseTable(const TResponseTableEntry* table, TEventInfo& info,
                         TEqualOperator equal) {
  if (table == nullptr) return false;
  for (const TResponseTableEntry* entry = table; entry->Kind != TEntryKind::End; ++entry) {
    if (equal ? equal(*entry, info) : MatchesEntry(*entry, info)) {
      info.Entry = entry;
      return true;
    }
  }
  return false;
}

bool TEventHandler::Find(TEventInfo&, TEqualOperator) { return false; }

LRESULT TEventHandler::Dispatch(const TEventInfo& info, WPARAM wParam, LPARAM lParam) {
  if (info.Entry == nullptr || info.Entry->Dispatcher == nullptr) return 0;
  return info.Entry->Dispatcher(*this, *info.Entry, wParam, lParam);
}

void TMenuItemEnabler::Enable(bool enable) {
  TCommandEnabler::Enable(enable);
  ::EnableMenuItem(Menu, Position, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

void TMenuItemEnabler::SetCheck(int state) {
  TCommandEnabler::SetCheck(state);
  ::CheckMenuItem(Menu, Position, MF_BYPOSITION | (state != 0 ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuItemEnabler::SetText(const char* text) {
  TCommandEnabler::SetText(text);
  ::ModifyMenuA(Menu, Position, MF_BYPOSITION | MF_STRING, GetId(), text);
}
