// The palette's tabbed content: a tab control per palette group with a large-icon list of
// the group's blocks in it. The shell fills it with private messages (0x4C9 add an entry,
// 0x4CA clear the entries, 0x4CB add a tab, 0x4CC select a tab, 0x4D1 clear everything),
// learns the selected tab's data (0x4D0 to the frame) and is told when an entry's drag
// starts (0x4D2), which the main frame then carries to a page.
#pragma once

#include <windows.h>

#include "foundation/kvstring.h"
#include "kvctrls.h"
#include "kvgdirez.h"
#include "kvpalmgr.h"

// One palette entry handed over by the shell.
class KvPalettePBItem {
public:
    KvPalettePBItem(CString name, DWORD image, DWORD data) : m_name(name), m_image(image), m_data(data) {}
    virtual ~KvPalettePBItem() = default;

    int GetNameLength() const { return m_name.GetLength(); }
    CString GetName() const { return m_name; }
    DWORD GetImage() const { return m_image; }
    DWORD GetData() const { return m_data; }

private:
    CString m_name;
    DWORD m_image;
    DWORD m_data;
};

class KvInTabWnd : public KvInnerWnd, public KvGDIRez {
public:
    ~KvInTabWnd() override = default;

    void BeginListUpdate();
    void EndListUpdate();
    int GetCurSel() const;
    void SetDragging(BOOL dragging) { m_bDragging = dragging; }
    BOOL IsDragging() const { return m_bDragging; }
    KvTabCtrl* GetTabCtrl() const { return m_pTabCtrl; }
    KvListCtrl* GetListCtrl() const { return m_pListCtrl; }
    BOOL IsPlaceholderShown() const { return m_bPlaceholder; }

    void DestroyWindow() override;
    void OnClose() override;
    LRESULT OnCreate(CREATESTRUCTA* createStruct) override;
    void OnLButtonUp(UINT flags, int x, int y) override;
    void OnMouseMove(UINT flags, int x, int y) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnListBeginDrag(NMHDR* header) override;
    void OnTabSelChange() override;
    void OnMessage4C9(LPARAM lParam) override;
    void OnMessage4CA() override;
    void OnMessage4CB(WPARAM wParam, LPARAM lParam) override;
    void OnMessage4CC(WPARAM wParam) override;
    void OnMessage4D1() override;
    void OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT ListRectOf(int width, int height);

    KvTabCtrl* m_pTabCtrl = nullptr;
    KvListCtrl* m_pListCtrl = nullptr;
    BOOL m_bDragging = FALSE;
    int m_nListCount = 0;
    int m_nTabCount = 0;
    BOOL m_bPlaceholder = FALSE;
    HFONT m_hTabFont = nullptr;
};

// The palette manager whose content is the tabbed window.
class KvTabPaletteMgr : public KvPaletteManager {
public:
    explicit KvTabPaletteMgr(KvMainFrame* frame) : KvPaletteManager(frame) {}
    ~KvTabPaletteMgr() override = default;

    KvInnerWnd* CreateInnerWnd() override;
};
