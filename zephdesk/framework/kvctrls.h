// Window objects over a list-view control and a tab control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "kvwnd.h"

class KvImageList;

class KvListCtrl : public KvWnd {
public:
    ~KvListCtrl() override = default;

    // Creates the control with the framework's module instance; it is not bound to the
    // window map. FALSE when no window was made.
    BOOL Create(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int cx,
                int cy, HWND parent, UINT id, void* lpParam);
    void SetImageList(KvImageList& list, int type);
    // The new entry's index (-1 on failure).
    int InsertItem(int index, const char* text, LPARAM lParam);
};

class KvTabCtrl : public KvWnd {
public:
    ~KvTabCtrl() override = default;

    BOOL Create(DWORD style, const RECT& rect, KvWnd* pParentWnd, UINT id);
    void AdjustRect(BOOL larger, RECT* rect);
    int InsertItem(int index, TCITEMA* item);
};
