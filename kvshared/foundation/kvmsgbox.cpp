#include "foundation/kvmsgbox.h"

namespace {

KvMessagePresenter* g_current = nullptr;

// Current presenter as set, null while the platform's own is in use.
KvMessagePresenter* CurrentOrNull() { return g_current; }

// The buttons of each box type, in their order on the box.
struct ButtonSet {
    int count;
    int ids[3];
};
constexpr ButtonSet kButtonSets[] = {
    {1, {kKvIdOk}},                            // OK
    {2, {kKvIdOk, kKvIdCancel}},               // OK, Cancel
    {3, {kKvIdAbort, kKvIdRetry, kKvIdIgnore}},  // Abort, Retry, Ignore
    {3, {kKvIdYes, kKvIdNo, kKvIdCancel}},     // Yes, No, Cancel
    {2, {kKvIdYes, kKvIdNo}},                  // Yes, No
    {2, {kKvIdRetry, kKvIdCancel}},            // Retry, Cancel
};

}  // namespace

KvMessagePresenter& KvGetMessagePresenter()
{
    return g_current != nullptr ? *g_current : KvPlatformMessagePresenter();
}

void KvSetMessagePresenter(KvMessagePresenter* presenter)
{
    g_current = presenter;
}

int KvMessageBox(const KvMessageBoxRequest& request)
{
    return KvGetMessagePresenter().Show(request);
}

int KvDefaultButtonOf(std::uint32_t style)
{
    const std::uint32_t type = style & kKvMbTypeMask;
    const ButtonSet& set = type < sizeof(kButtonSets) / sizeof(kButtonSets[0]) ? kButtonSets[type] : kButtonSets[0];
    const int index = static_cast<int>((style & kKvMbDefMask) >> 8);
    return set.ids[index < set.count ? index : 0];
}

KvScopedMessagePresenter::KvScopedMessagePresenter(KvMessagePresenter& presenter)
    : m_previous(CurrentOrNull())
{
    KvSetMessagePresenter(&presenter);
}

KvScopedMessagePresenter::~KvScopedMessagePresenter()
{
    KvSetMessagePresenter(m_previous);
}
