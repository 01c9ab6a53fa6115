#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "foundation/kvrecnum.h"
#include "foundation/kvtextstm.h"
#include "records/kvvlssel.h"
#include "records/kvvlstyp.h"
#include "records/kvvlsval.h"

#include "records/tests/record_text_fixture.h"

namespace {

// Runs in a folder of its own (the error log goes to the current folder) with a string
// stream as the current text stream.
class TypedValueTest : public RecordTextFixture {
protected:
    void SetUp() override
    {
        RecordTextFixture::SetUp();
        m_previous = std::filesystem::current_path();
        m_folder = std::filesystem::temp_directory_path() /
                   ("kvvls_value_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        std::filesystem::current_path(m_folder);
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_folder);
        RecordTextFixture::TearDown();
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

template <typename T>
void Set(AbstrRecord& r, const char* name, T value)
{
    AbstrField* f = r.FindField(name);
    ASSERT_NE(f, nullptr) << name;
    ASSERT_EQ(f->GetLength(), sizeof value) << name;
    f->SetValue(&value);
}

void SetText(AbstrRecord& r, const char* name, const std::string& text)
{
    auto* f = dynamic_cast<STRING_Field*>(r.FindField(name));
    ASSERT_NE(f, nullptr) << name;
    f->SetText(text);
}

template <typename T>
T Get(const AbstrRecord& r, const char* name)
{
    T value{};
    const AbstrField* f = r.FindField(name);
    EXPECT_NE(f, nullptr) << name;
    if (f != nullptr)
        f->GetValue(&value);
    return value;
}

std::string GetText(const AbstrRecord& r, const char* name)
{
    const auto* f = dynamic_cast<const STRING_Field*>(r.FindField(name));
    return f != nullptr ? f->GetText() : "<no field>";
}

TEST(TypedValueLayouts, FormatLevelsSelectTheLayouts)
{
    struct Case {
        std::int16_t typeCode;
        int level;
        const char* className;
    };
    const Case cases[] = {
        {9, 7, "Kvvls_ENTKPARM2"},       {9, 6, "Kvvls_ENTKPARM"},
        {26, 12, "Kvvls_FaxSessInfo2"},  {26, 11, "Kvvls_FaxSessInfo"},
        {28, 14, "Kvvls_HeaderType2"},   {28, 13, "Kvvls_HeaderType"},
        {48, 4, "Kvvls_DelayType2"},     {48, 3, "Kvvls_DelayType"},
        {49, 4, "Kvvls_DelErrorType2"},  {49, 3, "Kvvls_DelErrorType"},
        {55, 15, "Kvvls_AddrType5"},     {55, 14, "Kvvls_AddrType4"},   {55, 8, "Kvvls_AddrType4"},
        {55, 7, "Kvvls_AddrType3"},      {55, 6, "Kvvls_AddrType3"},    {55, 5, "Kvvls_AddrType2"},
        {55, 2, "Kvvls_AddrType2"},      {55, 1, "Kvvls_AddrType"},
        {56, 14, "Kvvls_ADDRFTYPE5"},    {56, 13, "Kvvls_ADDRFTYPE4"},  {56, 12, "Kvvls_ADDRFTYPE3"},
        {56, 6, "Kvvls_ADDRFTYPE3"},     {56, 5, "Kvvls_ADDRFTYPE2"},   {56, 2, "Kvvls_ADDRFTYPE2"},
        {56, 1, "Kvvls_ADDRFTYPE"},
        {57, 5, "Kvvls_PlayKType2"},     {57, 4, "Kvvls_PlayKType"},
        {59, 13, "Kvvls_MsgBdyType5"},   {59, 12, "Kvvls_MsgBdyType4"}, {59, 11, "Kvvls_MsgBdyType3"},
        {59, 6, "Kvvls_MsgBdyType3"},    {59, 5, "Kvvls_MsgBdyType2"},  {59, 2, "Kvvls_MsgBdyType2"},
        {59, 1, "Kvvls_MsgBdyType"},
        {60, 15, "Kvvls_MsgStType9"},    {60, 14, "Kvvls_MsgStType9"},  {60, 13, "Kvvls_MsgStType8"},
        {60, 12, "Kvvls_MsgStType7"},    {60, 11, "Kvvls_MsgStType6"},  {60, 10, "Kvvls_MsgStType5"},
        {60, 9, "Kvvls_MsgStType5"},     {60, 8, "Kvvls_MsgStType4"},   {60, 6, "Kvvls_MsgStType4"},
        {60, 5, "Kvvls_MsgStType3"},     {60, 4, "Kvvls_MsgStType3"},   {60, 3, "Kvvls_MsgStType2"},
        {60, 1, "Kvvls_MsgStType2"},
        {61, 13, "Kvvls_MBoxType4"},     {61, 12, "Kvvls_MBoxType3"},   {61, 4, "Kvvls_MBoxType3"},
        {61, 3, "Kvvls_MBoxType2"},
        {62, 10, "Kvvls_CallType3"},     {62, 9, "Kvvls_CallType2"},
        {3, 1, "Kvvls_LONG"},            {21, 15, "Kvvls_LONG"},        {41, 1, "Kvvls_PageType"},
        {43, 15, "Kvvls_PageType"},      {6, 3, "Kvvls_STRING"},        {63, 1, "Kvvls_AlarmType"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.typeCode) + " at level " + std::to_string(c.level));
        const auto id = KvvlsRecordOf(c.typeCode, c.level);
        ASSERT_TRUE(id.has_value());
        EXPECT_STREQ(KvvlsGetLayout(*id).className, c.className);
    }
    for (std::int16_t none : {0, 7, 30, 31, 32, 33, 34, 35, 38, 46, 52, 64, 100, -1}) {
        EXPECT_FALSE(KvvlsRecordOf(none, 15).has_value()) << none;
        EXPECT_FALSE(KvvlsCurrentRecordOf(none).has_value()) << none;
    }
}

// The block size of each data type with a parameter record.
std::size_t BlockSizeOf(std::int16_t typeCode)
{
    switch (typeCode) {
    case 6:
        return 40;
    case 17:
        return 408;
    case 40:
        return 356;
    case 41:
    case 43:
        return 6;
    default:
        return KvvlsCreateRecord(*KvvlsCurrentRecordOf(typeCode))->GetPackedSize();
    }
}

TEST_F(TypedValueTest, EveryTypeRoundTripsThroughItsLine)
{
    int types = 0;
    for (std::int16_t code = 0; code < 64; ++code) {
        const auto id = KvvlsCurrentRecordOf(code);
        if (!id)
            continue;
        ++types;
        SCOPED_TRACE(code);
        const std::size_t size = BlockSizeOf(code);
        const std::unique_ptr<Kvvls_Variable> shape = KvvlsCreateRecord(*id);

        // A block of the type's values: printable bytes, strings terminated.
        std::vector<unsigned char> block(size);
        for (std::size_t b = 0; b < size; ++b)
            block[b] = static_cast<unsigned char>('a' + b % 26);
        for (int f = 0; f < shape->GetFieldCount(); ++f) {
            if (shape->GetField(f)->GetTypeCode() == kKvFieldString) {
                const std::size_t end = shape->GetFieldOffset(f) + shape->GetField(f)->GetLength();
                if (end <= size)
                    block[end - 1] = 0;
            }
        }
        if (code == 6)
            block[size - 1] = 0;

        Load("");
        ASSERT_EQ(WriteTypedValueLine(code, block.data(), block.size()), 1);
        const std::string line = stream.str();

        std::vector<unsigned char> back(size, 0xAB);
        Load(line);
        ASSERT_EQ(ReadTypedValueLine(code, kKvvlsCurrentFormatLevel, back.data(), back.size()), 1) << line;

        std::vector<unsigned char> expected = block;
        if (code == 17 || code == 40) {
            // The bytes after the record are kept.
            for (std::size_t b = shape->GetPackedSize(); b < size; ++b)
                expected[b] = 0xAB;
        }
        if (code == 41 || code == 43) {
            // The table pointer is the caller's to restore.
            for (std::size_t b = 0; b < 4; ++b)
                expected[b] = 0xAB;
        }
        EXPECT_EQ(back, expected) << line;
    }
    EXPECT_EQ(types, 53);
}

TEST_F(TypedValueTest, BlocksThatDoNotFitAreRefused)
{
    std::vector<unsigned char> block(300, 0);
    EXPECT_EQ(WriteTypedValueLine(12, block.data(), 23), 0);  // the menu record is 24 bytes
    EXPECT_EQ(WriteTypedValueLine(12, block.data(), 25), 0);
    EXPECT_EQ(WriteTypedValueLine(7, block.data(), 30), 0);    // no record for the type
    EXPECT_EQ(WriteTypedValueLine(41, block.data(), 4), 0);
    EXPECT_EQ(WriteTypedValueLine(17, block.data(), 300), 0);  // smaller than its record
    EXPECT_EQ(stream.str(), "");

    Load("<1,2,3,4,5,6,7,8,9,10,11,>\r\n");
    std::vector<unsigned char> menu(25, 0xAB);
    EXPECT_EQ(ReadTypedValueLine(12, 15, menu.data(), menu.size()), 0);
    EXPECT_EQ(menu, std::vector<unsigned char>(25, 0xAB));
}

TEST_F(TypedValueTest, MalformedLinesLeaveTheBlockUnchanged)
{
    for (const char* line : {"<1,2,>\r\n", "NoMatch\r\n", ""}) {
        SCOPED_TRACE(line);
        Load(line);
        std::vector<unsigned char> block(18, 0xAB);
        EXPECT_EQ(ReadTypedValueLine(42, 15, block.data(), block.size()), 0);
        EXPECT_EQ(block, std::vector<unsigned char>(18, 0xAB));
    }
}

TEST_F(TypedValueTest, StringsFollowTheirBlocks)
{
    char text[20] = "hello, world";
    Load("");
    ASSERT_EQ(WriteTypedValueLine(6, text, sizeof text), 1);
    EXPECT_EQ(stream.str(), "<hello~, world,>\r\n");

    char small[8];
    std::memset(small, 'z', sizeof small);
    Load(stream.str());
    ASSERT_EQ(ReadTypedValueLine(6, 15, small, sizeof small), 1);
    EXPECT_EQ(std::memcmp(small, "hello, \0", 8), 0);
}

TEST_F(TypedValueTest, PagesKeepTheirTablePointerBytes)
{
    const unsigned char page[6] = {0x01, 0x02, 0x03, 0x04, 0x03, 0x00};
    Load("");
    ASSERT_EQ(WriteTypedValueLine(41, page, sizeof page), 1);
    EXPECT_EQ(stream.str(), "<1,3,>\r\n");

    unsigned char back[6] = {0xAA, 0xBB, 0xCC, 0xDD, 0, 0};
    Load("<1,9,>\r\n");
    ASSERT_EQ(ReadTypedValueLine(43, 15, back, sizeof back), 1);
    const unsigned char expected[6] = {0xAA, 0xBB, 0xCC, 0xDD, 0x09, 0x00};
    EXPECT_EQ(std::memcmp(back, expected, 6), 0);
}

// An older layout is read by its own field list and converted: fields that stay keep
// their values, renamed ones follow their new name, narrowed texts are cut and new
// fields start at zero.
TEST_F(TypedValueTest, OlderAddressLayoutIsConverted)
{
    Kvvls_AddrType3 older;
    Set<std::int32_t>(older, "AddressType", 4);
    SetText(older, "Mailbox", "mbx,1");
    SetText(older, "UniqueID", "user-7");
    Set<std::int16_t>(older, "PDL", 1);
    Load(LineOf(older));

    std::vector<unsigned char> block(1519, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(55, 6, block.data(), block.size()), 1);
    const Kvvls_AddrType5 current(block.data(), block.size());
    EXPECT_EQ(Get<std::int32_t>(current, "AddressType"), 4);
    EXPECT_EQ(GetText(current, "Mailbox"), "mbx,1");
    EXPECT_EQ(GetText(current, "UniqueUserID"), "user-7");
    EXPECT_EQ(Get<std::int16_t>(current, "PDL"), 1);
    EXPECT_EQ(Get<std::int16_t>(current, "Autologon"), 0);
    EXPECT_EQ(Get<std::int32_t>(current, "CustID"), 0);

    // The same line is no current address line.
    Load(LineOf(older));
    EXPECT_EQ(ReadTypedValueLine(55, 15, block.data(), block.size()), 0);
}

TEST_F(TypedValueTest, OlderMessageLayoutsAreConverted)
{
    Kvvls_MsgStType2 status;
    SetText(status, "MsgName", std::string(60, 'n'));  // 81 bytes wide here, 41 now
    SetText(status, "MsgSubject", "subject");
    Set<std::int16_t>(status, "Printing", 1);
    Load(LineOf(status));
    std::vector<unsigned char> block(699, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(60, 1, block.data(), block.size()), 1);
    const Kvvls_MsgStType9 current(block.data(), block.size());
    EXPECT_EQ(GetText(current, "MsgName"), std::string(40, 'n'));
    EXPECT_EQ(GetText(current, "MsgSubject"), "subject");
    EXPECT_EQ(Get<std::int16_t>(current, "Printing"), 1);
    EXPECT_EQ(Get<double>(current, "MsgID"), 0.0);
    EXPECT_EQ(Get<std::int32_t>(current, "AutoDelTime"), 0);

    Kvvls_MsgBdyType body;
    Set<std::int16_t>(body, "BodySize", -5);  // 2 bytes here, 4 now
    Load(LineOf(body));
    std::vector<unsigned char> bodyBlock(22, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(59, 1, bodyBlock.data(), bodyBlock.size()), 1);
    const Kvvls_MsgBdyType5 currentBody(bodyBlock.data(), bodyBlock.size());
    EXPECT_EQ(Get<std::int32_t>(currentBody, "BodySize"), -5);
    EXPECT_EQ(Get<std::int16_t>(currentBody, "Level"), 0);
}

TEST_F(TypedValueTest, OlderKeyAndCallLayoutsAreConverted)
{
    Kvvls_PlayKType keys;
    Set<std::int32_t>(keys, "KeyIgnore", 0x11);
    Set<std::int32_t>(keys, "KeySkipForwS", 0x22);  // gone
    Set<std::int32_t>(keys, "TermPlayBack", 0x33);
    Set<std::int16_t>(keys, "ClearTypeAhead", 1);
    Load(LineOf(keys));
    std::vector<unsigned char> keyBlock(58, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(57, 4, keyBlock.data(), keyBlock.size()), 1);
    const Kvvls_PlayKType2 currentKeys(keyBlock.data(), keyBlock.size());
    EXPECT_EQ(Get<std::int32_t>(currentKeys, "KeyIgnore"), 0x11);
    EXPECT_EQ(Get<std::int32_t>(currentKeys, "EnableSemiInt"), 0);
    EXPECT_EQ(Get<std::int32_t>(currentKeys, "TermPlayBack"), 0x33);
    EXPECT_EQ(Get<std::int16_t>(currentKeys, "ClearTypeAhead"), 1);
    EXPECT_EQ(Get<std::int32_t>(currentKeys, "KeyResume"), 0);

    Kvvls_CallType2 call;
    Set<std::int32_t>(call, "Z4_CallID", 77);
    Set<std::int32_t>(call, "DNType", 3);
    SetText(call, "CallingDN", "5551234");
    Load(LineOf(call));
    std::vector<unsigned char> callBlock(400, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(62, 9, callBlock.data(), callBlock.size()), 1);
    const Kvvls_CallType3 currentCall(callBlock.data(), callBlock.size());
    EXPECT_EQ(Get<std::int32_t>(currentCall, "Z4_CallID"), 77);
    EXPECT_EQ(Get<std::int32_t>(currentCall, "CallingDNType"), 3);
    EXPECT_EQ(Get<std::int32_t>(currentCall, "CalledDNType"), 0);
    EXPECT_EQ(GetText(currentCall, "CallingDN"), "5551234");

    Kvvls_ADDRFTYPE kinds;
    Set<std::int32_t>(kinds, "ADR", 0x3FF);  // no rule maps it onto the flags
    Load(LineOf(kinds));
    std::vector<unsigned char> kindBlock(30, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(56, 1, kindBlock.data(), kindBlock.size()), 1);
    EXPECT_EQ(kindBlock, std::vector<unsigned char>(30, 0));

    Kvvls_ENTKPARM entry;
    Set<std::int32_t>(entry, "TermKeys", 0x800);
    Load(LineOf(entry));
    std::vector<unsigned char> entryBlock(38, 0xAB);
    ASSERT_EQ(ReadTypedValueLine(9, 6, entryBlock.data(), entryBlock.size()), 1);
    const Kvvls_ENTKPARM2 currentEntry(entryBlock.data(), entryBlock.size());
    EXPECT_EQ(Get<std::int32_t>(currentEntry, "TermKeys"), 0x800);
    EXPECT_EQ(Get<std::int32_t>(currentEntry, "TermAndAppnd"), 0);
}

// Asks like the dialog would and records the question.
class RecordingPrompt : public KvLoadSaveErrorPrompt {
public:
    bool AskContinue(const std::string& text, bool& doNotAskAgain) override
    {
        asked.push_back(text);
        doNotAskAgain = false;
        return answer;
    }
    bool answer = true;
    std::vector<std::string> asked;
};

TEST_F(TypedValueTest, FailuresGoThroughTheErrorReport)
{
    RecordingPrompt prompt;
    KvSetLoadSaveErrorPrompt(&prompt);

    std::vector<unsigned char> block(18, 0);
    short mode = 0;
    Load("<broken\r\n");
    EXPECT_EQ(LoadTypedValue("PlayDefaults", 42, 15, block.data(), block.size(), mode), 0);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0], "Load and Save Error!!\n\nPlayDefaults" "Load Error.\nContinue?");

    prompt.answer = false;
    EXPECT_EQ(SaveTypedValue("Odd", 42, block.data(), 17, mode), kKvLoadSaveUserStopped);
    EXPECT_EQ(prompt.asked.back(), "Load and Save Error!!\n\nOdd" "Save Error.\nContinue?");

    mode = kKvLoadSaveLogAndStop;
    Load("");
    EXPECT_EQ(LoadTypedValue("Gone", 42, 15, block.data(), block.size(), mode), kKvLoadSaveUserStopped);
    mode = kKvLoadSaveLogAndContinue;
    EXPECT_EQ(LoadTypedValue("Gone", 42, 15, block.data(), block.size(), mode), 0);
    EXPECT_EQ(prompt.asked.size(), 2u);

    Load("");
    EXPECT_EQ(SaveTypedValue("Fine", 42, block.data(), block.size(), mode), 0);
    EXPECT_EQ(stream.str(), "<0,0,0,0,0,>\r\n");
    KvSetLoadSaveErrorPrompt(nullptr);
}

}  // namespace
