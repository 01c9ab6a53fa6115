// Notifications of a soft dialog: what happened in one of its controls (or to the dialog
// itself), as the NOTIFICATION sections of its definition name it, and the notifier that
// turns window messages and control notifications into them.
#pragma once

#include <cstdint>

#include "foundation/kvobjroot.h"
#include "foundation/kvwintypes.h"

// Notification codes.
enum : WORD {
    kKvNotifFirst = 0x0400,
    kKvNotifActivate = 0x0401,     // dialog initialised or page activated, once per activation
    kKvNotifClicked = 0x0404,      // a button that is no check control
    kKvNotifChecked = 0x0405,      // a check control, now checked
    kKvNotifUnchecked = 0x0406,    // a check control, now unchecked
    kKvNotifItemChanged = 0x0407,  // list view: an item's state changed
    kKvNotifGetDispInfo = 0x0408,  // list view: display text asked (data: the header)
    kKvNotifColumnClick = 0x0409,  // list view: column header clicked (data: the header)
    kKvNotifDblClick = 0x040A,     // list view: double click
    kKvNotifSetFocus = 0x040B,
    kKvNotifKillFocus = 0x040C,
    kKvNotifChanged = 0x040D,      // selection or text changed
    kKvNotifServer = 0x040E,       // from the server link (source 2008)
    kKvNotifLast = 0x040E,
};

// Reaction codes of NOTIFICATION sections.
enum : WORD {
    kKvReactEnable = 0x0465,
    kKvReactDisable = 0x0466,
    kKvReactSetText = 0x0467,
    kKvReactSetFocus = 0x0469,
};

// The source of server-link notifications, and the message that brings them.
inline constexpr WORD kKvServerSource = 2008;
inline constexpr UINT kKvServerMessage = 0x2B11;

class KvNotification : public KvObject {
public:
    KvNotification() = default;
    // The code must be a notification code (0x0400-0x040E).
    KvNotification(WORD source, WORD code, std::uintptr_t data);
    KvNotification(const KvNotification& other);
    KvNotification& operator=(const KvNotification& other);

    WORD GetSource() const { return m_source; }
    void SetSource(WORD source) { m_source = source; }
    WORD GetCode() const { return m_code; }
    void SetCode(WORD code) { m_code = code; }
    std::uintptr_t GetData() const { return m_data; }
    void SetData(std::uintptr_t data) { m_data = data; }

    bool operator==(const KvNotification& other) const
    {
        return m_source == other.m_source && m_code == other.m_code && m_data == other.m_data;
    }

private:
    WORD m_source = 0;
    WORD m_code = 0;
    std::uintptr_t m_data = 0;
};

// What the notifier asks of the soft dialog that owns it.
class KvNotifierOwner {
public:
    virtual ~KvNotifierOwner() = default;
    // The id of the dialog's definition: the source of the dialog's own notifications.
    virtual WORD GetDefinitionId() const = 0;
    // The group control that lists the control, or 0.
    virtual WORD GetGroupCtrlID(WORD ctrlId) const = 0;
    // The notification filter of soft control filterId (the source's group, then the source
    // itself) for a notification of control sourceId: 1 passes, 0 stops, any other answer
    // leaves it to the next filter; -1 when there is no soft control of that id.
    virtual int FilterNotification(WORD filterId, WORD sourceId, WORD code, std::uintptr_t data) = 0;
    // Whether the control's window has all the style bits.
    virtual bool WinCtrlHasStyle(WORD ctrlId, std::uint32_t bits) const = 0;
    // The check state of a check control (BM_GETCHECK).
    virtual int GetCheck(WORD ctrlId) const = 0;
    // Queues a notification, then runs the queue.
    virtual void PostNotification(const KvNotification& notification) = 0;
    virtual void ProcessNotifications() = 0;
    virtual void ShowHelp() = 0;
    // Whether the application has a view attached to the server link.
    virtual bool IsServerViewAttached() const = 0;
};

// The window-message side of the platform's control notifications, as the notifier reads
// them (the platform's layouts: a notification header, and a list view's change record).
struct KvNotifyHeader {
    HWND hwndFrom;
    std::uintptr_t idFrom;
    UINT code;
};
struct KvListViewChange {
    KvNotifyHeader hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
};

class KvNotifier : public KvObject {
public:
    explicit KvNotifier(KvNotifierOwner* owner) : m_pOwner(owner) {}

    // Turns one window message into a notification when it is one.
    void OnMessage(UINT msg, std::uintptr_t wParam, std::intptr_t lParam);
    void Notify(WORD code, WORD sourceId, std::uintptr_t data);
    void ShowHelp();

    bool IsBusy() const { return m_busy; }
    bool IsActivated() const { return m_activated; }

private:
    bool Passes(WORD code, WORD sourceId, std::uintptr_t data);
    WORD Translate(WORD code, WORD sourceId, std::uintptr_t& data);

    KvNotifierOwner* m_pOwner;
    bool m_busy = false;
    bool m_activated = false;
};
