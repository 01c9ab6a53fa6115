#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvrecnum.h"
#include "foundation/kvtextstm.h"
#include "records/kvvlstyp.h"

#include "records/tests/record_text_fixture.h"

namespace {

class ParameterRecordText : public RecordTextFixture {};

KvvlsRecordId IdAt(int i)
{
    return static_cast<KvvlsRecordId>(i);
}

// A distinctive value for field i, the kind of text a user could enter: strings hold
// commas, line ends and a trailing "~" in turn.
void FillDistinct(AbstrRecord& record)
{
    for (int i = 0; i < record.GetFieldCount(); ++i) {
        AbstrField* f = record.GetField(i);
        unsigned char bytes[8] = {};
        switch (f->GetTypeCode()) {
        case kKvFieldUchar:
            bytes[0] = static_cast<unsigned char>(200 + i);
            f->SetValue(bytes);
            break;
        case kKvFieldShort:
            kvrec::StoreInt16(bytes, static_cast<std::int16_t>(-1000 * (i + 1)));
            f->SetValue(bytes);
            break;
        case kKvFieldLong:
            kvrec::StoreInt32(bytes, 100000 * (i + 1) + 7);
            f->SetValue(bytes);
            break;
        case kKvFieldFloat:
            kvrec::StoreFloat(bytes, static_cast<float>(i) + 0.5f);
            f->SetValue(bytes);
            break;
        case kKvFieldDouble:
            kvrec::StoreDouble(bytes, -1234.25 - i);
            f->SetValue(bytes);
            break;
        case kKvFieldString: {
            static const char* const kSamples[] = {"a,b", "x\r\ny", "end~", "plain text", "~", "Q"};
            static_cast<STRING_Field*>(f)->SetText(kSamples[i % 6]);
            break;
        }
        }
    }
}

// The default line: zeros for numbers, "0.000000d" for reals, nothing for strings.
std::string DefaultLine(const AbstrRecord& record)
{
    std::string line = "<";
    for (int i = 0; i < record.GetFieldCount(); ++i) {
        switch (record.GetField(i)->GetTypeCode()) {
        case kKvFieldFloat:
        case kKvFieldDouble:
            line += "0.000000d";
            break;
        case kKvFieldString:
            break;
        default:
            line += "0";
            break;
        }
        line += ",";
    }
    return line + ">\r\n";
}

TEST_F(ParameterRecordText, EveryRecordRoundTripsFromItsDefaults)
{
    for (int i = 0; i < static_cast<int>(KvvlsRecordId::Count); ++i) {
        SCOPED_TRACE(KvvlsGetLayout(IdAt(i)).className);
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(IdAt(i));

        // Defaults pack to zero bytes.
        const std::size_t size = record->GetPackedSize();
        std::vector<unsigned char> packed(size, 0xEE);
        record->StoreTo(packed.data());
        EXPECT_EQ(packed, std::vector<unsigned char>(size, 0));

        // The text line, read back into a record holding other values.
        const std::string line = LineOf(*record);
        EXPECT_EQ(line, DefaultLine(*record));
        const std::unique_ptr<Kvvls_Variable> back = KvvlsCreateRecord(IdAt(i));
        FillDistinct(*back);
        Load(line);
        ASSERT_EQ(back->ReadText(), kKvTextRecord);
        EXPECT_TRUE(*back == *record);
    }
}

TEST_F(ParameterRecordText, EveryRecordRoundTripsWithValues)
{
    for (int i = 0; i < static_cast<int>(KvvlsRecordId::Count); ++i) {
        const KvvlsRecordId id = IdAt(i);
        SCOPED_TRACE(KvvlsGetLayout(id).className);
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(id);
        FillDistinct(*record);

        // Packed and built again from the block.
        std::vector<unsigned char> packed(record->GetPackedSize());
        record->StoreTo(packed.data());
        if (id != KvvlsRecordId::PageType) {
            const std::unique_ptr<Kvvls_Variable> fromBlock = KvvlsCreateRecord(id, packed.data(), packed.size());
            EXPECT_TRUE(*fromBlock == *record);
        }

        // Written as one line and read into a default record.
        const std::string line = LineOf(*record);
        EXPECT_EQ(line.find('\n'), line.size() - 1);
        Load(line);
        const std::unique_ptr<Kvvls_Variable> back = KvvlsCreateRecord(id);
        ASSERT_EQ(back->ReadText(), kKvTextRecord) << line;
        EXPECT_TRUE(*back == *record) << line;
    }
}

// Built from a block and packed again, a record gives back the block, except that each
// string comes back zero-filled after its text and in its last byte.
TEST_F(ParameterRecordText, BlocksComeBackThroughTheRecords)
{
    for (int i = 0; i < static_cast<int>(KvvlsRecordId::Count); ++i) {
        const KvvlsRecordId id = IdAt(i);
        if (id == KvvlsRecordId::PageType)
            continue;
        SCOPED_TRACE(KvvlsGetLayout(id).className);
        const std::unique_ptr<Kvvls_Variable> shape = KvvlsCreateRecord(id);
        std::vector<unsigned char> block(shape->GetPackedSize());
        for (std::size_t b = 0; b < block.size(); ++b)
            block[b] = static_cast<unsigned char>(b % 7 == 3 ? 0 : 'A' + b % 26);

        std::vector<unsigned char> expected = block;
        for (int f = 0; f < shape->GetFieldCount(); ++f) {
            if (shape->GetField(f)->GetTypeCode() != kKvFieldString)
                continue;
            const std::size_t start = shape->GetFieldOffset(f);
            const std::size_t end = start + shape->GetField(f)->GetLength();
            bool ended = false;
            for (std::size_t b = start; b < end; ++b) {
                ended = ended || expected[b] == 0 || b == end - 1;
                if (ended)
                    expected[b] = 0;
            }
        }

        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(id, block.data(), block.size());
        std::vector<unsigned char> packed(block.size(), 0xEE);
        record->StoreTo(packed.data());
        EXPECT_EQ(packed, expected);
    }
}

TEST_F(ParameterRecordText, AShortBlockIsNeverReadPastItsEnd)
{
    for (int i = 0; i < static_cast<int>(KvvlsRecordId::Count); ++i) {
        const KvvlsRecordId id = IdAt(i);
        SCOPED_TRACE(KvvlsGetLayout(id).className);
        const std::size_t full = KvvlsCreateRecord(id)->GetPackedSize();
        const std::size_t size = full / 2;
        // Exactly size bytes on the heap, so that a read past them is caught by the
        // address sanitizer.
        std::unique_ptr<unsigned char[]> block(new unsigned char[size == 0 ? 1 : size]);
        std::memset(block.get(), 0x31, size == 0 ? 1 : size);
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(id, block.get(), size);
        if (id == KvvlsRecordId::STRING) {
            EXPECT_EQ(record->GetPackedSize(), size);
            continue;
        }
        std::vector<unsigned char> packed(full);
        record->StoreTo(packed.data());
        for (int f = 0; f < record->GetFieldCount(); ++f) {
            const std::size_t offset = record->GetFieldOffset(f);
            if (offset < size || id == KvvlsRecordId::PageType)
                continue;
            for (std::size_t b = offset; b < offset + record->GetField(f)->GetLength(); ++b)
                EXPECT_EQ(packed[b], 0) << record->GetField(f)->GetName();
        }
    }
}

TEST_F(ParameterRecordText, ExactLines)
{
    Kvvls_Menu menu;
    EXPECT_EQ(LineOf(menu), "<0,0,0,0,0,0,0,0,0,0,0,>\r\n");

    const unsigned char c = 200;
    Kvvls_Char character(&c, 1);
    EXPECT_EQ(LineOf(character), "<200,>\r\n");

    const double d = 2.5;
    Kvvls_DOUBLE number(&d, sizeof d);
    EXPECT_EQ(LineOf(number), "<2.500000d,>\r\n");
    Kvvls_FLOAT zero;
    EXPECT_EQ(LineOf(zero), "<0.000000d,>\r\n");

    Kvvls_STRING text;
    EXPECT_EQ(LineOf(text), "<,>\r\n");

    Kvvls_ENTKPARM2 keys;
    const std::int32_t ignore = 0x1F;
    const std::int16_t clear = 1;
    const std::int32_t append = -1;
    keys.FindField("IgnoreKeys")->SetValue(&ignore);
    keys.FindField("ClrTypeAhead")->SetValue(&clear);
    keys.FindField("TermAndAppnd")->SetValue(&append);
    EXPECT_EQ(LineOf(keys), "<31,0,0,0,0,0,0,1,0,0,-1,>\r\n");

    Kvvls_DL list;
    static_cast<STRING_Field*>(list.GetField(0))->SetText("Sales, East");
    EXPECT_EQ(LineOf(list), "<Sales~, East,0,,>\r\n");
}

TEST_F(ParameterRecordText, MalformedLinesAndTheEndMarker)
{
    // One value fewer than the record has fields.
    Kvvls_Menu menu;
    const std::int16_t seven = 7;
    menu.FindField("NoRepPrompt")->SetValue(&seven);
    Load("<1,2,3,4,5,6,7,8,9,10,>\r\n");
    EXPECT_EQ(menu.ReadText(), kKvTextMalformed);
    std::int16_t v = 0;
    menu.FindField("TossTypeAhead")->GetValue(&v);
    EXPECT_EQ(v, 10);
    menu.FindField("NoRepPrompt")->GetValue(&v);
    EXPECT_EQ(v, 7);

    // One value more.
    Load("<1,2,3,4,5,6,7,8,9,10,11,12,>\r\n");
    EXPECT_EQ(menu.ReadText(), kKvTextMalformed);

    // The end marker changes nothing.
    const Kvvls_Menu before(menu);
    Load("NoMatch\r\n");
    EXPECT_EQ(menu.ReadText(), kKvTextEndTag);
    EXPECT_TRUE(menu == before);

    // No line at all.
    Load("");
    EXPECT_EQ(menu.ReadText(), kKvTextMalformed);
    EXPECT_TRUE(menu == before);

    // A line of one layout reads into another of the same field kinds.
    Kvvls_FileType file;
    FillDistinct(file);
    Load(LineOf(file));
    Kvvls_MailType mail;
    EXPECT_EQ(mail.ReadText(), kKvTextRecord);
    std::vector<unsigned char> a(28), b(28);
    file.StoreTo(a.data());
    mail.StoreTo(b.data());
    EXPECT_EQ(a, b);
}

TEST_F(ParameterRecordText, LongRecordsWriteOneValuePerField)
{
    for (const KvvlsRecordId id : {KvvlsRecordId::RecordEditType, KvvlsRecordId::EntryType, KvvlsRecordId::MultiMailType}) {
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(id);
        const std::string line = LineOf(*record);
        EXPECT_EQ(static_cast<int>(std::count(line.begin(), line.end(), ',')), record->GetFieldCount());
    }
    EXPECT_EQ(Kvvls_RecordEditType().GetFieldCount(), 47);
    EXPECT_EQ(Kvvls_EntryType().GetFieldCount(), 24);
    EXPECT_EQ(Kvvls_MultiMailType().GetFieldCount(), 15);
}

TEST(ParameterRecordBlocks, StringsAreCutToTheirWidth)
{
    struct Case {
        std::unique_ptr<Kvvls_Variable> record;
        const char* field;
        std::string value;
        std::string kept;
    };
    Case cases[] = {
        {std::make_unique<Kvvls_MBBIG>(), "Pass", "1234567", "1234567"},
        {std::make_unique<Kvvls_MBBIG>(), "Pass", "1234567890", "1234567"},
        {std::make_unique<Kvvls_DelayType2>(), "FileName1", "ABCDEFGH", "ABCDEFGH"},
        {std::make_unique<Kvvls_DelayType2>(), "FileName1", "ABCDEFGHI", "ABCDEFGH"},
        {std::make_unique<Kvvls_MsgStType9>(), "MsgSubject", std::string(200, 's'), std::string(200, 's')},
        {std::make_unique<Kvvls_MsgStType8>(), "MsgSubject", std::string(200, 's'), std::string(160, 's')},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto* f = dynamic_cast<STRING_Field*>(c.record->FindField(c.field));
        ASSERT_NE(f, nullptr);
        f->SetText(c.value);
        EXPECT_EQ(f->GetText(), c.kept);
    }
}

TEST(ParameterRecordBlocks, DateTimeTextWithoutTerminatorKeepsFourteenCharacters)
{
    const char block[15] = {'2', '0', '2', '4', '0', '6', '0', '7', '1', '3', '0', '5', '0', '9', 'X'};
    Kvvls_DATETIME2 date(block, sizeof block);
    EXPECT_EQ(static_cast<STRING_Field*>(date.FindField("DATETIME"))->GetText(), "20240607130509");
}

TEST(ParameterRecordBlocks, PageKeepsOnlyWhetherATableWasAttached)
{
    const unsigned char withTable[6] = {0, 0, 0x10, 0, 0x05, 0x00};
    Kvvls_PageType page(withTable, sizeof withTable);
    EXPECT_EQ(page.GetSize(), 4);
    std::int16_t v = 0;
    page.FindField("TablePtr")->GetValue(&v);
    EXPECT_EQ(v, 1);
    page.FindField("Type")->GetValue(&v);
    EXPECT_EQ(v, 5);

    const unsigned char withoutTable[6] = {0, 0, 0, 0, 0x02, 0x01};
    Kvvls_PageType plain(withoutTable, sizeof withoutTable);
    plain.FindField("TablePtr")->GetValue(&v);
    EXPECT_EQ(v, 0);
    plain.FindField("Type")->GetValue(&v);
    EXPECT_EQ(v, 0x0102);
}

TEST(ParameterRecordBlocks, StringRecordWidthFollowsItsCaller)
{
    EXPECT_EQ(Kvvls_STRING().GetSize(), 256);
    const char text[] = "hello";
    Kvvls_STRING fromBuffer(text, 6);
    EXPECT_EQ(fromBuffer.GetSize(), 6);
    EXPECT_EQ(static_cast<STRING_Field*>(fromBuffer.GetField(0))->GetText(), "hello");
    EXPECT_STREQ(fromBuffer.GetField(0)->GetName(), "String");
}

}  // namespace
