#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "records/kvvlssel.h"
#include "records/kvvlstyp.h"

namespace {

struct ExpectedLayout {
    const char* className;
    int fields;
    int bytes;
    const char* lastField;
    int lastOffset;
};

// Field count, packed size, last field and its offset of every record, in definition order.
const ExpectedLayout kExpectedLayouts[] = {
    {"Kvvls_Menu", 11, 24, "NoRepPrompt", 22},
    {"Kvvls_VREntryParms", 6, 14, "DontRepeatMainPrompt", 12},
    {"Kvvls_PMsgType", 5, 12, "Mask", 8},
    {"Kvvls_EntryType", 24, 139, "MessagePrefix", 74},
    {"Kvvls_RecordType", 11, 36, "NumTimesPlayMenu", 34},
    {"Kvvls_MultiMailType", 15, 50, "Circular", 48},
    {"Kvvls_ProgRec", 13, 360, "MiscBuf2", 344},
    {"Kvvls_ApStatsType", 8, 26, "HangupSecs", 22},
    {"Kvvls_DATETIME1", 1, 4, "DATETIME", 0},
    {"Kvvls_DATETIME2", 1, 15, "DATETIME", 0},
    {"Kvvls_MBBIG", 48, 472, "MsgExpireOld", 468},
    {"Kvvls_FILEHNDL", 1, 12, "Circular", 0},
    {"Kvvls_HeaderType", 10, 197, "MsgID", 189},
    {"Kvvls_HeaderType2", 10, 549, "MsgID", 541},
    {"Kvvls_DL", 3, 36, "Member", 20},
    {"Kvvls_FileType", 8, 28, "Mask", 24},
    {"Kvvls_MailType", 8, 28, "Mask", 24},
    {"Kvvls_PlayType", 5, 18, "IgnoreFErrors", 16},
    {"Kvvls_AddrType", 10, 386, "SNRecord", 384},
    {"Kvvls_AddrType2", 13, 451, "NumAddresses", 449},
    {"Kvvls_AddrType3", 14, 865, "PDL", 863},
    {"Kvvls_AddrType4", 15, 1515, "Autologon", 1513},
    {"Kvvls_AddrType5", 16, 1519, "CustID", 1515},
    {"Kvvls_PlayKType", 9, 34, "ClearTypeAhead", 32},
    {"Kvvls_PlayKType2", 15, 58, "KeyResume", 54},
    {"Kvvls_PlaySType", 10, 24, "CmdBackwardS", 22},
    {"Kvvls_MsgBdyType", 3, 6, "BodySize", 4},
    {"Kvvls_MsgBdyType2", 3, 8, "BodySize", 4},
    {"Kvvls_MsgBdyType3", 5, 14, "Level", 12},
    {"Kvvls_MsgBdyType4", 6, 18, "MediaBytesUsed", 14},
    {"Kvvls_MsgBdyType5", 7, 22, "BodyLanguage", 18},
    {"Kvvls_MsgStType", 16, 121, "DelTime", 117},
    {"Kvvls_MsgStType2", 25, 220, "DelTime", 216},
    {"Kvvls_MsgStType3", 26, 162, "DelTime", 158},
    {"Kvvls_MsgStType4", 31, 278, "MsgID", 270},
    {"Kvvls_MsgStType5", 32, 280, "HeaderOnly", 278},
    {"Kvvls_MsgStType6", 33, 284, "PrintedTime", 280},
    {"Kvvls_MsgStType7", 35, 329, "MediaBytesUsed", 325},
    {"Kvvls_MsgStType8", 40, 341, "AutoDeleted", 339},
    {"Kvvls_MsgStType9", 42, 699, "AutoDelTime", 695},
    {"Kvvls_MBoxType", 5, 39, "NumUnreadUrgent", 37},
    {"Kvvls_MBoxType2", 13, 55, "NumFaxUnprinted", 53},
    {"Kvvls_MBoxType3", 14, 291, "NumFaxUnprinted", 289},
    {"Kvvls_MBoxType4", 15, 293, "NumAutoDeleted", 291},
    {"Kvvls_CallType", 7, 524, "CalledName", 396},
    {"Kvvls_CallType2", 8, 396, "DNType", 392},
    {"Kvvls_CallType3", 9, 400, "CalledDNType", 396},
    {"Kvvls_RecordEditType", 47, 146, "NoRepPrompt", 144},
    {"Kvvls_RecordVoiceType", 14, 40, "IgnoreFErrors", 38},
    {"Kvvls_SQLInfoType", 7, 342, "Res", 324},
    {"Kvvls_PageType", 2, 4, "Type", 2},
    {"Kvvls_Mail2Type", 19, 231, "Reserved1", 227},
    {"Kvvls_MB2Type", 19, 451, "UserDefined3", 447},
    {"Kvvls_ToneType", 5, 18, "TermKeepMask", 14},
    {"Kvvls_ENTPARM", 1, 4, "EntParm", 0},
    {"Kvvls_ENTKPARM", 10, 34, "AssumeSilenc", 32},
    {"Kvvls_ENTKPARM2", 11, 38, "TermAndAppnd", 34},
    {"Kvvls_ENTSPARM", 6, 16, "BeepBefore", 14},
    {"Kvvls_MNUPARM", 1, 4, "MNUParm", 0},
    {"Kvvls_MNUKPARM", 1, 2, "MNUKParm", 0},
    {"Kvvls_MenuSType", 7, 18, "Discrite", 16},
    {"Kvvls_DelayType", 24, 360, "Repeat6", 358},
    {"Kvvls_DelayType2", 42, 450, "TemplateID6", 446},
    {"Kvvls_DelErrorType", 18, 336, "Repeat6", 334},
    {"Kvvls_DelErrorType2", 36, 426, "TemplateID6", 422},
    {"Kvvls_FaxSessInfo", 5, 37, "CEDToneDelay", 33},
    {"Kvvls_FaxSessInfo2", 6, 41, "PgTrXErrHdlg", 37},
    {"Kvvls_Char", 1, 1, "Char", 0},
    {"Kvvls_BOOLEAN", 1, 2, "Boolean", 0},
    {"Kvvls_SHORT", 1, 2, "Short", 0},
    {"Kvvls_ADDRFTYPE", 1, 4, "ADR", 0},
    {"Kvvls_ADDRFTYPE2", 10, 20, "AllowSystem", 18},
    {"Kvvls_ADDRFTYPE3", 11, 22, "PhoneOnNet", 20},
    {"Kvvls_ADDRFTYPE4", 14, 28, "AllowUnknown", 26},
    {"Kvvls_ADDRFTYPE5", 15, 30, "LocLocatBroad", 28},
    {"Kvvls_LONG", 1, 4, "Long", 0},
    {"Kvvls_FLOAT", 1, 4, "Float", 0},
    {"Kvvls_DOUBLE", 1, 8, "Double", 0},
    {"Kvvls_STRING", 1, 256, "String", 0},
    {"Kvvls_MAIL", 11, 164, "CreatorFileName", 116},
    {"Kvvls_SRResult", 15, 228, "confidence3", 226},
    {"Kvvls_AlarmType", 6, 448, "DNTransferredTo", 387},
    {"Kvvls_PathType", 10, 816, "NewMISAFile", 715},
};

TEST(ParameterRecordLayout, EveryClassHasItsFieldCountSizeAndLastField)
{
    ASSERT_EQ(std::size(kExpectedLayouts), static_cast<std::size_t>(KvvlsRecordId::Count));
    for (int i = 0; i < static_cast<int>(KvvlsRecordId::Count); ++i) {
        const ExpectedLayout& e = kExpectedLayouts[i];
        SCOPED_TRACE(e.className);
        const auto id = static_cast<KvvlsRecordId>(i);
        EXPECT_STREQ(KvvlsGetLayout(id).className, e.className);
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(id);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->GetFieldCount(), e.fields);
        EXPECT_EQ(record->GetSize(), e.bytes);
        const AbstrField* last = record->GetField(e.fields - 1);
        ASSERT_NE(last, nullptr);
        EXPECT_STREQ(last->GetName(), e.lastField);
        EXPECT_EQ(record->GetFieldOffset(e.fields - 1), static_cast<std::size_t>(e.lastOffset));
        for (int f = 0; f < record->GetFieldCount(); ++f) {
            const AbstrField* field = record->GetField(f);
            EXPECT_EQ(record->FindField(field->GetName()), field) << "field names are distinct";
        }
    }
}

struct FieldAt {
    const char* name;
    int offset;
    int typeCode;
    int width;
};

void ExpectFields(const AbstrRecord& record, const std::vector<FieldAt>& fields)
{
    ASSERT_EQ(record.GetFieldCount(), static_cast<int>(fields.size()));
    for (int i = 0; i < record.GetFieldCount(); ++i) {
        SCOPED_TRACE(fields[static_cast<std::size_t>(i)].name);
        const AbstrField* f = record.GetField(i);
        EXPECT_STREQ(f->GetName(), fields[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(record.GetFieldOffset(i), static_cast<std::size_t>(fields[static_cast<std::size_t>(i)].offset));
        EXPECT_EQ(f->GetTypeCode(), fields[static_cast<std::size_t>(i)].typeCode);
        EXPECT_EQ(f->GetLength(), fields[static_cast<std::size_t>(i)].width);
    }
}

constexpr int U = kKvFieldUchar;
constexpr int S = kKvFieldShort;
constexpr int L = kKvFieldLong;
constexpr int T = kKvFieldString;

TEST(ParameterRecordLayout, MessageStatusThreeIsSmallerThanTwo)
{
    ExpectFields(Kvvls_MsgStType3(),
                 {{"MsgIdx", 0, S, 2},         {"MsgName", 2, T, 21},       {"FaxID", 23, S, 2},
                  {"MsgSubject", 25, T, 81},   {"Incoming", 106, S, 2},     {"DateCreated", 108, L, 4},
                  {"DateSent", 112, L, 4},     {"DatReceived", 116, L, 4},  {"VoiceSize", 120, L, 4},
                  {"FaxSize", 124, L, 4},      {"MsgType", 128, S, 2},      {"MsgSubType", 130, S, 2},
                  {"VoiceMedia", 132, S, 2},   {"FaxMedia", 134, S, 2},     {"ACK", 136, S, 2},
                  {"Forwarded", 138, S, 2},    {"Broadcast", 140, S, 2},    {"Read", 142, S, 2},
                  {"Sent", 144, S, 2},         {"Deleted", 146, S, 2},      {"Private", 148, S, 2},
                  {"Printing", 150, S, 2},     {"Printed", 152, S, 2},      {"NetIncoming", 154, S, 2},
                  {"DelPriority", 156, S, 2},  {"DelTime", 158, L, 4}});
    EXPECT_LT(Kvvls_MsgStType3().GetSize(), Kvvls_MsgStType2().GetSize());
}

TEST(ParameterRecordLayout, AddressFiveDiffersFromFourByItsTrailingCustomerId)
{
    ExpectFields(Kvvls_AddrType5(),
                 {{"AddressType", 0, L, 4},      {"Mailbox", 4, T, 257},       {"Location", 261, T, 513},
                  {"FaxStationID", 774, T, 41},  {"FirstName", 815, T, 129},   {"LastName", 944, T, 129},
                  {"Title", 1073, T, 61},        {"UniqueUserID", 1134, T, 129}, {"SNFile", 1263, T, 121},
                  {"SNRecord", 1384, S, 2},      {"LocSNFile", 1386, T, 121},  {"SLNRecorded", 1507, S, 2},
                  {"NumAddresses", 1509, S, 2},  {"PDL", 1511, S, 2},          {"Autologon", 1513, S, 2},
                  {"CustID", 1515, L, 4}});
    const Kvvls_AddrType4 four;
    const Kvvls_AddrType5 five;
    ASSERT_EQ(four.GetFieldCount() + 1, five.GetFieldCount());
    for (int i = 0; i < four.GetFieldCount(); ++i)
        EXPECT_STREQ(four.GetField(i)->GetName(), five.GetField(i)->GetName());
}

TEST(ParameterRecordLayout, SmallFieldKinds)
{
    ExpectFields(Kvvls_ApStatsType(), {{"Month", 0, U, 1},
                                       {"Yr", 1, U, 1},
                                       {"FstMin", 2, L, 4},
                                       {"AddMin", 6, L, 4},
                                       {"HangUps", 10, L, 4},
                                       {"FstSecs", 14, L, 4},
                                       {"AddSecs", 18, L, 4},
                                       {"HangupSecs", 22, L, 4}});
    ExpectFields(Kvvls_CallType3(), {{"Z4_CallID", 0, L, 4},
                                     {"CallOrigin", 4, L, 4},
                                     {"CallReason", 8, L, 4},
                                     {"CallingDN", 12, T, 61},
                                     {"CallingName", 73, T, 129},
                                     {"CalledDN", 202, T, 61},
                                     {"CalledName", 263, T, 129},
                                     {"CallingDNType", 392, L, 4},
                                     {"CalledDNType", 396, L, 4}});
    ExpectFields(Kvvls_DOUBLE(), {{"Double", 0, kKvFieldDouble, 8}});
    ExpectFields(Kvvls_FLOAT(), {{"Float", 0, kKvFieldFloat, 4}});
    ExpectFields(Kvvls_PageType(), {{"TablePtr", 0, S, 2}, {"Type", 2, S, 2}});
}

// The fields through which the system variables of a program get their start values.
TEST(ParameterRecordLayout, FieldsNamedForTheSystemVariables)
{
    struct Named {
        std::int16_t typeCode;
        std::vector<const char*> names;
    };
    const Named named[] = {
        {59, {"Level"}},
        {42, {"SkipForward", "SkipBackward", "SkipForwS", "SkipBackS", "IgnoreFErrors"}},
        {57, {"KeyIgnore", "ClearTypeAhead"}},
        {9, {"IgnoreKeys"}},
        {26, {"FaxMachineID"}},
        {54, {"TossTypeAhead", "AcceptMask", "IgnoreMask", "TermMask", "TermKeepMask"}},
        {50, {"IgnoreKeys", "TerminateKeys", "TermAndSaveKey", "ClearTypeAhead", "AllowIntPrompt", "RecordPosition",
              "PlayTone", "PlayWarnTone", "WarnToneLength", "TermOnSilence", "TrmSilenceTimeout", "DscrdShortRec",
              "MinRecLength", "IgnoreFErrors"}},
    };
    for (const Named& n : named) {
        SCOPED_TRACE(n.typeCode);
        const auto id = KvvlsCurrentRecordOf(n.typeCode);
        ASSERT_TRUE(id.has_value());
        const std::unique_ptr<Kvvls_Variable> record = KvvlsCreateRecord(*id);
        for (const char* name : n.names)
            EXPECT_NE(record->FindField(name), nullptr) << name;
    }
}

}  // namespace
