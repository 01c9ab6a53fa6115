// A memory record that shows a part of the model and is never added to or removed from a
// list: the list's commit asking it to is a programming error, answered as accepted.
#pragma once

#include "foundation/kvassert.h"
#include "framework/softrec/kvsrecmem.h"

class KvReadOnlyRecord : public KvSoftRecDataLink {
public:
    using KvSoftRecDataLink::KvSoftRecDataLink;
    int AddToServer() override
    {
        KV_ASSERT(!"a read-only record added through a list");
        return 1;
    }
    int DeleteFromServer() override
    {
        KV_ASSERT(!"a read-only record removed through a list");
        return 1;
    }
};
