// One segment of a voice sentence as a read-only record: its type text, the file or the
// variable it plays from, and its description.
#pragma once

#include "shell/records/readonlyrecord.h"

namespace zeph {
struct SentenceComponent;
}

class KvSegment : public KvReadOnlyRecord {
public:
    // The segment is read once, here; the record keeps no link to it.
    explicit KvSegment(const zeph::SentenceComponent& segment);
};
