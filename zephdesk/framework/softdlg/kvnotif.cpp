#include "framework/softdlg/kvnotif.h"

#include "foundation/kvassert.h"

namespace {

constexpr UINT kWmNotify = 0x004E;
constexpr UINT kWmInitDialog = 0x0110;
constexpr UINT kWmCommand = 0x0111;

// Property-page and list-view notification codes, as the 16-bit codes the notifier passes.
constexpr WORD Code16(int code)
{
    return static_cast<WORD>(static_cast<UINT>(code) & 0xFFFF);
}
constexpr WORD kPsnSetActive = Code16(-200);
constexpr WORD kPsnKillActive = Code16(-201);
constexpr WORD kPsnApply = Code16(-202);
constexpr WORD kPsnReset = Code16(-203);
constexpr WORD kPsnHelp = Code16(-205);
constexpr WORD kPsnQueryCancel = Code16(-209);
constexpr WORD kLvnItemChanged = Code16(-101);
constexpr WORD kLvnColumnClick = Code16(-108);
constexpr WORD kLvnGetDispInfo = Code16(-150);
constexpr WORD kNmDblClk = Code16(-3);
constexpr UINT kLvifState = 8;

// Control notification codes of WM_COMMAND.
constexpr WORD kBnClicked = 0;
constexpr WORD kSelChange = 1;
constexpr WORD kEnSetFocus = 0x0100;
constexpr WORD kEnKillFocus = 0x0200;
constexpr WORD kEnChange = 0x0300;

// Button style bits: a check control has both of 0x0003; both of 0x0006 is a radio
// button of a kind the dialogs never use for notifications.
constexpr std::uint32_t kCheckStyle = 0x0003;
constexpr std::uint32_t kRadioStyle = 0x0006;

}  // namespace

KvNotification::KvNotification(WORD source, WORD code, std::uintptr_t data)
    : m_source(source), m_code(code), m_data(data)
{
    KV_ASSERT(code >= kKvNotifFirst && code <= kKvNotifLast);
}

KvNotification::KvNotification(const KvNotification& other)
    : KvObject(), m_source(other.m_source), m_code(other.m_code), m_data(other.m_data)
{
}

KvNotification& KvNotification::operator=(const KvNotification& other)
{
    m_source = other.m_source;
    m_code = other.m_code;
    m_data = other.m_data;
    return *this;
}

void KvNotifier::OnMessage(UINT msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (msg) {
    case kWmCommand:
        Notify(static_cast<WORD>((wParam >> 16) & 0xFFFF), static_cast<WORD>(wParam & 0xFFFF),
               static_cast<std::uintptr_t>(lParam));
        break;
    case kWmNotify: {
        const auto* header = reinterpret_cast<const KvNotifyHeader*>(lParam);
        if (header == nullptr)
            return;
        const WORD code = Code16(static_cast<int>(header->code));
        if (code == kPsnQueryCancel || code == kPsnReset || code == kPsnApply)
            return;
        if (code == kPsnHelp) {
            ShowHelp();
            return;
        }
        if (code == kPsnSetActive || code == kPsnKillActive)
            Notify(code, m_pOwner->GetDefinitionId(), 0);
        else
            Notify(static_cast<WORD>(kWmNotify), static_cast<WORD>(header->idFrom), static_cast<std::uintptr_t>(lParam));
        break;
    }
    case kWmInitDialog:
        Notify(static_cast<WORD>(kWmInitDialog), m_pOwner->GetDefinitionId(), 0);
        break;
    case kKvServerMessage:
        if (m_pOwner->IsServerViewAttached())
            Notify(kKvNotifServer, kKvServerSource, static_cast<std::uintptr_t>(lParam));
        break;
    default:
        break;
    }
}

bool KvNotifier::Passes(WORD code, WORD sourceId, std::uintptr_t data)
{
    if (m_busy)
        return false;
    if (sourceId == m_pOwner->GetDefinitionId()) {
        if (code == kPsnKillActive) {
            m_activated = false;
            return false;
        }
        if (code == kPsnSetActive) {
            if (m_activated)
                return false;
            m_activated = true;
            return true;
        }
        if (code == kWmInitDialog) {
            m_activated = true;
            return true;
        }
        return false;
    }
    if (const WORD group = m_pOwner->GetGroupCtrlID(sourceId)) {
        const int answer = m_pOwner->FilterNotification(group, sourceId, code, data);
        if (answer == 1 || answer == 0)
            return answer == 1;
    }
    return m_pOwner->FilterNotification(sourceId, sourceId, code, data) == 1;
}

WORD KvNotifier::Translate(WORD code, WORD sourceId, std::uintptr_t& data)
{
    if (sourceId == m_pOwner->GetDefinitionId()) {
        KV_ASSERT(code == kPsnSetActive || code == kWmInitDialog);
        return kKvNotifActivate;
    }
    switch (code) {
    case kBnClicked:
        if (m_pOwner->WinCtrlHasStyle(sourceId, kCheckStyle))
            return m_pOwner->GetCheck(sourceId) == 1 ? kKvNotifChecked : kKvNotifUnchecked;
        KV_ASSERT(!m_pOwner->WinCtrlHasStyle(sourceId, kRadioStyle));
        return kKvNotifClicked;
    case kSelChange:
    case kEnChange:
        return kKvNotifChanged;
    case kEnSetFocus:
        return kKvNotifSetFocus;
    case kEnKillFocus:
        return kKvNotifKillFocus;
    case kWmNotify: {
        const auto* header = reinterpret_cast<const KvNotifyHeader*>(data);
        const WORD listCode = Code16(static_cast<int>(header->code));
        if (listCode == kLvnItemChanged)
            return reinterpret_cast<const KvListViewChange*>(data)->uChanged == kLvifState ? kKvNotifItemChanged : 0;
        if (listCode == kLvnGetDispInfo)
            return kKvNotifGetDispInfo;
        if (listCode == kLvnColumnClick)
            return kKvNotifColumnClick;
        if (listCode == kNmDblClk)
            return kKvNotifDblClick;
        return 0;
    }
    default:
        return code;  // kKvNotifServer keeps its data; other codes stay as they are
    }
}

void KvNotifier::Notify(WORD code, WORD sourceId, std::uintptr_t data)
{
    if (!Passes(code, sourceId, data))
        return;
    KvNotification notification;
    notification.SetSource(sourceId);
    notification.SetCode(Translate(code, sourceId, data));
    notification.SetData(data);
    // Messages that the handling causes (a reaction that sets an edit's text) are not
    // notifications again; the flag is cleared however the handling ends.
    struct BusyGuard {
        bool& busy;
        explicit BusyGuard(bool& flag) : busy(flag) { busy = true; }
        ~BusyGuard() { busy = false; }
    } guard(m_busy);
    m_pOwner->PostNotification(notification);
    m_pOwner->ProcessNotifications();
}

void KvNotifier::ShowHelp()
{
    m_pOwner->ShowHelp();
}
