// Every field of every parameter record against the layout table in
// data/record_layouts.txt: name, kind, width, and the offset at which packing really puts it.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvrecknd.h"
#include "records/kvvlstyp.h"

namespace {

struct TableField {
    std::size_t offset = 0;
    std::string name;
    std::string kind;
    int width = 0;
};

struct TableRecord {
    std::string className;
    int size = 0;
    std::vector<TableField> fields;
};

std::vector<TableRecord> ReadLayoutTable()
{
    std::ifstream in(std::string(ZEPH_TEST_DATA_DIR) + "/record_layouts.txt");
    std::vector<TableRecord> records;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        if (line.rfind("record ", 0) == 0) {
            TableRecord r;
            std::string word;
            words >> word >> r.className >> r.size;
            records.push_back(r);
            continue;
        }
        TableField f;
        words >> f.offset >> f.name >> f.kind >> f.width;
        if (!records.empty())
            records.back().fields.push_back(f);
    }
    return records;
}

// Kind names of the table and the field class each stands for.
bool IsOfKind(const AbstrField* field, const std::string& kind)
{
    if (kind == "uchar")
        return dynamic_cast<const UCHAR_Field*>(field) != nullptr;
    if (kind == "short")
        return dynamic_cast<const SHORT_Field*>(field) != nullptr;
    if (kind == "long")
        return dynamic_cast<const LONG_Field*>(field) != nullptr;
    if (kind == "float")
        return dynamic_cast<const FLOAT_Field*>(field) != nullptr;
    if (kind == "double")
        return dynamic_cast<const DOUBLE_Field*>(field) != nullptr;
    if (kind == "string")
        return dynamic_cast<const STRING_Field*>(field) != nullptr;
    return false;
}

// Gives one field a value with every byte set (a string: width - 1 letters), packs the
// record into a zeroed block and returns which bytes came out nonzero.
std::vector<bool> BytesWrittenByField(AbstrRecord& record, int index)
{
    AbstrField* field = record.GetField(index);
    const std::vector<unsigned char> value(field->GetLength(), 0x5A);
    std::vector<unsigned char> text(value);
    text.back() = 0;
    field->SetValue(dynamic_cast<STRING_Field*>(field) != nullptr ? text.data() : value.data());
    std::vector<unsigned char> block(static_cast<std::size_t>(record.GetSize()), 0);
    record.StoreTo(block.data());
    std::vector<bool> nonzero(block.size());
    for (std::size_t i = 0; i < block.size(); ++i)
        nonzero[i] = block[i] != 0;
    return nonzero;
}

TEST(ParameterRecordLayoutTable, CoversEveryRecordClassInOrder)
{
    const std::vector<TableRecord> table = ReadLayoutTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(KvvlsRecordId::Count));
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].className, KvvlsGetLayout(static_cast<KvvlsRecordId>(i)).className);
}

TEST(ParameterRecordLayoutTable, EveryFieldHasItsNameKindWidthAndOffset)
{
    const std::vector<TableRecord> table = ReadLayoutTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(KvvlsRecordId::Count));
    for (std::size_t r = 0; r < table.size(); ++r) {
        const TableRecord& expected = table[r];
        SCOPED_TRACE(expected.className);
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(static_cast<KvvlsRecordId>(r));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->GetSize(), expected.size);
        ASSERT_EQ(record->GetFieldCount(), static_cast<int>(expected.fields.size()));
        for (int f = 0; f < record->GetFieldCount(); ++f) {
            const TableField& e = expected.fields[static_cast<std::size_t>(f)];
            SCOPED_TRACE(e.name);
            const AbstrField* field = record->GetField(f);
            EXPECT_STREQ(field->GetName(), e.name.c_str());
            EXPECT_TRUE(IsOfKind(field, e.kind)) << e.kind;
            EXPECT_EQ(field->GetLength(), e.width);
            EXPECT_EQ(record->GetFieldOffset(f), e.offset);
        }
    }
}

TEST(ParameterRecordLayoutTable, PackingPutsEachFieldAtItsOffset)
{
    const std::vector<TableRecord> table = ReadLayoutTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(KvvlsRecordId::Count));
    for (std::size_t r = 0; r < table.size(); ++r) {
        SCOPED_TRACE(table[r].className);
        for (std::size_t f = 0; f < table[r].fields.size(); ++f) {
            const TableField& e = table[r].fields[f];
            SCOPED_TRACE(e.name);
            const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(static_cast<KvvlsRecordId>(r));
            ASSERT_EQ(record->GetFieldCount(), static_cast<int>(table[r].fields.size()));
            const std::vector<bool> nonzero = BytesWrittenByField(*record, static_cast<int>(f));
            const std::size_t valueBytes = e.kind == "string" ? static_cast<std::size_t>(e.width) - 1
                                                               : static_cast<std::size_t>(e.width);
            for (std::size_t i = 0; i < nonzero.size(); ++i) {
                const bool inValue = i >= e.offset && i < e.offset + valueBytes;
                ASSERT_EQ(nonzero[i], inValue) << "byte " << i;
            }
        }
    }
}

}  // namespace
