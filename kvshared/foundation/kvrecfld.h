// Typed fields of a record: the field descriptor and the abstract field that owns one
// value block of exactly the descriptor's length. The value block is the field's part of
// the record's packed form (numbers little-endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

// Field type codes carried by the descriptor. Code 5 belongs to no kind; the flag kind
// shares the code of the 32-bit integer kind.
enum KvFieldTypeCode : std::int32_t {
    kKvFieldUchar = 1,
    kKvFieldShort = 2,
    kKvFieldLong = 3,
    kKvFieldString = 4,
    kKvFieldBool = 3,
    kKvFieldFloat = 6,
    kKvFieldDouble = 7,
};

// Descriptor of one field: packed length, type code and a name of at most 32 characters.
class tagELEMENT {
public:
    static constexpr std::size_t kMaxName = 32;

    tagELEMENT() = default;
    tagELEMENT(const char* name, std::uint16_t length, std::int32_t typeCode);
    tagELEMENT(const tagELEMENT&) = default;
    tagELEMENT& operator=(const tagELEMENT&) = default;
    virtual ~tagELEMENT();

    // Fills name (cut to 32 characters), length and type code.
    void Set(const char* name, std::uint16_t length, std::int32_t typeCode);

    std::uint16_t wLength = 0;
    std::int32_t nTypeCode = 0;
    char szName[kMaxName + 1] = {};
};

using ElementDescr = tagELEMENT;

// Base of the field kinds. A field made from a descriptor owns a value block of
// wLength bytes; only the default-constructed field has none (and wLength 0).
class AbstrField {
public:
    AbstrField();
    explicit AbstrField(const tagELEMENT& descr);
    AbstrField(const tagELEMENT& descr, const void* initial);
    AbstrField(const AbstrField& other);
    AbstrField& operator=(const AbstrField& other);
    virtual ~AbstrField();

    // Copies wLength bytes from src into the value (kinds may bound the copy).
    virtual void SetValue(const void* src);
    // Clears wLength bytes at dst and copies the value there.
    virtual void GetValue(void* dst) const;
    // Entry of the record's packed read; the same as SetValue.
    virtual void LoadFrom(const void* src);
    // The field's text form; the result is also kept in the text cache.
    virtual std::string FormatText() = 0;
    // Parses a text form and stores the value.
    virtual void ParseText(const std::string& text) = 0;
    // A new field of the same kind with copies of descriptor and value; null here.
    virtual AbstrField* Clone() const;
    virtual bool IsEditable() const;
    virtual int GetFlags() const;

    // True when both values are equal over wLength bytes (and the lengths agree).
    bool IsEqual(const AbstrField& other) const;
    // Writes "name = text ;\n".
    void Dump(std::ostream& out);

    const tagELEMENT& Element() const { return m_Element; }
    const char* GetName() const { return m_Element.szName; }
    std::uint16_t GetLength() const { return m_Element.wLength; }
    std::int32_t GetTypeCode() const { return m_Element.nTypeCode; }
    // The value block (null only in a default-constructed field).
    const unsigned char* GetValuePtr() const { return m_pValue.get(); }
    // The text last produced by FormatText.
    const std::string& GetTextCache() const { return m_TextCache; }

protected:
    void ClearValue();
    unsigned char* ValueBytes() { return m_pValue.get(); }
    void CacheText(const std::string& text) { m_TextCache = text; }

private:
    std::unique_ptr<unsigned char[]> m_pValue;
    tagELEMENT m_Element;
    std::string m_TextCache;
};
