#include "foundation/kvrecfld.h"

#include <cstring>
#include <ostream>

#include "foundation/kvassert.h"

tagELEMENT::tagELEMENT(const char* name, std::uint16_t length, std::int32_t typeCode)
{
    Set(name, length, typeCode);
}

tagELEMENT::~tagELEMENT() = default;

void tagELEMENT::Set(const char* name, std::uint16_t length, std::int32_t typeCode)
{
    std::memset(szName, 0, sizeof szName);
    if (name != nullptr) {
        std::size_t n = 0;
        while (n < kMaxName && name[n] != '\0')
            ++n;
        std::memcpy(szName, name, n);
    }
    wLength = length;
    nTypeCode = typeCode;
}

namespace {

// A value block of the descriptor's length, zero-filled; none for length 0.
std::unique_ptr<unsigned char[]> NewValueBlock(const tagELEMENT& ElementDescr)
{
    if (!KV_ASSERT(ElementDescr.wLength > 0))
        return nullptr;
    return std::unique_ptr<unsigned char[]>(new unsigned char[ElementDescr.wLength]());
}

}  // namespace

AbstrField::AbstrField() = default;

AbstrField::AbstrField(const tagELEMENT& descr) : m_pValue(NewValueBlock(descr)), m_Element(descr)
{
    if (!m_pValue)
        m_Element.wLength = 0;
}

AbstrField::AbstrField(const tagELEMENT& descr, const void* initial) : AbstrField(descr)
{
    if (m_pValue && initial != nullptr)
        std::memcpy(m_pValue.get(), initial, m_Element.wLength);
}

AbstrField::AbstrField(const AbstrField& other) : m_Element(other.m_Element), m_TextCache(other.m_TextCache)
{
    if (other.m_pValue) {
        m_pValue.reset(new unsigned char[m_Element.wLength]);
        std::memcpy(m_pValue.get(), other.m_pValue.get(), m_Element.wLength);
    }
}

AbstrField& AbstrField::operator=(const AbstrField& other)
{
    if (this == &other)
        return *this;
    if (m_Element.wLength != other.m_Element.wLength || !m_pValue) {
        m_pValue.reset();
        if (other.m_pValue)
            m_pValue.reset(new unsigned char[other.m_Element.wLength]);
    }
    m_Element = other.m_Element;
    if (other.m_pValue)
        std::memcpy(m_pValue.get(), other.m_pValue.get(), m_Element.wLength);
    return *this;
}

AbstrField::~AbstrField() = default;

void AbstrField::ClearValue()
{
    if (m_pValue)
        std::memset(m_pValue.get(), 0, m_Element.wLength);
}

void AbstrField::SetValue(const void* src)
{
    ClearValue();
    if (m_pValue && src != nullptr)
        std::memcpy(m_pValue.get(), src, m_Element.wLength);
}

void AbstrField::GetValue(void* dst) const
{
    if (dst == nullptr || !m_pValue)
        return;
    std::memset(dst, 0, m_Element.wLength);
    std::memcpy(dst, m_pValue.get(), m_Element.wLength);
}

void AbstrField::LoadFrom(const void* src)
{
    SetValue(src);
}

AbstrField* AbstrField::Clone() const
{
    return nullptr;
}

bool AbstrField::IsEditable() const
{
    return true;
}

int AbstrField::GetFlags() const
{
    return 0;
}

bool AbstrField::IsEqual(const AbstrField& other) const
{
    if (m_Element.wLength != other.m_Element.wLength)
        return false;
    if (m_Element.wLength == 0)
        return true;
    return std::memcmp(m_pValue.get(), other.m_pValue.get(), m_Element.wLength) == 0;
}

void AbstrField::Dump(std::ostream& out)
{
    out << GetName() << " = " << FormatText() << " ;\n";
}
