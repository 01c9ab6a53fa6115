#pragma once
// Inside the layer: how window handles meet window objects.
//
// Windows of our own classes run StdWndProc from their first message on: the object whose
// creation is pending on this thread is bound at WM_NCCREATE (or WM_INITDIALOG) of the
// window being made, never at a later message of another window. Windows of
// other classes (controls, the MDI client, property sheets) are bound by subclassing. The
// map from handle to object belongs to this copy of the layer; a program and a library that
// both link the layer each see only their own objects.
#include <windows.h>

class TWindow;

class TWindowBinding {
 public:
  static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Routes a window of a foreign class to its bound object through a window subclass;
  // false when it could not be subclassed.
  static bool Subclass(HWND hWnd);
  static void Unsubclass(HWND hWnd);
  // An exception thrown by a handler is caught at the window procedure (it must not cross
  // the system's code); the modal dialog it happened in is ended, and whoever ran the loop
  // re-throws it once the loop is over.
  static void RethrowPending();
  // Deliver, for a window procedure called by the system: exceptions are held, not thrown.
  static LRESULT DeliverFromSystem(TWindow* window, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // The object that the next window created on this thread belongs to.
  static void SetPending(TWindow* window);
  static TWindow* TakePending();
  static TWindow* Pending();

  static TWindow* Lookup(HWND hWnd);
  static void Attach(TWindow* window, HWND hWnd);
  static void Detach(TWindow* window);

  // Runs the object's WindowProc with the message recorded as the one being handled.
  static LRESULT Deliver(TWindow* window, UINT msg, WPARAM wParam, LPARAM lParam);
  // The message the object is handling now (innermost), if any.
  static bool CurrentMessage(const TWindow* window, UINT& msg, WPARAM& wParam, LPARAM& lParam);

  // The default processing of a window that has no object (any more).
  static LRESULT Unowned(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
