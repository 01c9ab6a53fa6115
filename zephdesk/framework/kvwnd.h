// KvWnd: the framework's thin object over one window. Every window of the framework's own
// classes runs KvWnd::WindowProc, which finds the window's object in the window map and
// turns each message the framework cares about into a call of one virtual operation.
#pragma once

#include <windows.h>

#include "foundation/kvobjroot.h"

class KvDC;
class KvWnd;

// Per-object implementation record, and the process-wide binding state.
class KvWndImpl {
public:
    explicit KvWndImpl(KvWnd* owner) : owner(owner) {}
    ~KvWndImpl();
    KvWndImpl(const KvWndImpl&) = delete;
    KvWndImpl& operator=(const KvWndImpl&) = delete;

    KvWnd* owner;
    KvDC* m_pDC = nullptr;

    // The object whose window is being created now; bound at the window's first message.
    static KvWnd* m_pNextWndToConnect;
    // The desktop window's object, made on first use and kept for the life of the process.
    static KvWnd* m_pDesktopWindow;
    // The module instance of the last Create (taken from the parent window).
    static HINSTANCE m_hCreationInstance;

    // The window map: the object bound to a window of the framework's classes, or null.
    static KvWnd* Lookup(HWND hWnd);
    static int BindingCount();
};

class KvWnd : public KvObject {
public:
    KvWnd();
    // A wrapper is deleted after its window is gone; one deleted while its window lives
    // reports the misuse and destroys the window first.
    ~KvWnd() override;

    // Slot 2: destroys the live window; m_hWnd becomes 0.
    virtual void DestroyWindow();
    virtual void OnClose();
    virtual LRESULT OnCreate(CREATESTRUCTA* createStruct);
    virtual void OnReserved();
    // Mouse coordinates are client coordinates, negative left of or above the client area.
    virtual void OnLButtonDown(UINT flags, int x, int y);
    virtual void OnLButtonDblClk(UINT flags, int x, int y);
    virtual void OnLButtonUp(UINT flags, int x, int y);
    virtual void OnMouseMove(UINT flags, int x, int y);
    virtual LRESULT OnNcHitTest(int x, int y);
    virtual void OnPaint();
    virtual void OnSize(UINT type, int cx, int cy);
    // Placeholders: every window class that can receive these overrides them.
    virtual void OnListBeginDrag(NMHDR* header);
    virtual void OnTabSelChange();
    virtual void OnMessage4C9(LPARAM lParam);
    virtual void OnMessage4CA();
    virtual void OnMessage4CB(WPARAM wParam, LPARAM lParam);
    virtual void OnMessage4CC(WPARAM wParam);
    virtual void OnMessage4D1();
    // The mouse capture was lost (WM_CAPTURECHANGED to another window, WM_CANCELMODE) or Esc
    // was pressed: a drag that this window runs must end without effect.
    virtual void OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the window and binds it to this object; FALSE when no window was made.
    BOOL Create(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int cx,
                int cy, HWND hwndParent, HMENU hMenu, void* lpParam);

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    static HINSTANCE GetCreationInstance();
    static KvWnd* GetDesktopWindow();
    BOOL LockWindowUpdate();
    static void UnlockWindowUpdate();
    BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint);
    BOOL MoveWindow(const RECT& rect, BOOL repaint);
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags);
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void SetParent(KvWnd* pWndNewParent);
    void Invalidate(BOOL erase = TRUE);
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // The window's one cached device context; pair the first GetDC with one ReleaseDC.
    KvDC* GetDC();
    KvDC* GetDCEx(DWORD flags);
    int ReleaseDC(KvDC* dc);

    HWND m_hWnd = nullptr;
    KvWndImpl* m_pImpl;

protected:
    // Passes a message to the default window procedure of this window.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    KvDC* CacheDC(HDC hdc);
};
