// Records: ordered lists of named typed fields with a packed form (the fields' values
// back to back, no padding), a one-line text form and a diagnostic dump.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "foundation/kvrecfld.h"
#include "foundation/kvrecknd.h"

// Results of the line reads.
enum KvTextReadResult : int {
    kKvTextMalformed = 0,  // a malformed line, or no line left
    kKvTextRecord = 1,     // every field has taken its value
    kKvTextEndTag = 2,     // the line is the end tag; no field changed
};

class AbstrRecord {
public:
    AbstrRecord();
    // An independent copy: each field of other cloned, in order.
    AbstrRecord(const AbstrRecord& other);
    // Field-by-field assignment when both have as many fields; otherwise nothing is
    // copied and the user is told "Cannot copy record. Size is not the same!".
    AbstrRecord& operator=(const AbstrRecord& other);
    virtual ~AbstrRecord();

    // Appends a field; the record owns it from now on.
    virtual void AddField(AbstrField* field);
    // Sum of the field lengths.
    virtual std::int16_t GetSize() const;
    // Packed write and read over a buffer of at least GetSize bytes.
    virtual void StoreTo(void* buffer) const;
    virtual void LoadFrom(const void* buffer);
    // One record line with the delimiter set of a section kind (kvtextrec.cpp).
    virtual int WriteText(int sectionKind);
    virtual int ReadText(int sectionKind);
    virtual int WriteTextDelimited(const std::string& open, const std::string& separator, const std::string& close);
    virtual int ReadTextDelimited(const std::string& open, const std::string& separator, const std::string& close,
                                  const std::string& endTag);
    // Deletes every field.
    virtual void DeleteFields();
    // Each field's "name = text ;" line on the console output.
    virtual void Dump();
    // Calls VisitField for each field in order.
    virtual void VisitFields();

    // The first field of that exact name, or null.
    AbstrField* FindField(const char* name) const;
    bool operator==(const AbstrRecord& other) const;
    bool operator!=(const AbstrRecord& other) const { return !(*this == other); }

    int GetFieldCount() const { return static_cast<int>(m_Fields.size()); }
    AbstrField* GetField(int index) const;
    // Byte offset of a field in the packed form.
    std::size_t GetFieldOffset(int index) const;
    // The packed size without the 16-bit limit of GetSize.
    std::size_t GetPackedSize() const;

    // Packed write and read bounded by the block's size: a block smaller than the record
    // takes (gives) only the bytes it holds, a field cut by its end is zero-filled; bytes
    // of a larger block beyond the record are not touched.
    void StoreToBlock(void* block, std::size_t blockSize) const;
    void LoadFromBlock(const void* block, std::size_t blockSize);

    void Dump(std::ostream& out);

protected:
    // Per-field hook of VisitFields; does nothing here.
    virtual void VisitField(AbstrField& field);

private:
    // Steps through the fields of a line from pos (kvtextrec.cpp).
    int ReadFieldsFrom(std::string& line, std::size_t pos, const std::string& separator, const std::string& close);

    std::vector<AbstrField*> m_Fields;
};

// Base of the parameter records: fields are added by the derived constructors in packed
// order; the text line uses the delimiters of section kind 17 and the end tag "NoMatch",
// which no record line ever equals.
class Kvvls_Variable : public AbstrRecord {
public:
    Kvvls_Variable();
    Kvvls_Variable(const Kvvls_Variable& other) = default;
    Kvvls_Variable& operator=(const Kvvls_Variable& other) = default;
    ~Kvvls_Variable() override;

    using AbstrRecord::ReadText;
    using AbstrRecord::WriteText;

    // Writes the values as one line; 1, or 0 when the line could not be written.
    int WriteText();
    // Reads one line: kKvTextRecord, kKvTextEndTag for "NoMatch", else kKvTextMalformed.
    int ReadText();

    static constexpr unsigned int kTextSectionKind = 17;
    static constexpr const char* kNoMatchTag = "NoMatch";
};
