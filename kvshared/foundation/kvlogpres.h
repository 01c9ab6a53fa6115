// A presenter for callers that write their refusals to a log stream: each box becomes
// one line "ERROR: " followed by its text, and the box's default button answers.
#pragma once

#include <ostream>

#include "foundation/kvmsgbox.h"

class KvLogStreamPresenter : public KvMessagePresenter {
public:
    explicit KvLogStreamPresenter(std::ostream& log) : m_log(log) {}
    int Show(const KvMessageBoxRequest& request) override;

private:
    std::ostream& m_log;
};
