// One voice sentence of the model as a read-only record: its name without the page part,
// its scope and its segments. Editing the record never reaches the sentence.
#pragma once

#include "shell/records/readonlyrecord.h"

namespace zeph {
struct Symbol;
}

class KvSentence : public KvReadOnlyRecord {
public:
    // Without a symbol the fields stay empty.
    explicit KvSentence(zeph::Symbol* symbol);
    KvSentence(const KvSentence&) = delete;
    KvSentence& operator=(const KvSentence&) = delete;

    // The list field is filled the first time it is asked for.
    void* FieldStorage(WORD fieldId) override;

private:
    zeph::Symbol* m_pSymbol;
    bool m_bSegmentsMade = false;
};
