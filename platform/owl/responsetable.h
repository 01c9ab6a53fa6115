#pragma once
// Writing a response table.
//
//   class TMyDialog : public TDialog {
//     ...
//     void CmHelp();
//     void ListChanged();
//     DECLARE_RESPONSE_TABLE(TMyDialog);
//   };
//
//   DEFINE_RESPONSE_TABLE(TMyDialog, TDialog)
//     EV_COMMAND(IDHELP, CmHelp),
//     EV_LBN_SELCHANGE(300, ListChanged),
//     EV_WM_SIZE,
//   END_RESPONSE_TABLE;
//
// DEFINE_RESPONSE_TABLE also writes TMyDialog::Find: its own entries first, then the base's.
// DECLARE_RESPONSE_TABLE leaves the class in the private section.
#include <windows.h>
#include <windowsx.h>

#include "owl/eventhandler.h"
#include "owl/geometry.h"

namespace owl_rt {

template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <auto M>
using ClassOf = typename MemberOf<decltype(M)>::Class;

template <auto M>
ClassOf<M>& Target(TEventHandler& object) {
  return static_cast<ClassOf<M>&>(object);
}

// Dispatchers by handler signature.
template <auto M>
LRESULT CallVoid(TEventHandler& o, const TResponseTableEntry&, WPARAM, LPARAM) {
  (Target<M>(o).*M)();
  return 0;
}
template <auto M>
LRESULT CallWithId(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM) {
  (Target<M>(o).*M)(LOWORD(w));
  return 0;
}
template <auto M>
LRESULT CallWithCode(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM) {
  (Target<M>(o).*M)(HIWORD(w));
  return 0;
}
template <auto M>
LRESULT CallEnabler(TEventHandler& o, const TResponseTableEntry&, WPARAM, LPARAM l) {
  (Target<M>(o).*M)(*reinterpret_cast<TCommandEnabler*>(l));
  return 0;
}
template <auto M>
LRESULT CallRaw(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  return (Target<M>(o).*M)(w, l);
}

// Message crackers of the EV_WM_ entries.
template <auto M>
LRESULT CrackNone(TEventHandler& o, const TResponseTableEntry&, WPARAM, LPARAM) {
  (Target<M>(o).*M)();
  return 0;
}
template <auto M>
LRESULT CrackSize(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(UINT(w), TSize(LOWORD(l), HIWORD(l)));
  return 0;
}
template <auto M>
LRESULT CrackSetCursor(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  return (Target<M>(o).*M)(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l)) ? TRUE : FALSE;
}
template <auto M>
LRESULT CrackMouse(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(UINT(w), TPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
  return 0;
}
template <auto M>
LRESULT CrackScroll(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
  return 0;
}
// WM_MDIACTIVATE as an MDI child receives it: wParam the window losing, lParam the window
// gaining activation; the handler takes (activated, deactivated).
template <auto M>
LRESULT CrackMDIActivate(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(reinterpret_cast<HWND>(l), reinterpret_cast<HWND>(w));
  return 0;
}
template <auto M>
LRESULT CrackTimer(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM) {
  (Target<M>(o).*M)(UINT(w));
  return 0;
}
template <auto M>
LRESULT CrackMinMax(TEventHandler& o, const TResponseTableEntry&, WPARAM, LPARAM l) {
  (Target<M>(o).*M)(*reinterpret_cast<MINMAXINFO*>(l));
  return 0;
}
template <auto M>
LRESULT CrackActivateApp(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(w != 0, DWORD(l));
  return 0;
}
template <auto M>
LRESULT CrackInitMenuPopup(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l) != 0);
  return 0;
}
template <auto M>
LRESULT CrackMenuSelect(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
  return 0;
}
template <auto M>
LRESULT CrackKey(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM l) {
  (Target<M>(o).*M)(UINT(w), LOWORD(l), HIWORD(l));
  return 0;
}
template <auto M>
LRESULT CrackInitDialog(TEventHandler& o, const TResponseTableEntry&, WPARAM w, LPARAM) {
  return (Target<M>(o).*M)(reinterpret_cast<HWND>(w)) ? TRUE : FALSE;
}

constexpr TResponseTableEntry Entry(TEntryKind kind, UINT msg, UINT first, UINT last,
                                    UINT code, TDispatcher dispatcher) {
  TResponseTableEntry e;
  e.Kind = kind;
  e.Msg = msg;
  e.FirstId = first;
  e.LastId = last;
  e.NotifyCode = code;
  e.Dispatcher = dispatcher;
  return e;
}

constexpr TResponseTableEntry MessageEntry(UINT msg, TDispatcher dispatcher) {
  return Entry(TEntryKind::Message, msg, 0, 0, 0, dispatcher);
}

}  // namespace owl_rt

#define DECLARE_RESPONSE_TABLE(cls)                                                   \
 public:                                                                              \
  bool Find(::TEventInfo& info, ::TEqualOperator equal = nullptr) override;           \
                                                                                      \
 private:                                                                             \
  using TThisClass = cls;                                                             \
  static const ::TResponseTableEntry ResponseTableEntries[]

#define DEFINE_RESPONSE_TABLE(cls, base)                                              \
  bool cls::Find(::TEventInfo& info, ::TEqualOperator equal) {                        \
    return ::SearchResponseTable(ResponseTableEntries, info, equal) ||                \
           base::Find(info, equal);                                                   \
  }                                                                                   \
  const ::TResponseTableEntry cls::ResponseTableEntries[] = {
#define END_RESPONSE_TABLE \
  ::TResponseTableEntry {} \
  }

// Commands (WM_COMMAND by id from a menu, an accelerator or a button click).
#define EV_COMMAND(id, method)                                                         \
  ::owl_rt::Entry(::TEntryKind::Command, WM_COMMAND, (id), (id), 0,                    \
                  &::owl_rt::CallVoid<&TThisClass::method>)
// handler(UINT id)
#define EV_COMMAND_AND_ID(id, method)                                                  \
  ::owl_rt::Entry(::TEntryKind::Command, WM_COMMAND, (id), (id), 0,                    \
                  &::owl_rt::CallWithId<&TThisClass::method>)
// handler(UINT id) for every id from first to last
#define EV_COMMAND_RANGE(first, last, method)                                          \
  ::owl_rt::Entry(::TEntryKind::Command, WM_COMMAND, (first), (last), 0,               \
                  &::owl_rt::CallWithId<&TThisClass::method>)
// handler(TCommandEnabler&)
#define EV_COMMAND_ENABLE(id, method)                                                  \
  ::owl_rt::Entry(::TEntryKind::CommandEnable, WM_COMMAND, (id), (id), 0,              \
                  &::owl_rt::CallEnabler<&TThisClass::method>)

// Control notifications in the parent: handler()
#define EV_CHILD_NOTIFY(id, code, method)                                              \
  ::owl_rt::Entry(::TEntryKind::ChildNotify, WM_COMMAND, (id), (id), (code),           \
                  &::owl_rt::CallVoid<&TThisClass::method>)
// handler(UINT id) for every control id from first to last
#define EV_CHILD_NOTIFY_RANGE(first, last, code, method)                               \
  ::owl_rt::Entry(::TEntryKind::ChildNotify, WM_COMMAND, (first), (last), (code),      \
                  &::owl_rt::CallWithId<&TThisClass::method>)
// A control's own notification, in the control's table: handler()
#define EV_NOTIFY_AT_CHILD(code, method)                                               \
  ::owl_rt::Entry(::TEntryKind::NotifyAtChild, WM_COMMAND, 0, 0, (code),               \
                  &::owl_rt::CallVoid<&TThisClass::method>)

#define EV_BN_CLICKED(id, method) EV_CHILD_NOTIFY(id, BN_CLICKED, method)
#define EV_EN_CHANGE(id, method) EV_CHILD_NOTIFY(id, EN_CHANGE, method)
#define EV_EN_UPDATE(id, method) EV_CHILD_NOTIFY(id, EN_UPDATE, method)
#define EV_EN_KILLFOCUS(id, method) EV_CHILD_NOTIFY(id, EN_KILLFOCUS, method)
#define EV_CBN_SELCHANGE(id, method) EV_CHILD_NOTIFY(id, CBN_SELCHANGE, method)
#define EV_LBN_SELCHANGE(id, method) EV_CHILD_NOTIFY(id, LBN_SELCHANGE, method)
#define EV_LBN_DBLCLK(id, method) EV_CHILD_NOTIFY(id, LBN_DBLCLK, method)

// Any message by number: LRESULT handler(WPARAM, LPARAM)
#define EV_MESSAGE(msg, method) \
  ::owl_rt::MessageEntry((msg), &::owl_rt::CallRaw<&TThisClass::method>)

// Standard messages, each to its Ev handler with the message's parameters unpacked.
#define EV_WM_CLOSE ::owl_rt::MessageEntry(WM_CLOSE, &::owl_rt::CrackNone<&TThisClass::EvClose>)
#define EV_WM_DESTROY \
  ::owl_rt::MessageEntry(WM_DESTROY, &::owl_rt::CrackNone<&TThisClass::EvDestroy>)
#define EV_WM_PAINT ::owl_rt::MessageEntry(WM_PAINT, &::owl_rt::CrackNone<&TThisClass::EvPaint>)
// void EvSize(UINT sizeType, const TSize&)
#define EV_WM_SIZE ::owl_rt::MessageEntry(WM_SIZE, &::owl_rt::CrackSize<&TThisClass::EvSize>)
// bool EvSetCursor(HWND hWndCursor, UINT hitTest, UINT mouseMsg)
#define EV_WM_SETCURSOR \
  ::owl_rt::MessageEntry(WM_SETCURSOR, &::owl_rt::CrackSetCursor<&TThisClass::EvSetCursor>)
// void EvXxx(UINT keys or hit-test code, const TPoint&)
#define EV_WM_NCMOUSEMOVE \
  ::owl_rt::MessageEntry(WM_NCMOUSEMOVE, &::owl_rt::CrackMouse<&TThisClass::EvNCMouseMove>)
#define EV_WM_MOUSEMOVE \
  ::owl_rt::MessageEntry(WM_MOUSEMOVE, &::owl_rt::CrackMouse<&TThisClass::EvMouseMove>)
#define EV_WM_LBUTTONDOWN \
  ::owl_rt::MessageEntry(WM_LBUTTONDOWN, &::owl_rt::CrackMouse<&TThisClass::EvLButtonDown>)
#define EV_WM_LBUTTONUP \
  ::owl_rt::MessageEntry(WM_LBUTTONUP, &::owl_rt::CrackMouse<&TThisClass::EvLButtonUp>)
#define EV_WM_LBUTTONDBLCLK \
  ::owl_rt::MessageEntry(WM_LBUTTONDBLCLK, &::owl_rt::CrackMouse<&TThisClass::EvLButtonDblClk>)
#define EV_WM_RBUTTONDOWN \
  ::owl_rt::MessageEntry(WM_RBUTTONDOWN, &::owl_rt::CrackMouse<&TThisClass::EvRButtonDown>)
#define EV_WM_RBUTTONUP \
  ::owl_rt::MessageEntry(WM_RBUTTONUP, &::owl_rt::CrackMouse<&TThisClass::EvRButtonUp>)
#define EV_WM_RBUTTONDBLCLK \
  ::owl_rt::MessageEntry(WM_RBUTTONDBLCLK, &::owl_rt::CrackMouse<&TThisClass::EvRButtonDblClk>)
// void EvHScroll(UINT scrollCode, UINT thumbPos, HWND hWndCtl)
#define EV_WM_HSCROLL \
  ::owl_rt::MessageEntry(WM_HSCROLL, &::owl_rt::CrackScroll<&TThisClass::EvHScroll>)
#define EV_WM_VSCROLL \
  ::owl_rt::MessageEntry(WM_VSCROLL, &::owl_rt::CrackScroll<&TThisClass::EvVScroll>)
// void EvMDIActivate(HWND hWndActivated, HWND hWndDeactivated)
#define EV_WM_MDIACTIVATE \
  ::owl_rt::MessageEntry(WM_MDIACTIVATE, &::owl_rt::CrackMDIActivate<&TThisClass::EvMDIActivate>)
// void EvTimer(UINT timerId)
#define EV_WM_TIMER ::owl_rt::MessageEntry(WM_TIMER, &::owl_rt::CrackTimer<&TThisClass::EvTimer>)
// void EvGetMinMaxInfo(MINMAXINFO&)
#define EV_WM_GETMINMAXINFO \
  ::owl_rt::MessageEntry(WM_GETMINMAXINFO, &::owl_rt::CrackMinMax<&TThisClass::EvGetMinMaxInfo>)
// void EvActivateApp(bool active, DWORD threadId)
#define EV_WM_ACTIVATEAPP \
  ::owl_rt::MessageEntry(WM_ACTIVATEAPP, &::owl_rt::CrackActivateApp<&TThisClass::EvActivateApp>)
// void EvInitMenuPopup(HMENU popup, UINT index, bool sysMenu)
#define EV_WM_INITMENUPOPUP                  \
  ::owl_rt::MessageEntry(WM_INITMENUPOPUP,   \
                         &::owl_rt::CrackInitMenuPopup<&TThisClass::EvInitMenuPopup>)
// void EvMenuSelect(UINT item, UINT flags, HMENU menu)
#define EV_WM_MENUSELECT \
  ::owl_rt::MessageEntry(WM_MENUSELECT, &::owl_rt::CrackMenuSelect<&TThisClass::EvMenuSelect>)
// void EvKeyDown(UINT key, UINT repeatCount, UINT flags)
#define EV_WM_KEYDOWN ::owl_rt::MessageEntry(WM_KEYDOWN, &::owl_rt::CrackKey<&TThisClass::EvKeyDown>)
#define EV_WM_KEYUP ::owl_rt::MessageEntry(WM_KEYUP, &::owl_rt::CrackKey<&TThisClass::EvKeyUp>)
// bool EvInitDialog(HWND hWndFocus)
#define EV_WM_INITDIALOG \
  ::owl_rt::MessageEntry(WM_INITDIALOG, &::owl_rt::CrackInitDialog<&TThisClass::EvInitDialog>)
