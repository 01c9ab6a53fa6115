#pragma once
// The window object: one Win32 window, its children, and the response table through which
// its messages reach member functions.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "owl/eventhandler.h"
#include "owl/geometry.h"
#include "owl/resid.h"
#include "owl/responsetable.h"

class TModule;
class TApplication;

// Creation attributes, read by Create. A size handler may also record the client size in
// W and H.
struct TWindowAttr {
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int W = 0;
  int H = 0;
  TResId Menu;
  int Id = 0;
  LPVOID Param = nullptr;
};

enum TTransferDirection { tdGetData, tdSetData, tdSizeData };

class TWindow : public TEventHandler {
 public:
  // A window object whose window Create makes (a child window when parent is given).
  TWindow(TWindow* parent, const char* title = nullptr, TModule* module = nullptr);
  // An alias on an existing window: the window keeps its own window procedure, and the
  // object never destroys it.
  explicit TWindow(HWND hWnd, TModule* module = nullptr);
  // Destroys the window when it still exists (not for an alias), then the child objects.
  ~TWindow() override;

  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND HWindow = nullptr;
  TWindowAttr Attr;
  TWindow* Parent = nullptr;

  HWND GetHandle() const { return HWindow; }
  bool IsAlias() const { return Alias; }
  int GetId() const { return Attr.Id; }

  // --- lifetime
  virtual bool Create();
  virtual void Destroy(int retVal = 0);
  // Called once the window exists (children are created or bound here).
  virtual void SetupWindow();
  // Called before the window goes away.
  virtual void CleanupWindow();
  // Whether the window may close: by default whether every child window may.
  virtual bool CanClose();
  // Asks CanClose and destroys the window when it may close.
  virtual void CloseWindow(int retVal = 0);

  // --- message processing
  virtual bool PreProcessMsg(MSG& msg);
  virtual bool IdleAction(long idleCount);
  virtual const char* GetClassName();
  virtual void GetWindowClass(WNDCLASSA& wndClass);
  // Every message of the window: its response table, else the default processing.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The default processing of the message being handled now.
  LRESULT DefaultProcessing();
  // Asks the response tables for a command's state, the way commands are routed.
  virtual void RouteCommandEnable(TCommandEnabler& enabler);
  virtual void Paint(HDC dc, bool erase, RECT& rect);

  // --- module and application
  TModule* GetModule() const;
  void SetModule(TModule* module) { Module = module; }
  TApplication* GetApplication() const;
  static TWindow* GetWindowPtr(HWND hWnd);
  // The number under which a parent's colour, owner-draw or WM_NOTIFY message about a
  // control reaches the control's own object (EV_MESSAGE(ReflectedMessage(WM_DRAWITEM), ...)).
  static constexpr UINT ReflectedMessage(UINT msg) { return msg + 0xBC00; }

  // --- children, in the order they were made
  TWindow* GetFirstChild() const;
  TWindow* GetLastChild() const;
  TWindow* Next() const;
  unsigned NumChildren() const { return unsigned(Children.size()); }
  void ForEach(const std::function<void(TWindow&)>& action);
  TWindow* FirstThat(const std::function<bool(TWindow&)>& test) const;
  TWindow* ChildWithId(int id) const;
  void SetParent(TWindow* newParent);

  // --- data transfer between a buffer and the children's controls
  void SetTransferBuffer(void* buffer) { TransferBuffer = buffer; }
  void* GetTransferBuffer() const { return TransferBuffer; }
  void EnableTransfer() { TransferEnabled = true; }
  void DisableTransfer() { TransferEnabled = false; }
  bool IsTransferEnabled() const { return TransferEnabled; }
  // One control's part of the buffer; answers its size.
  virtual UINT Transfer(void* buffer, TTransferDirection direction);
  // Every child with transfer enabled, in order, each at the next place of the buffer.
  virtual void TransferData(TTransferDirection direction);

  // --- caption and text
  void SetCaption(const char* title);
  const char* GetCaption() const { return Title.c_str(); }
  int GetWindowText(char* buf, int maxChars) const;
  int GetWindowTextLength() const;
  void SetWindowText(const char* text);

  // --- thin wrappers over the window
  bool IsWindow() const { return HWindow != nullptr && ::IsWindow(HWindow); }
  bool Show(int cmdShow);
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // The caption defaults to the application's name.
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK) const;
  void Invalidate(bool erase = true) const;
  void UpdateWindow() const;
  virtual bool EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  bool IsWindowVisible() const;
  HWND SetFocus() const;
  HWND GetDlgItem(int id) const;
  void GetClientRect(RECT& rect) const;
  void GetWindowRect(RECT& rect) const;
  bool MoveWindow(int x, int y, int w, int h, bool repaint = false) const;
  bool SetWindowPos(HWND insertAfter, int x, int y, int w, int h, UINT flags) const;
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const;
  bool KillTimer(UINT_PTR id) const;

  // --- default handlers of the standard messages (the EV_WM_ entries call these names)
  void EvClose();
  void EvDestroy();
  void EvPaint();
  void EvSize(UINT sizeType, const TSize& size);
  bool EvSetCursor(HWND hWndCursor, UINT hitTest, UINT mouseMsg);
  void EvNCMouseMove(UINT hitTest, const TPoint& point);
  void EvMouseMove(UINT modKeys, const TPoint& point);
  void EvLButtonDown(UINT modKeys, const TPoint& point);
  void EvLButtonUp(UINT modKeys, const TPoint& point);
  void EvLButtonDblClk(UINT modKeys, const TPoint& point);
  void EvRButtonDown(UINT modKeys, const TPoint& point);
  void EvRButtonUp(UINT modKeys, const TPoint& point);
  void EvRButtonDblClk(UINT modKeys, const TPoint& point);
  // A scroll message from a scroll-bar control goes to that control's object.
  void EvHScroll(UINT scrollCode, UINT thumbPos, HWND hWndCtl);
  void EvVScroll(UINT scrollCode, UINT thumbPos, HWND hWndCtl);
  void EvTimer(UINT timerId);
  void EvGetMinMaxInfo(MINMAXINFO& info);
  void EvActivateApp(bool active, DWORD threadId);
  void EvInitMenuPopup(HMENU popup, UINT index, bool sysMenu);
  void EvMenuSelect(UINT item, UINT flags, HMENU menu);
  void EvKeyDown(UINT key, UINT repeatCount, UINT flags);
  void EvKeyUp(UINT key, UINT repeatCount, UINT flags);

 protected:
  // The window procedure the message falls back to.
  virtual LRESULT DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND: a control's notification goes to the control's object first, then to this
  // window's table; a command (no control) to this window's table.
  virtual LRESULT EvCommand(UINT id, HWND hWndCtl, UINT notifyCode);
  // Binds an existing window to this object by subclassing it (SetWindowSubclass, so that
  // other subclasses may come and go in any order).
  void SubclassHandle(HWND hWnd);
  // Makes or binds the children that do not have a window yet.
  void CreateChildren();
  // Whether the window was subclassed (false for windows of our own classes).
  bool IsSubclassed() const { return Subclassed; }
  // Registers GetClassName() with GetWindowClass() for the given instance, once.
  bool RegisterClassFor(HINSTANCE instance);

  std::string Title;
  TModule* Module = nullptr;
  void* TransferBuffer = nullptr;
  bool TransferEnabled = false;
  // Made by Create when the parent sets up (false for dialogs, which run on request).
  bool AutoCreate = true;
  // Bound by id to a control of the parent's dialog template rather than created.
  bool BoundByResourceId = false;
  // SetupWindow runs at WM_CREATE (false: the owner calls it, as dialogs do).
  bool SetupAtCreate = true;

 private:
  friend class TWindowBinding;

  void AttachHandle(HWND hWnd);
  void DetachHandle();
  void AddChild(TWindow* child);
  void RemoveChild(TWindow* child);

  std::vector<TWindow*> Children;
  bool Subclassed = false;
  bool Alias = false;

  DECLARE_RESPONSE_TABLE(TWindow);
};
