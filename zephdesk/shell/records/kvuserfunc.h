// One user function (a page of the program) as a read-only record: the page's name and
// the voice sentences that belong to the page.
#pragma once

#include "shell/records/readonlyrecord.h"

namespace ed {
class Page;
}

class KvUserFunc : public KvReadOnlyRecord {
public:
    // Without a page the name stays empty.
    explicit KvUserFunc(const ed::Page* page);
    KvUserFunc(const KvUserFunc&) = delete;
    KvUserFunc& operator=(const KvUserFunc&) = delete;

    // The list field is filled the first time it is asked for.
    void* FieldStorage(WORD fieldId) override;

private:
    // One sentence record per sentence symbol of the page, in the model's order.
    void AddSentences(KvObArray& sentences);

    bool m_bSentencesMade = false;
};
