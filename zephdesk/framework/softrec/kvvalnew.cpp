#include "foundation/kvassert.h"
#include "framework/softrec/kvdatetime.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvvalue.h"

KvValue* KvNewValue(WORD valueType)
{
    switch (valueType) {
    case kKvValueInt16:
        return new KvInt16;
    case kKvValueInt32:
        return new KvInt32;
    case kKvValueText:
        return new KvText;
    case kKvValueBool:
        return new KvBool;
    case kKvValueMonthAndDay:
        return new KvMonthAndDay;
    case kKvValueTime:
        return new KvTime;
    case kKvValueRecordSet:
        return new KvSoftRecSet;
    default:
        KV_ASSERT(0);
        return nullptr;
    }
}

KvValue* KvNewValueFromStorage(WORD valueType, const void* storage, WORD storageType)
{
    switch (valueType) {
    case kKvValueInt16:
        return new KvInt16(storage, storageType);
    case kKvValueInt32:
        return new KvInt32(storage, storageType);
    case kKvValueText:
        return new KvText(storage, storageType);
    case kKvValueBool:
        return new KvBool(storage, storageType);
    case kKvValueRecordSet:
        if (storage == nullptr) {
            KV_ASSERT(storage != nullptr);
            return new KvSoftRecSet;
        }
        return new KvSoftRecSet(static_cast<KvObArray*>(const_cast<void*>(storage)), storageType);
    default:
        // Dates and times have no storage of their own; they are made from text.
        KV_ASSERT(0);
        return nullptr;
    }
}
