#include "framework/softdlg/kvnotifq.h"

#include <algorithm>

#include "foundation/kvassert.h"

bool KvNotificationPass::Post(const KvNotification& notification)
{
    if (std::find(m_posted.begin(), m_posted.end(), notification) != m_posted.end())
        return false;
    m_posted.push_back(notification);
    m_queue.push_back(notification);
    return true;
}

KvNotification KvNotificationPass::Take()
{
    if (!KV_ASSERT(!m_queue.empty()))
        return KvNotification();
    KvNotification next = m_queue.front();
    m_queue.pop_front();
    return next;
}

void KvNotificationPass::End()
{
    KV_ASSERT(m_queue.empty());
    m_posted.clear();
}

void KvNotificationPass::EndKeeping(const KvNotification& kept)
{
    KV_ASSERT(m_queue.empty());
    const bool had = std::find(m_posted.begin(), m_posted.end(), kept) != m_posted.end();
    m_posted.clear();
    if (had)
        m_posted.push_back(kept);
}
