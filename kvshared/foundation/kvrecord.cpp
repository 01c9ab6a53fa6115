#include "foundation/kvrecord.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>

#include "foundation/kvrecmsg.h"

AbstrRecord::AbstrRecord() = default;

AbstrRecord::AbstrRecord(const AbstrRecord& other)
{
    m_Fields.reserve(other.m_Fields.size());
    for (const AbstrField* field : other.m_Fields)
        AddField(field->Clone());
}

AbstrRecord& AbstrRecord::operator=(const AbstrRecord& other)
{
    if (this == &other)
        return *this;
    if (m_Fields.size() != other.m_Fields.size()) {
        KvRecordShowCopyRefused();
        return *this;
    }
    for (std::size_t i = 0; i < m_Fields.size(); ++i)
        *m_Fields[i] = *other.m_Fields[i];
    return *this;
}

AbstrRecord::~AbstrRecord()
{
    AbstrRecord::DeleteFields();
}

void AbstrRecord::AddField(AbstrField* field)
{
    if (field != nullptr)
        m_Fields.push_back(field);
}

std::int16_t AbstrRecord::GetSize() const
{
    return static_cast<std::int16_t>(GetPackedSize());
}

std::size_t AbstrRecord::GetPackedSize() const
{
    std::size_t size = 0;
    for (const AbstrField* field : m_Fields)
        size += field->GetLength();
    return size;
}

std::size_t AbstrRecord::GetFieldOffset(int index) const
{
    std::size_t offset = 0;
    for (int i = 0; i < index && i < GetFieldCount(); ++i)
        offset += m_Fields[static_cast<std::size_t>(i)]->GetLength();
    return offset;
}

AbstrField* AbstrRecord::GetField(int index) const
{
    if (index < 0 || index >= GetFieldCount())
        return nullptr;
    return m_Fields[static_cast<std::size_t>(index)];
}

void AbstrRecord::StoreTo(void* buffer) const
{
    StoreToBlock(buffer, GetPackedSize());
}

void AbstrRecord::LoadFrom(const void* buffer)
{
    LoadFromBlock(buffer, GetPackedSize());
}

void AbstrRecord::StoreToBlock(void* block, std::size_t blockSize) const
{
    if (block == nullptr)
        return;
    auto* out = static_cast<unsigned char*>(block);
    std::size_t offset = 0;
    for (const AbstrField* field : m_Fields) {
        const std::size_t length = field->GetLength();
        if (offset >= blockSize)
            break;
        if (offset + length <= blockSize) {
            field->GetValue(out + offset);
        } else {
            std::unique_ptr<unsigned char[]> whole(new unsigned char[length]());
            field->GetValue(whole.get());
            std::memcpy(out + offset, whole.get(), blockSize - offset);
        }
        offset += length;
    }
}

void AbstrRecord::LoadFromBlock(const void* block, std::size_t blockSize)
{
    if (block == nullptr)
        blockSize = 0;
    const auto* in = static_cast<const unsigned char*>(block);
    std::size_t offset = 0;
    for (AbstrField* field : m_Fields) {
        const std::size_t length = field->GetLength();
        if (offset + length <= blockSize) {
            field->LoadFrom(in + offset);
        } else {
            std::unique_ptr<unsigned char[]> whole(new unsigned char[length]());
            if (offset < blockSize)
                std::memcpy(whole.get(), in + offset, blockSize - offset);
            field->LoadFrom(whole.get());
        }
        offset += length;
    }
}

void AbstrRecord::DeleteFields()
{
    for (AbstrField* field : m_Fields)
        delete field;
    m_Fields.clear();
}

void AbstrRecord::Dump()
{
    Dump(std::cout);
}

void AbstrRecord::Dump(std::ostream& out)
{
    for (AbstrField* field : m_Fields)
        field->Dump(out);
}

void AbstrRecord::VisitFields()
{
    for (AbstrField* field : m_Fields)
        VisitField(*field);
}

void AbstrRecord::VisitField(AbstrField&) {}

AbstrField* AbstrRecord::FindField(const char* name) const
{
    if (name == nullptr)
        return nullptr;
    const auto it = std::find_if(m_Fields.begin(), m_Fields.end(),
                                 [name](const AbstrField* f) { return std::strcmp(f->GetName(), name) == 0; });
    return it == m_Fields.end() ? nullptr : *it;
}

bool AbstrRecord::operator==(const AbstrRecord& other) const
{
    if (m_Fields.size() != other.m_Fields.size())
        return false;
    for (std::size_t i = 0; i < m_Fields.size(); ++i) {
        if (!m_Fields[i]->IsEqual(*other.m_Fields[i]))
            return false;
    }
    return true;
}

Kvvls_Variable::Kvvls_Variable() = default;

Kvvls_Variable::~Kvvls_Variable() = default;
