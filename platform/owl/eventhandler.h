#pragma once
// Response tables: each class keeps a static table that maps messages, command ids and
// control notifications to its member functions. A class's Find searches its own table
// first and then its base class's (see responsetable.h for the macros that write both).
#include <windows.h>

class TEventHandler;
struct TResponseTableEntry;

// Calls the member function an entry names on the object the message is for.
using TDispatcher = LRESULT (*)(TEventHandler& object, const TResponseTableEntry& entry,
                                WPARAM wParam, LPARAM lParam);

enum class TEntryKind : unsigned {
  End,           // closes a table
  Message,       // a window message by number
  Command,       // WM_COMMAND by id (menu, accelerator or button click)
  ChildNotify,   // WM_COMMAND by control id and exact notification code
  CommandEnable, // the state query of a command (menu item) by id
  NotifyAtChild, // a control's own notification code, offered to the control's object first
};

struct TResponseTableEntry {
  TEntryKind Kind = TEntryKind::End;
  UINT Msg = 0;
  UINT FirstId = 0;
  UINT LastId = 0;
  UINT NotifyCode = 0;
  TDispatcher Dispatcher = nullptr;
};

// What is being looked for; Find leaves the matching entry in Entry.
struct TEventInfo {
  TEventInfo(TEntryKind kind, UINT msg, UINT id = 0, UINT notifyCode = 0)
      : Kind(kind), Msg(msg), Id(id), NotifyCode(notifyCode) {}

  static TEventInfo ForMessage(UINT msg) { return {TEntryKind::Message, msg}; }
  // fromControl: the command is a control's notification (it carries the control's
  // window), not a menu item's or an accelerator's.
  static TEventInfo ForCommand(UINT id, UINT notifyCode, bool fromControl = false) {
    TEventInfo info{TEntryKind::Command, WM_COMMAND, id, notifyCode};
    info.FromControl = fromControl;
    return info;
  }
  static TEventInfo ForCommandEnable(UINT id) { return {TEntryKind::CommandEnable, WM_COMMAND, id}; }
  static TEventInfo ForNotifyAtChild(UINT notifyCode) {
    return {TEntryKind::NotifyAtChild, WM_COMMAND, 0, notifyCode};
  }

  TEntryKind Kind;
  UINT Msg;
  UINT Id;
  UINT NotifyCode;
  bool FromControl = false;
  const TResponseTableEntry* Entry = nullptr;
};

// An alternative entry test a caller may hand to Find; null means MatchesEntry.
using TEqualOperator = bool (*)(const TResponseTableEntry& entry, const TEventInfo& info);

// Commands match notification codes 0 and 1 (menu or button click, accelerator); child
// notifications match their exact code.
bool MatchesEntry(const TResponseTableEntry& entry, const TEventInfo& info);

// Searches one table (up to its End entry); on a match sets info.Entry.
bool SearchResponseTable(const TResponseTableEntry* table, TEventInfo& info,
                         TEqualOperator equal);

class TEventHandler {
 public:
  virtual ~TEventHandler() = default;

  // The base class handles nothing.
  virtual bool Find(TEventInfo& info, TEqualOperator equal = nullptr);

  // Calls the entry that Find left in info.
  LRESULT Dispatch(const TEventInfo& info, WPARAM wParam, LPARAM lParam);
};

// The state of one command (a menu item) asked of the response tables before it is shown.
// A command whose enabler leaves it alone keeps the state the menu already has.
class TCommandEnabler {
 public:
  explicit TCommandEnabler(UINT id) : Id(id) {}
  virtual ~TCommandEnabler() = default;

  UINT GetId() const { return Id; }
  bool GetHandled() const { return Handled; }

  virtual void Enable(bool enable = true) {
    (void)enable;
    Handled = true;
  }
  // 0 unchecked, 1 checked, 2 indeterminate.
  virtual void SetCheck(int state) {
    (void)state;
    Handled = true;
  }
  virtual void SetText(const char* text) {
    (void)text;
    Handled = true;
  }

 private:
  UINT Id;
  bool Handled = false;
};

// The enabler of an item of a pop-up menu.
class TMenuItemEnabler : public TCommandEnabler {
 public:
  TMenuItemEnabler(HMENU menu, UINT id, UINT position)
      : TCommandEnabler(id), Menu(menu), Position(position) {}

  void Enable(bool enable = true) override;
  void SetCheck(int state) override;
  void SetText(const char* text) override;

 private:
  HMENU Menu;
  UINT Position;
};
