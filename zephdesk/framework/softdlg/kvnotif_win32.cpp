// The notifier reads the platform's notification records through its own mirrors of them:
// they must have the platform's layout.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "framework/softdlg/kvnotif.h"

static_assert(sizeof(KvNotifyHeader) == sizeof(NMHDR));
static_assert(offsetof(KvNotifyHeader, idFrom) == offsetof(NMHDR, idFrom));
static_assert(offsetof(KvNotifyHeader, code) == offsetof(NMHDR, code));
static_assert(offsetof(KvListViewChange, iItem) == offsetof(NMLISTVIEW, iItem));
static_assert(offsetof(KvListViewChange, uChanged) == offsetof(NMLISTVIEW, uChanged));
static_assert(WM_COMMAND == 0x0111 && WM_NOTIFY == 0x004E && WM_INITDIALOG == 0x0110);
static_assert(static_cast<WORD>(PSN_SETACTIVE) == 0xFF38 && static_cast<WORD>(LVN_GETDISPINFOA) == 0xFF6A);
static_assert(LVIF_STATE == 8 && EN_CHANGE == 0x0300 && BN_CLICKED == 0);
