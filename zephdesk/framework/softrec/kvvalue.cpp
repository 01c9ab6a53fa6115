#include "framework/softrec/kvvalue.h"

#include "foundation/kvassert.h"
#include "framework/softrec/kvdatetime.h"
#include "framework/softrec/kvlstrcmp.h"
#include "framework/softrec/kvnumtext.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvrecset.h"

namespace {

// Targets of a misused accessor: the caller gets a harmless scratch value after the report.
std::int32_t g_scratchInt32;
short g_scratchInt16;

KvValue& Source(const KvValue& src)
{
    return const_cast<KvValue&>(src);
}

const char* YesNo(std::int32_t flag)
{
    return flag != 0 ? "Yes" : "No";
}

}  // namespace

std::int32_t KvBoolFromText(const char* text)
{
    if (KvLstrcmp(text, "No") == 0 || KvLstrcmp(text, "0") == 0)
        return 0;
    return 1;
}

void KvValue::Misuse(const char* file, int line)
{
    KvAssertFailed("(0)", file, line);
}

int KvValue::IsFlagged() const
{
    Misuse(__FILE__, __LINE__);
    return 0;
}

std::int32_t& KvValue::AsInt32()
{
    Misuse(__FILE__, __LINE__);
    return g_scratchInt32 = 0;
}

short& KvValue::AsInt16()
{
    Misuse(__FILE__, __LINE__);
    return g_scratchInt16 = 0;
}

CString& KvValue::AsText()
{
    static CString scratch;
    Misuse(__FILE__, __LINE__);
    scratch.Empty();
    return scratch;
}

KvRecArray& KvValue::AsRecArray()
{
    static KvRecArray scratch;
    Misuse(__FILE__, __LINE__);
    return scratch;
}

KvTime& KvValue::AsTime()
{
    static KvTime scratch;
    Misuse(__FILE__, __LINE__);
    return scratch;
}

KvMonthAndDay& KvValue::AsMonthAndDay()
{
    static KvMonthAndDay scratch;
    Misuse(__FILE__, __LINE__);
    return scratch;
}

KvSoftRecSet& KvValue::AsRecordSet()
{
    static KvSoftRecSet scratch;
    Misuse(__FILE__, __LINE__);
    return scratch;
}

KvValue& KvValue::operator=(const KvValue&)
{
    Misuse(__FILE__, __LINE__);
    return *this;
}

KvValue& KvValue::operator=(const std::int32_t&)
{
    Misuse(__FILE__, __LINE__);
    return *this;
}

KvValue& KvValue::operator=(const short&)
{
    Misuse(__FILE__, __LINE__);
    return *this;
}

KvValue& KvValue::operator=(const CString&)
{
    Misuse(__FILE__, __LINE__);
    return *this;
}

KvValue& KvValue::operator=(const KvRecArray&)
{
    Misuse(__FILE__, __LINE__);
    return *this;
}

// ---- KvInt16 -------------------------------------------------------------------------

KvInt16::KvInt16(const void* storage, WORD storageType)
{
    if (storage == nullptr)  // nothing stored yet (an unallocated buffer): empty value
        return;
    switch (storageType) {
    case kKvStoreChar:
        m_value = KvTextToInt16(static_cast<const char*>(storage));
        break;
    case kKvStoreString:
        m_value = KvTextToInt16(*static_cast<const CString*>(storage));
        break;
    case kKvStoreInt16:
        m_value = *static_cast<const short*>(storage);
        break;
    case kKvStoreBool:
        m_value = static_cast<short>(*static_cast<const std::int32_t*>(storage) & 0xFFFF);
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
}

KvValue& KvInt16::operator=(const KvValue& src)
{
    switch (src.GetType()) {
    case kKvValueInt16:
        m_value = Source(src).AsInt16();
        break;
    case kKvValueInt32:
    case kKvValueBool:
        m_value = KvClampToInt16(Source(src).AsInt32());
        break;
    case kKvValueText:
        m_value = KvTextToInt16(Source(src).AsText());
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
    return *this;
}

KvValue& KvInt16::operator=(const std::int32_t& value)
{
    m_value = KvClampToInt16(value);
    return *this;
}

KvValue& KvInt16::operator=(const short& value)
{
    m_value = value;
    return *this;
}

KvValue& KvInt16::operator=(const CString& text)
{
    m_value = KvTextToInt16(text);
    return *this;
}

// ---- KvInt32 -------------------------------------------------------------------------

KvInt32::KvInt32(const void* storage, WORD storageType)
{
    if (storage == nullptr)  // nothing stored yet (an unallocated buffer): empty value
        return;
    switch (storageType) {
    case kKvStoreChar:
        m_value = KvTextToInt32(static_cast<const char*>(storage));
        break;
    case kKvStoreString:  // a TEXT field read as a number (a spin edit over a text field)
        m_value = KvTextToInt32(*static_cast<const CString*>(storage));
        break;
    case kKvStoreInt32:
    case kKvStoreBool:
        m_value = *static_cast<const std::int32_t*>(storage);
        break;
    case kKvStoreInt16:
        m_value = *static_cast<const short*>(storage);
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
}

KvValue& KvInt32::operator=(const KvValue& src)
{
    switch (src.GetType()) {
    case kKvValueInt16:
        m_value = Source(src).AsInt16();
        break;
    case kKvValueInt32:
    case kKvValueBool:
        m_value = Source(src).AsInt32();
        break;
    case kKvValueText:
        m_value = KvTextToInt32(Source(src).AsText());
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
    return *this;
}

KvValue& KvInt32::operator=(const std::int32_t& value)
{
    m_value = value;
    return *this;
}

KvValue& KvInt32::operator=(const short& value)
{
    m_value = value;
    return *this;
}

KvValue& KvInt32::operator=(const CString& text)
{
    m_value = KvTextToInt32(text);
    return *this;
}

// ---- KvText --------------------------------------------------------------------------

KvText::KvText(const void* storage, WORD storageType)
{
    if (storage == nullptr)  // nothing stored yet (an unallocated buffer): empty value
        return;
    switch (storageType) {
    case kKvStoreChar:
        m_value = static_cast<const char*>(storage);
        break;
    case kKvStoreString:
        m_value = *static_cast<const CString*>(storage);
        break;
    case kKvStoreStringId:
        m_value.LoadString(static_cast<UINT>(*static_cast<const std::int32_t*>(storage)));
        break;
    case kKvStoreInt32:
        m_value.Format("%d", static_cast<int>(*static_cast<const std::int32_t*>(storage)));
        break;
    case kKvStoreInt16:
        m_value.Format("%d", static_cast<int>(*static_cast<const short*>(storage)));
        break;
    case kKvStoreBool:
        m_value = YesNo(*static_cast<const std::int32_t*>(storage));
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
}

KvValue& KvText::operator=(const KvValue& src)
{
    switch (src.GetType()) {
    case kKvValueInt16:
        m_value.Format("%d", static_cast<int>(Source(src).AsInt16()));
        break;
    case kKvValueInt32:
        m_value.Format("%d", static_cast<int>(Source(src).AsInt32()));
        break;
    case kKvValueText:
        m_value = Source(src).AsText();
        break;
    case kKvValueBool:
        m_value = YesNo(Source(src).AsInt32());
        break;
    case kKvValueMonthAndDay: {
        const auto& date = static_cast<const KvMonthAndDay&>(src);
        m_value.Format("%d/%d", date.GetMonth(), date.GetDay());
        break;
    }
    case kKvValueTime: {
        const auto& time = static_cast<const KvTime&>(src);
        m_value.Format("%d:%d", time.GetHour(), time.GetMinute());
        break;
    }
    default:
        Misuse(__FILE__, __LINE__);
    }
    return *this;
}

KvValue& KvText::operator=(const std::int32_t& value)
{
    m_value.Format("%d", static_cast<int>(value));
    return *this;
}

KvValue& KvText::operator=(const short& value)
{
    m_value.Format("%d", static_cast<int>(value));
    return *this;
}

KvValue& KvText::operator=(const CString& text)
{
    m_value = text;
    return *this;
}

// ---- KvBool --------------------------------------------------------------------------

KvBool::KvBool(const void* storage, WORD storageType)
{
    if (storage == nullptr)  // nothing stored yet (an unallocated buffer): empty value
        return;
    switch (storageType) {
    case kKvStoreInt16:
        m_value = *static_cast<const short*>(storage);
        break;
    case kKvStoreBool:
        m_value = *static_cast<const std::int32_t*>(storage);
        break;
    case kKvStoreString:
        m_value = static_cast<const CString*>(storage)->IsEmpty() ? 0 : 1;
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
}

KvValue& KvBool::operator=(const KvValue& src)
{
    switch (src.GetType()) {
    case kKvValueInt16:
        m_value = Source(src).AsInt16();
        break;
    case kKvValueInt32:
    case kKvValueBool:
        m_value = Source(src).AsInt32();
        break;
    case kKvValueText:
        m_value = KvLstrcmp(Source(src).AsText(), "No") == 0 ? 0 : 1;
        break;
    default:
        Misuse(__FILE__, __LINE__);
    }
    return *this;
}

KvValue& KvBool::operator=(const std::int32_t& value)
{
    m_value = value;
    return *this;
}

KvValue& KvBool::operator=(const short& value)
{
    m_value = value;
    return *this;
}

KvValue& KvBool::operator=(const CString& text)
{
    m_value = KvBoolFromText(text);
    return *this;
}
