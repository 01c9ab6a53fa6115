// The notifications of a soft dialog's processing pass: posted notifications wait in a queue,
// first in first out, and every notification posted in the pass is remembered until the pass
// ends. A notification equal to one already posted in the pass is dropped without a word: a
// reaction that raises the notification being processed cannot make a pass loop.
#pragma once

#include <deque>
#include <vector>

#include "framework/softdlg/kvnotif.h"

class KvNotificationPass {
public:
    // Queues the notification; false (and nothing queued) when the pass already has it.
    bool Post(const KvNotification& notification);
    bool IsEmpty() const { return m_queue.empty(); }
    // The next notification; the queue must not be empty.
    KvNotification Take();
    // Ends the pass: it forgets what was posted, except the notification kept (the start
    // notification, while a nested pass of the start-up transfer ends).
    void End();
    void EndKeeping(const KvNotification& kept);
    int GetPostedCount() const { return static_cast<int>(m_posted.size()); }

private:
    std::deque<KvNotification> m_queue;
    std::vector<KvNotification> m_posted;
};
