// Field layouts of the parameter records: name, kind and width of every field in packed
// order. Offsets are the running sums of the widths.
#include "records/kvvlslay.h"

#include <iterator>

namespace {

using K = KvvlsFieldKind;

template <std::size_t N>
constexpr std::size_t PackedSize(const KvvlsFieldSpec (&fields)[N])
{
    std::size_t size = 0;
    for (const KvvlsFieldSpec& f : fields)
        size += f.width;
    return size;
}

constexpr KvvlsFieldSpec kMenu[] = {
    {"IntroPause", K::Short, 2},
    {"NumNoAnswers", K::Short, 2},
    {"NumWrongAnswers", K::Short, 2},
    {"TimeBetween", K::Long, 4},
    {"WrongAnsResetsNoAns", K::Short, 2},
    {"IgnoreMainFileError", K::Short, 2},
    {"InterruptErrorMsgs", K::Short, 2},
    {"InterruptMainMsg", K::Short, 2},
    {"OnlyOne", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"NoRepPrompt", K::Short, 2},
};
static_assert(PackedSize(kMenu) == 24);

constexpr KvvlsFieldSpec kVREntryParms[] = {
    {"NumNoAns", K::Short, 2},
    {"NumWrongAns", K::Short, 2},
    {"TimeToWait", K::Long, 4},
    {"WrongAnsResetsNoAns", K::Short, 2},
    {"IgnoreFileNotFound", K::Short, 2},
    {"DontRepeatMainPrompt", K::Short, 2},
};
static_assert(PackedSize(kVREntryParms) == 14);

constexpr KvvlsFieldSpec kPMsgType[] = {
    {"IntroPause", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"OnlyOne", K::Short, 2},
    {"IgnoreMainFileError", K::Short, 2},
    {"Mask", K::Long, 4},
};
static_assert(PackedSize(kPMsgType) == 12);

constexpr KvvlsFieldSpec kEntryType[] = {
    {"IntroPause", K::Short, 2},
    {"DigitsTermMask", K::Long, 4},
    {"DigitsToAbort", K::Long, 4},
    {"DigitsToIgnore", K::Long, 4},
    {"NumNoAnswers", K::Short, 2},
    {"NumWrongAnswers", K::Short, 2},
    {"TimeBetween", K::Long, 4},
    {"WrongAnsResetsNoAns", K::Short, 2},
    {"IgnoreMainFileError", K::Short, 2},
    {"InterruptErrorMsgs", K::Short, 2},
    {"InterruptMainMsg", K::Short, 2},
    {"OnlyOne", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"LookupOnTimeOut", K::Short, 2},
    {"DigitsToAbort1st", K::Long, 4},
    {"VerKeyPress", K::Short, 2},
    {"NoRepPrompt", K::Short, 2},
    {"DigitsToDec", K::Long, 4},
    {"Res1", K::Short, 2},
    {"Res2", K::Short, 2},
    {"DigitsTermKeepMask", K::Long, 4},
    {"TextDisplay", K::Short, 2},
    {"CharDisplay", K::String, 16},
    {"MessagePrefix", K::String, 65},
};
static_assert(PackedSize(kEntryType) == 139);

constexpr KvvlsFieldSpec kRecordType[] = {
    {"IntroPause", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"TermMask", K::Long, 4},
    {"ToneBefRecs", K::Short, 2},
    {"RecordKeepBytes", K::Long, 4},
    {"Accept", K::Long, 4},
    {"Listen", K::Long, 4},
    {"ReRecord", K::Long, 4},
    {"Append", K::Long, 4},
    {"Abort", K::Long, 4},
    {"NumTimesPlayMenu", K::Short, 2},
};
static_assert(PackedSize(kRecordType) == 36);

constexpr KvvlsFieldSpec kMultiMailType[] = {
    {"IntroPause", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"Again", K::Long, 4},
    {"AgainIntro", K::Long, 4},
    {"Next", K::Long, 4},
    {"Prev", K::Long, 4},
    {"Delete", K::Long, 4},
    {"DeleteNext", K::Long, 4},
    {"Exit", K::Long, 4},
    {"Pickup", K::Long, 4},
    {"User1", K::Long, 4},
    {"User2", K::Long, 4},
    {"PlayMail", K::Short, 2},
    {"PlayNumber", K::Short, 2},
    {"Circular", K::Short, 2},
};
static_assert(PackedSize(kMultiMailType) == 50);

constexpr KvvlsFieldSpec kProgRec[] = {
    {"ProgName", K::String, 16},
    {"ProgComment", K::String, 48},
    {"ProgNum", K::String, 32},
    {"ProgXten", K::String, 16},
    {"Password", K::String, 16},
    {"ProgPath", K::String, 48},
    {"MailPath", K::String, 48},
    {"StatPath", K::String, 48},
    {"MiscPath", K::String, 48},
    {"Misc1", K::Long, 4},
    {"Misc2", K::Long, 4},
    {"MiscBuf1", K::String, 16},
    {"MiscBuf2", K::String, 16},
};
static_assert(PackedSize(kProgRec) == 360);

constexpr KvvlsFieldSpec kApStatsType[] = {
    {"Month", K::Uchar, 1},
    {"Yr", K::Uchar, 1},
    {"FstMin", K::Long, 4},
    {"AddMin", K::Long, 4},
    {"HangUps", K::Long, 4},
    {"FstSecs", K::Long, 4},
    {"AddSecs", K::Long, 4},
    {"HangupSecs", K::Long, 4},
};
static_assert(PackedSize(kApStatsType) == 26);

constexpr KvvlsFieldSpec kDATETIME1[] = {
    {"DATETIME", K::Long, 4},
};
static_assert(PackedSize(kDATETIME1) == 4);

constexpr KvvlsFieldSpec kDATETIME2[] = {
    {"DATETIME", K::String, 15},
};
static_assert(PackedSize(kDATETIME2) == 15);

constexpr KvvlsFieldSpec kMBBIG[] = {
    {"ID", K::String, 16},
    {"State", K::Long, 4},
    {"Cat1", K::Long, 4},
    {"Cat2", K::Long, 4},
    {"Cat3", K::Long, 4},
    {"Cat4", K::Long, 4},
    {"TimeExpired", K::Long, 4},
    {"Res1", K::Long, 4},
    {"Pass", K::String, 8},
    {"Res2", K::Long, 4},
    {"Res3", K::Long, 4},
    {"Res4", K::Long, 4},
    {"Greet1", K::String, 48},
    {"Greet2", K::String, 48},
    {"Greet3", K::String, 48},
    {"CurrentGreeet", K::Short, 2},
    {"Xten", K::String, 16},
    {"NameKey", K::String, 16},
    {"NameSpelled", K::String, 32},
    {"NameFile", K::String, 48},
    {"Priv1", K::Long, 4},
    {"Priv2", K::Long, 4},
    {"Priv3", K::Long, 4},
    {"NumMsgsAllowed", K::Long, 4},
    {"CurrentPhone", K::Short, 2},
    {"Phone1", K::String, 16},
    {"Phone2", K::String, 16},
    {"Phone3", K::String, 16},
    {"TimeStartSun", K::Short, 2},
    {"TimeStopSun", K::Short, 2},
    {"TimeStartMon", K::Short, 2},
    {"TimeStopMon", K::Short, 2},
    {"TimeStartTue", K::Short, 2},
    {"TimeStopTue", K::Short, 2},
    {"TimeStartWed", K::Short, 2},
    {"TimeStopWed", K::Short, 2},
    {"TimeStartThu", K::Short, 2},
    {"TimeStopThu", K::Short, 2},
    {"TimeStartFri", K::Short, 2},
    {"TimeStopFri", K::Short, 2},
    {"TimeStartSat", K::Short, 2},
    {"TimeStopSat", K::Short, 2},
    {"Reserved", K::String, 8},
    {"CallWhen", K::String, 8},
    {"FwdXten", K::String, 16},
    {"FwdMail", K::String, 16},
    {"MsgExpireNew", K::Long, 4},
    {"MsgExpireOld", K::Long, 4},
};
static_assert(PackedSize(kMBBIG) == 472);

constexpr KvvlsFieldSpec kFILEHNDL[] = {
    {"Circular", K::String, 12},
};
static_assert(PackedSize(kFILEHNDL) == 12);

constexpr KvvlsFieldSpec kHeaderType[] = {
    {"Subject", K::String, 161},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DateReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"MsgID", K::Double, 8},
};
static_assert(PackedSize(kHeaderType) == 197);

constexpr KvvlsFieldSpec kHeaderType2[] = {
    {"Subject", K::String, 513},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DateReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"MsgID", K::Double, 8},
};
static_assert(PackedSize(kHeaderType2) == 549);

constexpr KvvlsFieldSpec kDL[] = {
    {"Owner", K::String, 16},
    {"DLNum", K::Long, 4},
    {"Member", K::String, 16},
};
static_assert(PackedSize(kDL) == 36);

constexpr KvvlsFieldSpec kFileType[] = {
    {"IntroPause", K::Short, 2},
    {"TopMask", K::Long, 4},
    {"FwdMask", K::Long, 4},
    {"BkwdMask", K::Long, 4},
    {"SkipFwdBytes", K::Long, 4},
    {"SkipBkwdBytes", K::Long, 4},
    {"TossTypeAhead", K::Short, 2},
    {"Mask", K::Long, 4},
};
static_assert(PackedSize(kFileType) == 28);

constexpr KvvlsFieldSpec kMailType[] = {
    {"IntroPause", K::Short, 2},
    {"TopMask", K::Long, 4},
    {"FwdMask", K::Long, 4},
    {"BkwdMask", K::Long, 4},
    {"SkipFwdBytes", K::Long, 4},
    {"SkipBkwdBytes", K::Long, 4},
    {"TossTypeAhead", K::Short, 2},
    {"Mask", K::Long, 4},
};
static_assert(PackedSize(kMailType) == 28);

constexpr KvvlsFieldSpec kPlayType[] = {
    {"SkipForward", K::Long, 4},
    {"SkipBackward", K::Long, 4},
    {"SkipForwS", K::Long, 4},
    {"SkipBackS", K::Long, 4},
    {"IgnoreFErrors", K::Short, 2},
};
static_assert(PackedSize(kPlayType) == 18);

constexpr KvvlsFieldSpec kAddrType[] = {
    {"AddressType", K::Long, 4},
    {"Mailbox", K::String, 31},
    {"Location", K::String, 31},
    {"PrimaryDN", K::String, 31},
    {"FirstName", K::String, 65},
    {"LastName", K::String, 65},
    {"Title", K::String, 31},
    {"UniqueID", K::String, 65},
    {"SNFile", K::String, 61},
    {"SNRecord", K::Short, 2},
};
static_assert(PackedSize(kAddrType) == 386);

constexpr KvvlsFieldSpec kAddrType2[] = {
    {"AddressType", K::Long, 4},
    {"Mailbox", K::String, 31},
    {"Location", K::String, 31},
    {"PrimaryDN", K::String, 31},
    {"FirstName", K::String, 65},
    {"LastName", K::String, 65},
    {"Title", K::String, 31},
    {"UniqueID", K::String, 65},
    {"SNFile", K::String, 61},
    {"SNRecord", K::Short, 2},
    {"LocSNFile", K::String, 61},
    {"SLNRecorded", K::Short, 2},
    {"NumAddresses", K::Short, 2},
};
static_assert(PackedSize(kAddrType2) == 451);

constexpr KvvlsFieldSpec kAddrType3[] = {
    {"AddressType", K::Long, 4},
    {"Mailbox", K::String, 61},
    {"Location", K::String, 61},
    {"FaxStationID", K::String, 41},
    {"FirstName", K::String, 129},
    {"LastName", K::String, 129},
    {"Title", K::String, 61},
    {"UniqueID", K::String, 129},
    {"SNFile", K::String, 121},
    {"SNRecord", K::Short, 2},
    {"LocSNFile", K::String, 121},
    {"SLNRecorded", K::Short, 2},
    {"NumAddresses", K::Short, 2},
    {"PDL", K::Short, 2},
};
static_assert(PackedSize(kAddrType3) == 865);

constexpr KvvlsFieldSpec kAddrType4[] = {
    {"AddressType", K::Long, 4},
    {"Mailbox", K::String, 257},
    {"Location", K::String, 513},
    {"FaxStationID", K::String, 41},
    {"FirstName", K::String, 129},
    {"LastName", K::String, 129},
    {"Title", K::String, 61},
    {"UniqueUserID", K::String, 129},
    {"SNFile", K::String, 121},
    {"SNRecord", K::Short, 2},
    {"LocSNFile", K::String, 121},
    {"SLNRecorded", K::Short, 2},
    {"NumAddresses", K::Short, 2},
    {"PDL", K::Short, 2},
    {"Autologon", K::Short, 2},
};
static_assert(PackedSize(kAddrType4) == 1515);

constexpr KvvlsFieldSpec kAddrType5[] = {
    {"AddressType", K::Long, 4},
    {"Mailbox", K::String, 257},
    {"Location", K::String, 513},
    {"FaxStationID", K::String, 41},
    {"FirstName", K::String, 129},
    {"LastName", K::String, 129},
    {"Title", K::String, 61},
    {"UniqueUserID", K::String, 129},
    {"SNFile", K::String, 121},
    {"SNRecord", K::Short, 2},
    {"LocSNFile", K::String, 121},
    {"SLNRecorded", K::Short, 2},
    {"NumAddresses", K::Short, 2},
    {"PDL", K::Short, 2},
    {"Autologon", K::Short, 2},
    {"CustID", K::Long, 4},
};
static_assert(PackedSize(kAddrType5) == 1519);

constexpr KvvlsFieldSpec kPlayKType[] = {
    {"KeyIgnore", K::Long, 4},
    {"KeySkipTop", K::Long, 4},
    {"KeySkipForwL", K::Long, 4},
    {"KeySkipBackL", K::Long, 4},
    {"KeySkipForwS", K::Long, 4},
    {"KeySkipBackS", K::Long, 4},
    {"TermPlayBack", K::Long, 4},
    {"TermAndSave", K::Long, 4},
    {"ClearTypeAhead", K::Short, 2},
};
static_assert(PackedSize(kPlayKType) == 34);

constexpr KvvlsFieldSpec kPlayKType2[] = {
    {"KeyIgnore", K::Long, 4},
    {"KeySkipTop", K::Long, 4},
    {"KeySkipForwL", K::Long, 4},
    {"KeySkipBackL", K::Long, 4},
    {"EnableSemiInt", K::Long, 4},
    {"SemiIntTimeout", K::Long, 4},
    {"TermPlayBack", K::Long, 4},
    {"TermAndSave", K::Long, 4},
    {"ClearTypeAhead", K::Short, 2},
    {"KeySpeedUp", K::Long, 4},
    {"KeySpeedDown", K::Long, 4},
    {"KeyVolumeUp", K::Long, 4},
    {"KeyVolumeDown", K::Long, 4},
    {"KeyPause", K::Long, 4},
    {"KeyResume", K::Long, 4},
};
static_assert(PackedSize(kPlayKType2) == 58);

constexpr KvvlsFieldSpec kPlaySType[] = {
    {"ConfidThresh", K::Long, 4},
    {"MinConf", K::Long, 4},
    {"VocabularyID", K::Short, 2},
    {"SubVocabID", K::Short, 2},
    {"DiscreteFlg", K::Short, 2},
    {"CmdToTop", K::Short, 2},
    {"CmdForwardL", K::Short, 2},
    {"CmdBackwardL", K::Short, 2},
    {"CmdForwardS", K::Short, 2},
    {"CmdBackwardS", K::Short, 2},
};
static_assert(PackedSize(kPlaySType) == 24);

constexpr KvvlsFieldSpec kMsgBdyType[] = {
    {"BodyIndex", K::Short, 2},
    {"BodyType", K::Short, 2},
    {"BodySize", K::Short, 2},
};
static_assert(PackedSize(kMsgBdyType) == 6);

constexpr KvvlsFieldSpec kMsgBdyType2[] = {
    {"BodyIndex", K::Short, 2},
    {"BodyType", K::Short, 2},
    {"BodySize", K::Long, 4},
};
static_assert(PackedSize(kMsgBdyType2) == 8);

constexpr KvvlsFieldSpec kMsgBdyType3[] = {
    {"BodyIndex", K::Short, 2},
    {"BodyType", K::Short, 2},
    {"BodySize", K::Long, 4},
    {"Offset", K::Long, 4},
    {"Level", K::Short, 2},
};
static_assert(PackedSize(kMsgBdyType3) == 14);

constexpr KvvlsFieldSpec kMsgBdyType4[] = {
    {"BodyIndex", K::Short, 2},
    {"BodyType", K::Short, 2},
    {"BodySize", K::Long, 4},
    {"Offset", K::Long, 4},
    {"Level", K::Short, 2},
    {"MediaBytesUsed", K::Long, 4},
};
static_assert(PackedSize(kMsgBdyType4) == 18);

constexpr KvvlsFieldSpec kMsgBdyType5[] = {
    {"BodyIndex", K::Short, 2},
    {"BodyType", K::Short, 2},
    {"BodySize", K::Long, 4},
    {"Offset", K::Long, 4},
    {"Level", K::Short, 2},
    {"MediaBytesUsed", K::Long, 4},
    {"BodyLanguage", K::Long, 4},
};
static_assert(PackedSize(kMsgBdyType5) == 22);

constexpr KvvlsFieldSpec kMsgStType[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 81},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"MsgClass", K::Short, 2},
    {"SizeMsg", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printed", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
};
static_assert(PackedSize(kMsgStType) == 121);

constexpr KvvlsFieldSpec kMsgStType2[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 81},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 81},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
};
static_assert(PackedSize(kMsgStType2) == 220);

constexpr KvvlsFieldSpec kMsgStType3[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 21},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 81},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
};
static_assert(PackedSize(kMsgStType3) == 162);

constexpr KvvlsFieldSpec kMsgStType4[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 161},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
};
static_assert(PackedSize(kMsgStType4) == 278);

constexpr KvvlsFieldSpec kMsgStType5[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 161},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
    {"HeaderOnly", K::Short, 2},
};
static_assert(PackedSize(kMsgStType5) == 280);

constexpr KvvlsFieldSpec kMsgStType6[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 161},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
    {"HeaderOnly", K::Short, 2},
    {"PrintedTime", K::Long, 4},
};
static_assert(PackedSize(kMsgStType6) == 284);

constexpr KvvlsFieldSpec kMsgStType7[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 161},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
    {"HeaderOnly", K::Short, 2},
    {"PrintedTime", K::Long, 4},
    {"PrintDN", K::String, 41},
    {"MediaBytesUsed", K::Long, 4},
};
static_assert(PackedSize(kMsgStType7) == 329);

constexpr KvvlsFieldSpec kMsgStType8[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 161},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
    {"HeaderOnly", K::Short, 2},
    {"PrintedTime", K::Long, 4},
    {"PrintDN", K::String, 41},
    {"MediaBytesUsed", K::Long, 4},
    {"TextMedia", K::Short, 2},
    {"HasAttachment", K::Short, 2},
    {"TextRead", K::Short, 2},
    {"MsgLanguage", K::Long, 4},
    {"AutoDeleted", K::Short, 2},
};
static_assert(PackedSize(kMsgStType8) == 341);

constexpr KvvlsFieldSpec kMsgStType9[] = {
    {"MsgIdx", K::Short, 2},
    {"MsgName", K::String, 41},
    {"FaxID", K::Short, 2},
    {"MsgSubject", K::String, 513},
    {"Incoming", K::Short, 2},
    {"DateCreated", K::Long, 4},
    {"DateSent", K::Long, 4},
    {"DatReceived", K::Long, 4},
    {"VoiceSize", K::Long, 4},
    {"FaxSize", K::Long, 4},
    {"MsgType", K::Short, 2},
    {"MsgSubType", K::Short, 2},
    {"VoiceMedia", K::Short, 2},
    {"FaxMedia", K::Short, 2},
    {"ACK", K::Short, 2},
    {"Forwarded", K::Short, 2},
    {"Broadcast", K::Short, 2},
    {"Read", K::Short, 2},
    {"Sent", K::Short, 2},
    {"Deleted", K::Short, 2},
    {"Private", K::Short, 2},
    {"Printing", K::Short, 2},
    {"Printed", K::Short, 2},
    {"NetIncoming", K::Short, 2},
    {"DelPriority", K::Short, 2},
    {"DelTime", K::Long, 4},
    {"EnvelopeRead", K::Short, 2},
    {"VoiceRead", K::Short, 2},
    {"FaxRead", K::Short, 2},
    {"Reply", K::Short, 2},
    {"MsgID", K::Double, 8},
    {"HeaderOnly", K::Short, 2},
    {"PrintedTime", K::Long, 4},
    {"PrintDN", K::String, 41},
    {"MediaBytesUsed", K::Long, 4},
    {"TextMedia", K::Short, 2},
    {"HasAttachment", K::Short, 2},
    {"TextRead", K::Short, 2},
    {"MsgLanguage", K::Long, 4},
    {"AutoDeleted", K::Short, 2},
    {"TextPlayable", K::Short, 2},
    {"AutoDelTime", K::Long, 4},
};
static_assert(PackedSize(kMsgStType9) == 699);

constexpr KvvlsFieldSpec kMBoxType[] = {
    {"MboxNum", K::String, 31},
    {"NumMsgs", K::Short, 2},
    {"NumUnread", K::Short, 2},
    {"NumUnsent", K::Short, 2},
    {"NumUnreadUrgent", K::Short, 2},
};
static_assert(PackedSize(kMBoxType) == 39);

constexpr KvvlsFieldSpec kMBoxType2[] = {
    {"MboxNum", K::String, 31},
    {"NumCreated", K::Short, 2},
    {"NumSubmitted", K::Short, 2},
    {"NumDeleted", K::Short, 2},
    {"NumMsgs", K::Short, 2},
    {"NumUnread", K::Short, 2},
    {"NumUnsent", K::Short, 2},
    {"NumUnreadUrgent", K::Short, 2},
    {"NumVoiceMsgs", K::Short, 2},
    {"NumFaxMsgs", K::Short, 2},
    {"NumFaxUnreadAutoPrinted", K::Short, 2},
    {"NumFaxPrinted", K::Short, 2},
    {"NumFaxUnprinted", K::Short, 2},
};
static_assert(PackedSize(kMBoxType2) == 55);

constexpr KvvlsFieldSpec kMBoxType3[] = {
    {"MboxNum", K::String, 257},
    {"TotalFiles", K::Long, 4},
    {"TotalDeleted", K::Long, 4},
    {"TotalBytes", K::Long, 4},
    {"TotalMsgBytes", K::Long, 4},
    {"NumMsgs", K::Short, 2},
    {"NumUnread", K::Short, 2},
    {"NumUnsent", K::Short, 2},
    {"NumUnreadUrgent", K::Short, 2},
    {"NumVoiceMsgs", K::Short, 2},
    {"NumFaxMsgs", K::Short, 2},
    {"NumFaxUnreadAutoPrinted", K::Short, 2},
    {"NumFaxPrinted", K::Short, 2},
    {"NumFaxUnprinted", K::Short, 2},
};
static_assert(PackedSize(kMBoxType3) == 291);

constexpr KvvlsFieldSpec kMBoxType4[] = {
    {"MboxNum", K::String, 257},
    {"TotalFiles", K::Long, 4},
    {"TotalDeleted", K::Long, 4},
    {"TotalBytes", K::Long, 4},
    {"TotalMsgBytes", K::Long, 4},
    {"NumMsgs", K::Short, 2},
    {"NumUnread", K::Short, 2},
    {"NumUnsent", K::Short, 2},
    {"NumUnreadUrgent", K::Short, 2},
    {"NumVoiceMsgs", K::Short, 2},
    {"NumFaxMsgs", K::Short, 2},
    {"NumFaxUnreadAutoPrinted", K::Short, 2},
    {"NumFaxPrinted", K::Short, 2},
    {"NumFaxUnprinted", K::Short, 2},
    {"NumAutoDeleted", K::Short, 2},
};
static_assert(PackedSize(kMBoxType4) == 293);

constexpr KvvlsFieldSpec kCallType[] = {
    {"CallID", K::Long, 4},
    {"CallOrigin", K::Long, 4},
    {"CallReason", K::Long, 4},
    {"CallingDN", K::String, 128},
    {"CallingName", K::String, 128},
    {"CalledDN", K::String, 128},
    {"CalledName", K::String, 128},
};
static_assert(PackedSize(kCallType) == 524);

constexpr KvvlsFieldSpec kCallType2[] = {
    {"Z4_CallID", K::Long, 4},
    {"CallOrigin", K::Long, 4},
    {"CallReason", K::Long, 4},
    {"CallingDN", K::String, 61},
    {"CallingName", K::String, 129},
    {"CalledDN", K::String, 61},
    {"CalledName", K::String, 129},
    {"DNType", K::Long, 4},
};
static_assert(PackedSize(kCallType2) == 396);

constexpr KvvlsFieldSpec kCallType3[] = {
    {"Z4_CallID", K::Long, 4},
    {"CallOrigin", K::Long, 4},
    {"CallReason", K::Long, 4},
    {"CallingDN", K::String, 61},
    {"CallingName", K::String, 129},
    {"CalledDN", K::String, 61},
    {"CalledName", K::String, 129},
    {"CallingDNType", K::Long, 4},
    {"CalledDNType", K::Long, 4},
};
static_assert(PackedSize(kCallType3) == 400);

constexpr KvvlsFieldSpec kRecordEditType[] = {
    {"OnlyOne", K::Short, 2},
    {"IntroPause", K::Short, 2},
    {"MaskTop", K::Long, 4},
    {"MaskFwd1", K::Long, 4},
    {"MaskBkwd1", K::Long, 4},
    {"MaskFwd2", K::Long, 4},
    {"MaskBkwd2", K::Long, 4},
    {"MaskTerm", K::Long, 4},
    {"MaskIgnoreRec", K::Long, 4},
    {"MaskListen", K::Long, 4},
    {"MaskAccept", K::Long, 4},
    {"MaskReRecord", K::Long, 4},
    {"MaskAppend", K::Long, 4},
    {"MaskAbort", K::Long, 4},
    {"MaskIgnoreMenu", K::Long, 4},
    {"TermMask", K::Long, 4},
    {"SkipFwd1", K::Long, 4},
    {"SkipBkwd1", K::Long, 4},
    {"SkipType1", K::Short, 2},
    {"SkipFwd2", K::Long, 4},
    {"SkipBkwd2", K::Long, 4},
    {"SkipType2", K::Short, 2},
    {"ToneBefRec", K::Short, 2},
    {"TossTypeAhead", K::Short, 2},
    {"UseAGC", K::Short, 2},
    {"TermOnSilence", K::Short, 2},
    {"TermSilenceTime", K::Long, 4},
    {"SupSilence", K::Short, 2},
    {"SupSilenceTime", K::Long, 4},
    {"WaitSound", K::Short, 2},
    {"WaitSoundTime", K::Long, 4},
    {"IgnoreFileErrors", K::Short, 2},
    {"MaxPlayMenu", K::Short, 2},
    {"MaxNoAnswer", K::Short, 2},
    {"MaxWrongAnswer", K::Short, 2},
    {"TimeBetween", K::Long, 4},
    {"WrongAnsResetsNoAns", K::Short, 2},
    {"InterruptPrompts", K::Short, 2},
    {"InterruptErrors", K::Short, 2},
    {"MinRecord", K::Long, 4},
    {"MinRecordType", K::Short, 2},
    {"TalkDownTone", K::Short, 2},
    {"AcceptMask", K::Long, 4},
    {"TermKeepMask", K::Long, 4},
    {"WarningTone", K::Short, 2},
    {"WarningToneLagTime", K::Long, 4},
    {"NoRepPrompt", K::Short, 2},
};
static_assert(PackedSize(kRecordEditType) == 146);

constexpr KvvlsFieldSpec kRecordVoiceType[] = {
    {"IgnoreKeys", K::Long, 4},
    {"TerminateKeys", K::Long, 4},
    {"TermAndSaveKey", K::Long, 4},
    {"ClearTypeAhead", K::Short, 2},
    {"AllowIntPrompt", K::Short, 2},
    {"RecordPosition", K::Short, 2},
    {"PlayTone", K::Short, 2},
    {"PlayWarnTone", K::Short, 2},
    {"WarnToneLength", K::Long, 4},
    {"TermOnSilence", K::Short, 2},
    {"TrmSilenceTimeout", K::Long, 4},
    {"DscrdShortRec", K::Short, 2},
    {"MinRecLength", K::Long, 4},
    {"IgnoreFErrors", K::Short, 2},
};
static_assert(PackedSize(kRecordVoiceType) == 40);

constexpr KvvlsFieldSpec kSQLInfoType[] = {
    {"Source", K::String, 64},
    {"Parameters", K::String, 128},
    {"UserName", K::String, 64},
    {"Password", K::String, 64},
    {"Error", K::Short, 2},
    {"dbError", K::Short, 2},
    {"Res", K::String, 18},
};
static_assert(PackedSize(kSQLInfoType) == 342);

constexpr KvvlsFieldSpec kPageType[] = {
    {"TablePtr", K::Short, 2},
    {"Type", K::Short, 2},
};
static_assert(PackedSize(kPageType) == 4);

constexpr KvvlsFieldSpec kMail2Type[] = {
    {"ClientID", K::String, 16},
    {"CreatorID", K::String, 16},
    {"RecipientID", K::String, 16},
    {"OwnerID", K::String, 16},
    {"MailFile", K::String, 64},
    {"RecipientIsDL", K::Long, 4},
    {"Queue", K::Long, 4},
    {"MailType", K::Long, 4},
    {"UserDefined1", K::Long, 4},
    {"UserDefined2", K::Long, 4},
    {"UserDefined3", K::Long, 4},
    {"TimeCreated", K::String, 15},
    {"ForwardFlag", K::Long, 4},
    {"MailID", K::String, 16},
    {"NextMailID", K::String, 16},
    {"BeenRead", K::Long, 4},
    {"HowSent", K::Long, 4},
    {"FwdOrRepliedID", K::String, 16},
    {"Reserved1", K::Long, 4},
};
static_assert(PackedSize(kMail2Type) == 231);

constexpr KvvlsFieldSpec kMB2Type[] = {
    {"ClientID", K::String, 16},
    {"MailBoxID", K::String, 16},
    {"Extension", K::String, 16},
    {"Password", K::String, 16},
    {"GreetingFile", K::String, 64},
    {"NameAsDigits", K::String, 32},
    {"NameVoiceFile", K::String, 64},
    {"LastName", K::String, 32},
    {"Comment", K::String, 64},
    {"FirstName", K::String, 64},
    {"TimeExpired", K::String, 15},
    {"PrivLevel", K::Long, 4},
    {"NumMsgsAllowed", K::Long, 4},
    {"MaxSecsPerMsg", K::Long, 4},
    {"PhoneNumber", K::String, 24},
    {"MsgExpireDays", K::Long, 4},
    {"UserDefined1", K::Long, 4},
    {"UserDefined2", K::Long, 4},
    {"UserDefined3", K::Long, 4},
};
static_assert(PackedSize(kMB2Type) == 451);

constexpr KvvlsFieldSpec kToneType[] = {
    {"TossTypeAhead", K::Short, 2},
    {"AcceptMask", K::Long, 4},
    {"IgnoreMask", K::Long, 4},
    {"TermMask", K::Long, 4},
    {"TermKeepMask", K::Long, 4},
};
static_assert(PackedSize(kToneType) == 18);

constexpr KvvlsFieldSpec kENTPARM[] = {
    {"EntParm", K::Long, 4},
};
static_assert(PackedSize(kENTPARM) == 4);

constexpr KvvlsFieldSpec kENTKPARM[] = {
    {"IgnoreKeys", K::Long, 4},
    {"AcceptKeys", K::Long, 4},
    {"TermKeys", K::Long, 4},
    {"TermAndSave", K::Long, 4},
    {"AbortKeys", K::Long, 4},
    {"DecimalKeys", K::Long, 4},
    {"FirstToAbort", K::Long, 4},
    {"ClrTypeAhead", K::Short, 2},
    {"VerifyOnEach", K::Short, 2},
    {"AssumeSilenc", K::Short, 2},
};
static_assert(PackedSize(kENTKPARM) == 34);

constexpr KvvlsFieldSpec kENTKPARM2[] = {
    {"IgnoreKeys", K::Long, 4},
    {"AcceptKeys", K::Long, 4},
    {"TermKeys", K::Long, 4},
    {"TermAndSave", K::Long, 4},
    {"AbortKeys", K::Long, 4},
    {"DecimalKeys", K::Long, 4},
    {"FirstToAbort", K::Long, 4},
    {"ClrTypeAhead", K::Short, 2},
    {"VerifyOnEach", K::Short, 2},
    {"AssumeSilenc", K::Short, 2},
    {"TermAndAppnd", K::Long, 4},
};
static_assert(PackedSize(kENTKPARM2) == 38);

constexpr KvvlsFieldSpec kENTSPARM[] = {
    {"ConfThreshold", K::Long, 4},
    {"MinConfidence", K::Long, 4},
    {"VocabularyID", K::Short, 2},
    {"SubVocID", K::Short, 2},
    {"EnableCutThrough", K::Short, 2},
    {"BeepBefore", K::Short, 2},
};
static_assert(PackedSize(kENTSPARM) == 16);

constexpr KvvlsFieldSpec kMNUPARM[] = {
    {"MNUParm", K::Long, 4},
};
static_assert(PackedSize(kMNUPARM) == 4);

constexpr KvvlsFieldSpec kMNUKPARM[] = {
    {"MNUKParm", K::Short, 2},
};
static_assert(PackedSize(kMNUKPARM) == 2);

constexpr KvvlsFieldSpec kMenuSType[] = {
    {"ConfThreshold", K::Long, 4},
    {"MinConfidence", K::Long, 4},
    {"VocabularyID", K::Short, 2},
    {"SubVocID", K::Short, 2},
    {"EnableCutThrough", K::Short, 2},
    {"BeepBefore", K::Short, 2},
    {"Discrite", K::Short, 2},
};
static_assert(PackedSize(kMenuSType) == 18);

constexpr KvvlsFieldSpec kDelayType[] = {
    {"Timeout1", K::Long, 4},
    {"Timeout2", K::Long, 4},
    {"Timeout3", K::Long, 4},
    {"Timeout4", K::Long, 4},
    {"Timeout5", K::Long, 4},
    {"Timeout6", K::Long, 4},
    {"Prompt1P", K::Long, 4},
    {"Prompt2P", K::Long, 4},
    {"Prompt3P", K::Long, 4},
    {"Prompt4P", K::Long, 4},
    {"Prompt5P", K::Long, 4},
    {"Prompt6P", K::Long, 4},
    {"Prompt1", K::String, 50},
    {"Prompt2", K::String, 50},
    {"Prompt3", K::String, 50},
    {"Prompt4", K::String, 50},
    {"Prompt5", K::String, 50},
    {"Prompt6", K::String, 50},
    {"Repeat1", K::Short, 2},
    {"Repeat2", K::Short, 2},
    {"Repeat3", K::Short, 2},
    {"Repeat4", K::Short, 2},
    {"Repeat5", K::Short, 2},
    {"Repeat6", K::Short, 2},
};
static_assert(PackedSize(kDelayType) == 360);

constexpr KvvlsFieldSpec kDelayType2[] = {
    {"Timeout1", K::Long, 4},
    {"Timeout2", K::Long, 4},
    {"Timeout3", K::Long, 4},
    {"Timeout4", K::Long, 4},
    {"Timeout5", K::Long, 4},
    {"Timeout6", K::Long, 4},
    {"Prompt1P", K::Long, 4},
    {"Prompt2P", K::Long, 4},
    {"Prompt3P", K::Long, 4},
    {"Prompt4P", K::Long, 4},
    {"Prompt5P", K::Long, 4},
    {"Prompt6P", K::Long, 4},
    {"Prompt1", K::String, 50},
    {"Prompt2", K::String, 50},
    {"Prompt3", K::String, 50},
    {"Prompt4", K::String, 50},
    {"Prompt5", K::String, 50},
    {"Prompt6", K::String, 50},
    {"Repeat1", K::Short, 2},
    {"Repeat2", K::Short, 2},
    {"Repeat3", K::Short, 2},
    {"Repeat4", K::Short, 2},
    {"Repeat5", K::Short, 2},
    {"Repeat6", K::Short, 2},
    {"Flag1", K::Short, 2},
    {"Flag2", K::Short, 2},
    {"Flag3", K::Short, 2},
    {"Flag4", K::Short, 2},
    {"Flag5", K::Short, 2},
    {"Flag6", K::Short, 2},
    {"FileName1", K::String, 9},
    {"FileName2", K::String, 9},
    {"FileName3", K::String, 9},
    {"FileName4", K::String, 9},
    {"FileName5", K::String, 9},
    {"FileName6", K::String, 9},
    {"TemplateID1", K::Long, 4},
    {"TemplateID2", K::Long, 4},
    {"TemplateID3", K::Long, 4},
    {"TemplateID4", K::Long, 4},
    {"TemplateID5", K::Long, 4},
    {"TemplateID6", K::Long, 4},
};
static_assert(PackedSize(kDelayType2) == 450);

constexpr KvvlsFieldSpec kDelErrorType[] = {
    {"Prompt1P", K::Long, 4},
    {"Prompt2P", K::Long, 4},
    {"Prompt3P", K::Long, 4},
    {"Prompt4P", K::Long, 4},
    {"Prompt5P", K::Long, 4},
    {"Prompt6P", K::Long, 4},
    {"Prompt1", K::String, 50},
    {"Prompt2", K::String, 50},
    {"Prompt3", K::String, 50},
    {"Prompt4", K::String, 50},
    {"Prompt5", K::String, 50},
    {"Prompt6", K::String, 50},
    {"Repeat1", K::Short, 2},
    {"Repeat2", K::Short, 2},
    {"Repeat3", K::Short, 2},
    {"Repeat4", K::Short, 2},
    {"Repeat5", K::Short, 2},
    {"Repeat6", K::Short, 2},
};
static_assert(PackedSize(kDelErrorType) == 336);

constexpr KvvlsFieldSpec kDelErrorType2[] = {
    {"Prompt1P", K::Long, 4},
    {"Prompt2P", K::Long, 4},
    {"Prompt3P", K::Long, 4},
    {"Prompt4P", K::Long, 4},
    {"Prompt5P", K::Long, 4},
    {"Prompt6P", K::Long, 4},
    {"Prompt1", K::String, 50},
    {"Prompt2", K::String, 50},
    {"Prompt3", K::String, 50},
    {"Prompt4", K::String, 50},
    {"Prompt5", K::String, 50},
    {"Prompt6", K::String, 50},
    {"Repeat1", K::Short, 2},
    {"Repeat2", K::Short, 2},
    {"Repeat3", K::Short, 2},
    {"Repeat4", K::Short, 2},
    {"Repeat5", K::Short, 2},
    {"Repeat6", K::Short, 2},
    {"Flag1", K::Short, 2},
    {"Flag2", K::Short, 2},
    {"Flag3", K::Short, 2},
    {"Flag4", K::Short, 2},
    {"Flag5", K::Short, 2},
    {"Flag6", K::Short, 2},
    {"FileName1", K::String, 9},
    {"FileName2", K::String, 9},
    {"FileName3", K::String, 9},
    {"FileName4", K::String, 9},
    {"FileName5", K::String, 9},
    {"FileName6", K::String, 9},
    {"TemplateID1", K::Long, 4},
    {"TemplateID2", K::Long, 4},
    {"TemplateID3", K::Long, 4},
    {"TemplateID4", K::Long, 4},
    {"TemplateID5", K::Long, 4},
    {"TemplateID6", K::Long, 4},
};
static_assert(PackedSize(kDelErrorType2) == 426);

constexpr KvvlsFieldSpec kFaxSessInfo[] = {
    {"FaxMachineID", K::String, 21},
    {"Resolution", K::Long, 4},
    {"T1Timeout", K::Long, 4},
    {"WhichTone", K::Long, 4},
    {"CEDToneDelay", K::Long, 4},
};
static_assert(PackedSize(kFaxSessInfo) == 37);

constexpr KvvlsFieldSpec kFaxSessInfo2[] = {
    {"FaxMachineID", K::String, 21},
    {"Resolution", K::Long, 4},
    {"T1Timeout", K::Long, 4},
    {"WhichTone", K::Long, 4},
    {"CEDToneDelay", K::Long, 4},
    {"PgTrXErrHdlg", K::Long, 4},
};
static_assert(PackedSize(kFaxSessInfo2) == 41);

constexpr KvvlsFieldSpec kChar[] = {
    {"Char", K::Uchar, 1},
};
static_assert(PackedSize(kChar) == 1);

constexpr KvvlsFieldSpec kBOOLEAN[] = {
    {"Boolean", K::Short, 2},
};
static_assert(PackedSize(kBOOLEAN) == 2);

constexpr KvvlsFieldSpec kSHORT[] = {
    {"Short", K::Short, 2},
};
static_assert(PackedSize(kSHORT) == 2);

constexpr KvvlsFieldSpec kADDRFTYPE[] = {
    {"ADR", K::Long, 4},
};
static_assert(PackedSize(kADDRFTYPE) == 4);

constexpr KvvlsFieldSpec kADDRFTYPE2[] = {
    {"AllowLocal", K::Short, 2},
    {"AllowAMIS", K::Short, 2},
    {"AllowEntNtwk", K::Short, 2},
    {"AllowDigNtwk", K::Short, 2},
    {"AllowFax", K::Short, 2},
    {"AllowPhone", K::Short, 2},
    {"AllowLocBroad", K::Short, 2},
    {"AllowCustDist", K::Short, 2},
    {"AllowPersDist", K::Short, 2},
    {"AllowSystem", K::Short, 2},
};
static_assert(PackedSize(kADDRFTYPE2) == 20);

constexpr KvvlsFieldSpec kADDRFTYPE3[] = {
    {"AllowLocal", K::Short, 2},
    {"AllowAMIS", K::Short, 2},
    {"AllowEntNtwk", K::Short, 2},
    {"AllowDigNtwk", K::Short, 2},
    {"Loopback", K::Short, 2},
    {"AllowPhone", K::Short, 2},
    {"AllowLocBroad", K::Short, 2},
    {"AllowCustDist", K::Short, 2},
    {"AllowPersDist", K::Short, 2},
    {"AllowSystem", K::Short, 2},
    {"PhoneOnNet", K::Short, 2},
};
static_assert(PackedSize(kADDRFTYPE3) == 22);

constexpr KvvlsFieldSpec kADDRFTYPE4[] = {
    {"AllowLocal", K::Short, 2},
    {"AllowAMIS", K::Short, 2},
    {"AllowEntNtwk", K::Short, 2},
    {"AllowDigNtwk", K::Short, 2},
    {"Loopback", K::Short, 2},
    {"AllowPhone", K::Short, 2},
    {"AllowLocBroad", K::Short, 2},
    {"AllowCustDist", K::Short, 2},
    {"AllowPersDist", K::Short, 2},
    {"AllowSystem", K::Short, 2},
    {"PhoneOnNet", K::Short, 2},
    {"AllowNtwkBroad", K::Short, 2},
    {"AllowLSpcBroad", K::Short, 2},
    {"AllowUnknown", K::Short, 2},
};
static_assert(PackedSize(kADDRFTYPE4) == 28);

constexpr KvvlsFieldSpec kADDRFTYPE5[] = {
    {"AllowLocal", K::Short, 2},
    {"AllowAMIS", K::Short, 2},
    {"AllowEntNtwk", K::Short, 2},
    {"AllowDigNtwk", K::Short, 2},
    {"Loopback", K::Short, 2},
    {"AllowPhone", K::Short, 2},
    {"AllowLocBroad", K::Short, 2},
    {"AllowCustDist", K::Short, 2},
    {"AllowPersDist", K::Short, 2},
    {"AllowSystem", K::Short, 2},
    {"PhoneOnNet", K::Short, 2},
    {"AllowNtwkBroad", K::Short, 2},
    {"AllowUnknown", K::Short, 2},
    {"NWLocatBroad", K::Short, 2},
    {"LocLocatBroad", K::Short, 2},
};
static_assert(PackedSize(kADDRFTYPE5) == 30);

constexpr KvvlsFieldSpec kLONG[] = {
    {"Long", K::Long, 4},
};
static_assert(PackedSize(kLONG) == 4);

constexpr KvvlsFieldSpec kFLOAT[] = {
    {"Float", K::Float, 4},
};
static_assert(PackedSize(kFLOAT) == 4);

constexpr KvvlsFieldSpec kDOUBLE[] = {
    {"Double", K::Double, 8},
};
static_assert(PackedSize(kDOUBLE) == 8);

constexpr KvvlsFieldSpec kSTRING[] = {
    {"String", K::String, 256},
};
static_assert(PackedSize(kSTRING) == 256);

constexpr KvvlsFieldSpec kMAIL[] = {
    {"Path", K::String, 48},
    {"FwdFlag", K::Long, 4},
    {"Unique", K::Double, 8},
    {"NextUnique", K::Double, 8},
    {"Owner", K::String, 16},
    {"Attrib", K::Long, 4},
    {"Queue", K::Long, 4},
    {"MsgPriv", K::Long, 4},
    {"CreateTime", K::Long, 4},
    {"CreatorID", K::String, 16},
    {"CreatorFileName", K::String, 48},
};
static_assert(PackedSize(kMAIL) == 164);

constexpr KvvlsFieldSpec kSRResult[] = {
    {"type1", K::Short, 2},
    {"type2", K::Short, 2},
    {"type3", K::Short, 2},
    {"wordID1", K::Long, 4},
    {"wordID2", K::Long, 4},
    {"wordID3", K::Long, 4},
    {"digits1", K::String, 64},
    {"digits2", K::String, 64},
    {"digits3", K::String, 64},
    {"confidenceScore1", K::Long, 4},
    {"confidenceScore2", K::Long, 4},
    {"confidenceScore3", K::Long, 4},
    {"confidence1", K::Short, 2},
    {"confidence2", K::Short, 2},
    {"confidence3", K::Short, 2},
};
static_assert(PackedSize(kSRResult) == 228);

constexpr KvvlsFieldSpec kAlarmType[] = {
    {"EventNum", K::Long, 4},
    {"Severity", K::Long, 4},
    {"CallingDN", K::String, 61},
    {"CalledDN", K::String, 61},
    {"Mailbox", K::String, 257},
    {"DNTransferredTo", K::String, 61},
};
static_assert(PackedSize(kAlarmType) == 448);

constexpr KvvlsFieldSpec kPathType[] = {
    {"CurrentVersion", K::Long, 4},
    {"NewVersion", K::Long, 4},
    {"CurrentEDFile", K::String, 101},
    {"CurrentRUNFile", K::String, 101},
    {"CurrentRLLFile", K::String, 101},
    {"CurrenMISAFile", K::String, 101},
    {"NewEDFile", K::String, 101},
    {"NewRUNFile", K::String, 101},
    {"NewRLLFile", K::String, 101},
    {"NewMISAFile", K::String, 101},
};
static_assert(PackedSize(kPathType) == 816);

constexpr KvvlsLayout kLayouts[] = {
    {"Kvvls_Menu", kMenu},
    {"Kvvls_VREntryParms", kVREntryParms},
    {"Kvvls_PMsgType", kPMsgType},
    {"Kvvls_EntryType", kEntryType},
    {"Kvvls_RecordType", kRecordType},
    {"Kvvls_MultiMailType", kMultiMailType},
    {"Kvvls_ProgRec", kProgRec},
    {"Kvvls_ApStatsType", kApStatsType},
    {"Kvvls_DATETIME1", kDATETIME1},
    {"Kvvls_DATETIME2", kDATETIME2},
    {"Kvvls_MBBIG", kMBBIG},
    {"Kvvls_FILEHNDL", kFILEHNDL},
    {"Kvvls_HeaderType", kHeaderType},
    {"Kvvls_HeaderType2", kHeaderType2},
    {"Kvvls_DL", kDL},
    {"Kvvls_FileType", kFileType},
    {"Kvvls_MailType", kMailType},
    {"Kvvls_PlayType", kPlayType},
    {"Kvvls_AddrType", kAddrType},
    {"Kvvls_AddrType2", kAddrType2},
    {"Kvvls_AddrType3", kAddrType3},
    {"Kvvls_AddrType4", kAddrType4},
    {"Kvvls_AddrType5", kAddrType5},
    {"Kvvls_PlayKType", kPlayKType},
    {"Kvvls_PlayKType2", kPlayKType2},
    {"Kvvls_PlaySType", kPlaySType},
    {"Kvvls_MsgBdyType", kMsgBdyType},
    {"Kvvls_MsgBdyType2", kMsgBdyType2},
    {"Kvvls_MsgBdyType3", kMsgBdyType3},
    {"Kvvls_MsgBdyType4", kMsgBdyType4},
    {"Kvvls_MsgBdyType5", kMsgBdyType5},
    {"Kvvls_MsgStType", kMsgStType},
    {"Kvvls_MsgStType2", kMsgStType2},
    {"Kvvls_MsgStType3", kMsgStType3},
    {"Kvvls_MsgStType4", kMsgStType4},
    {"Kvvls_MsgStType5", kMsgStType5},
    {"Kvvls_MsgStType6", kMsgStType6},
    {"Kvvls_MsgStType7", kMsgStType7},
    {"Kvvls_MsgStType8", kMsgStType8},
    {"Kvvls_MsgStType9", kMsgStType9},
    {"Kvvls_MBoxType", kMBoxType},
    {"Kvvls_MBoxType2", kMBoxType2},
    {"Kvvls_MBoxType3", kMBoxType3},
    {"Kvvls_MBoxType4", kMBoxType4},
    {"Kvvls_CallType", kCallType},
    {"Kvvls_CallType2", kCallType2},
    {"Kvvls_CallType3", kCallType3},
    {"Kvvls_RecordEditType", kRecordEditType},
    {"Kvvls_RecordVoiceType", kRecordVoiceType},
    {"Kvvls_SQLInfoType", kSQLInfoType},
    {"Kvvls_PageType", kPageType},
    {"Kvvls_Mail2Type", kMail2Type},
    {"Kvvls_MB2Type", kMB2Type},
    {"Kvvls_ToneType", kToneType},
    {"Kvvls_ENTPARM", kENTPARM},
    {"Kvvls_ENTKPARM", kENTKPARM},
    {"Kvvls_ENTKPARM2", kENTKPARM2},
    {"Kvvls_ENTSPARM", kENTSPARM},
    {"Kvvls_MNUPARM", kMNUPARM},
    {"Kvvls_MNUKPARM", kMNUKPARM},
    {"Kvvls_MenuSType", kMenuSType},
    {"Kvvls_DelayType", kDelayType},
    {"Kvvls_DelayType2", kDelayType2},
    {"Kvvls_DelErrorType", kDelErrorType},
    {"Kvvls_DelErrorType2", kDelErrorType2},
    {"Kvvls_FaxSessInfo", kFaxSessInfo},
    {"Kvvls_FaxSessInfo2", kFaxSessInfo2},
    {"Kvvls_Char", kChar},
    {"Kvvls_BOOLEAN", kBOOLEAN},
    {"Kvvls_SHORT", kSHORT},
    {"Kvvls_ADDRFTYPE", kADDRFTYPE},
    {"Kvvls_ADDRFTYPE2", kADDRFTYPE2},
    {"Kvvls_ADDRFTYPE3", kADDRFTYPE3},
    {"Kvvls_ADDRFTYPE4", kADDRFTYPE4},
    {"Kvvls_ADDRFTYPE5", kADDRFTYPE5},
    {"Kvvls_LONG", kLONG},
    {"Kvvls_FLOAT", kFLOAT},
    {"Kvvls_DOUBLE", kDOUBLE},
    {"Kvvls_STRING", kSTRING},
    {"Kvvls_MAIL", kMAIL},
    {"Kvvls_SRResult", kSRResult},
    {"Kvvls_AlarmType", kAlarmType},
    {"Kvvls_PathType", kPathType},
};

static_assert(std::size(kLayouts) == static_cast<std::size_t>(KvvlsRecordId::Count),
              "one layout per record class");

}  // namespace

const KvvlsLayout& KvvlsGetLayout(KvvlsRecordId id)
{
    return kLayouts[static_cast<std::size_t>(id)];
}
