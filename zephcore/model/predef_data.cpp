// The predefined structures of the script language and their members.
#include "model/predef_structs.h"

#include <cstring>

namespace zeph {
namespace {

constexpr std::int16_t kSmall = 2, kInt = 3, kNum = 5, kStr = 6, kDateNum = 19, kDateStr = 20,
                       kBool = 53;

// A member: name, member number, type code and size (the length of a string, else 1).
StructMember M(const char* name, int number, int type, int size) {
  StructMember m;
  std::strncpy(m.Name, name, kMemberNameMax);
  m.ElemNum = static_cast<std::int16_t>(number);
  m.Type = static_cast<std::int16_t>(type);
  m.Size = static_cast<std::int16_t>(size);
  return m;
}

// A predefined structure: it cannot be deleted and its members are visible.
StructDef D(const char* name, int code, int nextMember, StructDef* next, StructMember* first,
            std::uint32_t allowed1, std::uint32_t allowed2) {
  StructDef d;
  std::strncpy(d.Name, name, kStructNameMax);
  d.TypeNum = static_cast<std::int16_t>(code);
  d.CantDelete = 1;
  d.MembersAreInvisible = 0;
  d.NextStructMemNum = static_cast<std::int16_t>(nextMember);
  d.NextDef = next;
  d.FstMem = first;
  d.Allowed1 = allowed1;
  d.Allowed2 = allowed2;
  return d;
}

StructMember kbMailMembers[] = {
    M("MailLoc", 1, kStr, 48), M("ForwardFlag", 2, kInt, 1), M("UniqueID", 3, kNum, 1),
    M("NextUniqueID", 4, kNum, 1), M("OwnerID", 5, kStr, 16), M("MailAttribute", 6, kInt, 1),
    M("Queue", 7, kInt, 1), M("MailPriv", 8, kInt, 1), M("TimeCreated", 9, kDateNum, 1),
    M("CreatorID", 10, kStr, 16), M("CreatorFile", 11, kStr, 48),
};
StructMember kbMailBoxDefMembers[] = {
    M("OwnerID", 1, kStr, 16), M("MBState", 2, kInt, 1), M("Category1", 3, kInt, 1),
    M("Category2", 4, kInt, 1), M("Category3", 5, kInt, 1), M("Category4", 6, kInt, 1),
    M("TimeExpired", 7, kDateNum, 1), M("Res1", 8, kInt, 1), M("Password", 9, kStr, 8),
    M("Res2", 10, kInt, 1), M("Res3", 11, kInt, 1), M("Res4", 12, kInt, 1),
    M("Greeting1", 13, kStr, 48), M("Greeting2", 14, kStr, 48), M("Greeting3", 15, kStr, 48),
    M("CurrentGreet", 16, kSmall, 1), M("Extension", 17, kStr, 16), M("NameKey", 18, kStr, 16),
    M("FullName", 19, kStr, 32), M("NameVoiceFile", 20, kStr, 48), M("Privilege1", 21, kInt, 1),
    M("Privilege2", 22, kInt, 1), M("Privilege3", 23, kInt, 1), M("NumMsgsAllowed", 24, kInt, 1),
    M("CurrentPhone", 25, kSmall, 1), M("Phone1", 26, kStr, 16), M("Phone2", 27, kStr, 16),
    M("Phone3", 28, kStr, 16), M("TimeStartSun", 29, kSmall, 1), M("TimeStopSun", 30, kSmall, 1),
    M("TimeStartMon", 31, kSmall, 1), M("TimeStopMon", 32, kSmall, 1),
    M("TimeStartTue", 33, kSmall, 1), M("TimeStopTue", 34, kSmall, 1),
    M("TimeStartWed", 35, kSmall, 1), M("TimeStopWed", 36, kSmall, 1),
    M("TimeStartThu", 37, kSmall, 1), M("TimeStopThu", 38, kSmall, 1),
    M("TimeStartFri", 39, kSmall, 1), M("TimeStopFri", 40, kSmall, 1),
    M("TimeStartSat", 41, kSmall, 1), M("TimeStopSat", 42, kSmall, 1), M("Reserved", 43, kStr, 8),
    M("CallWhen", 44, kStr, 8), M("FwdXten", 45, kStr, 16), M("FwdMail", 46, kStr, 16),
    M("MsgExpireNew", 47, kInt, 1), M("MsgExpireOld", 48, kInt, 1),
};
StructMember kHeaderStructMembers[] = {
    M("Subject", 1, kStr, 513), M("DateCreated", 2, kDateNum, 1), M("DateSent", 3, kDateNum, 1),
    M("DateReceived", 4, kDateNum, 1), M("VoiceSize", 5, kInt, 1), M("FaxSize", 6, kInt, 1),
    M("MsgType", 7, kSmall, 1), M("MsgSubType", 8, kSmall, 1), M("DelTime", 9, kDateNum, 1),
    M("MsgID", 10, kNum, 1),
};
StructMember kbDistListMembers[] = {
    M("OwnerID", 1, kStr, 16), M("DLNum", 2, kInt, 1), M("MemberID", 3, kStr, 16),
};
StructMember kbIDNameBuffMembers[] = {
    M("ID1", 1, kStr, 16), M("ID2", 2, kStr, 16), M("ID3", 3, kStr, 16), M("ID4", 4, kStr, 16),
    M("ID5", 5, kStr, 16), M("ID6", 6, kStr, 16), M("ID7", 7, kStr, 16), M("ID8", 8, kStr, 16),
    M("ID9", 9, kStr, 16), M("ID10", 10, kStr, 16), M("NameVoiceFile1", 11, kStr, 48),
    M("NameVoiceFile2", 12, kStr, 48), M("NameVoiceFile3", 13, kStr, 48),
    M("NameVoiceFile4", 14, kStr, 48), M("NameVoiceFile5", 15, kStr, 48),
    M("NameVoiceFile6", 16, kStr, 48), M("NameVoiceFile7", 17, kStr, 48),
    M("NameVoiceFile8", 18, kStr, 48), M("NameVoiceFile9", 19, kStr, 48),
    M("NmeVoiceFile10", 20, kStr, 48),
};
StructMember kProgramRecordMembers[] = {
    M("ProgID", 1, kStr, 32), M("ProgPath", 2, kStr, 48), M("ProgComment", 3, kStr, 48),
    M("StatPath", 4, kStr, 48), M("StatMonths", 5, kSmall, 1), M("HangupSecs", 6, kSmall, 1),
    M("Enabled", 7, kSmall, 1), M("MiscString1", 8, kStr, 32), M("MiscString2", 9, kStr, 32),
    M("MiscPath1", 10, kStr, 48), M("MiscPath2", 11, kStr, 48), M("MiscInteger1", 12, kInt, 1),
    M("MiscInteger2", 13, kInt, 1),
};
StructMember kLogFileMembers[] = {
    M("ProgID", 1, kStr, 32), M("PBName", 2, kStr, 32), M("Value0", 3, kInt, 1),
    M("Value1", 4, kInt, 1), M("Value2", 5, kInt, 1), M("Value3", 6, kInt, 1),
    M("Value4", 7, kInt, 1), M("Value5", 8, kInt, 1), M("Value6", 9, kInt, 1),
    M("Value7", 10, kInt, 48), M("Value8", 11, kInt, 1), M("Value9", 12, kInt, 1),
    M("ValuePound", 13, kInt, 1), M("ValueStar", 14, kInt, 1), M("ValueHungup", 15, kInt, 1),
    M("ValueMaxWrong", 16, kInt, 1), M("ValueMaxNoAns", 17, kInt, 1),
};
StructMember kPathStructMembers[] = {
    M("CurrentVersion", 1, kInt, 1), M("NewVersion", 2, kInt, 1), M("CurrentEDFile", 3, kStr, 101),
    M("CurrentRUNFile", 4, kStr, 101), M("CurrentRLLFile", 5, kStr, 101),
    M("CurrenMISAFile", 6, kStr, 101), M("NewEDFile", 7, kStr, 101), M("NewRUNFile", 8, kStr, 101),
    M("NewRLLFile", 9, kStr, 101), M("NewMISAFile", 10, kStr, 101),
};
StructMember kApStatsMembers[] = {
    M("Month", 1, kSmall, 1), M("Yr", 2, kSmall, 1), M("FstMin", 3, kInt, 1),
    M("AddMin", 4, kInt, 1),
    M("HangUps", 5, kInt, 1), M("FstSecs", 6, kInt, 1), M("AddSecs", 7, kInt, 1),
    M("HangupSecs", 8, kInt, 1),
};
StructMember kMailMembers[] = {
    M("ClientID", 1, kStr, 16), M("CreatorID", 2, kStr, 16), M("RecipientID", 3, kStr, 16),
    M("OwnerID", 4, kStr, 16), M("MailFile", 5, kStr, 64), M("RecipientIsDL", 6, kInt, 1),
    M("Queue", 7, kInt, 1), M("MailType", 8, kInt, 1), M("UserDefined1", 9, kInt, 1),
    M("UserDefined2", 10, kInt, 1), M("UserDefined3", 11, kInt, 1),
    M("TimeCreated", 12, kDateStr, 1), M("ForwardFlag", 13, kStr, 4), M("MailID", 14, kStr, 16),
    M("NextMailID", 15, kStr, 16), M("BeenRead", 16, kInt, 1), M("HowSent", 18, kInt, 1),
    M("FwdOrRepliedID", 19, kStr, 16), M("Reserved1", 20, kInt, 1),
};
StructMember kMailBoxMembers[] = {
    M("ClientID", 1, kStr, 16), M("MailBoxID", 2, kStr, 16), M("Extension", 3, kStr, 16),
    M("Password", 4, kStr, 16), M("GreetingFile", 5, kStr, 64), M("NameAsDigits", 6, kStr, 32),
    M("NameVoiceFile", 7, kStr, 64), M("LastName", 8, kStr, 32), M("Comment", 9, kStr, 64),
    M("FirstName", 10, kStr, 64), M("TimeExpired", 11, kDateStr, 1), M("PrivLevel", 12, kInt, 1),
    M("NumMsgsAllowed", 13, kInt, 1), M("MaxSecsPerMsg", 14, kInt, 1),
    M("PhoneNumber", 15, kStr, 24), M("MsgExpireDays", 16, kInt, 1), M("UserDefined1", 17, kInt, 1),
    M("UserDefined2", 18, kInt, 1), M("UserDefined3", 19, kInt, 1),
};
StructMember kFaxRequestMembers[] = {
    M("JobID", 1, kStr, 16), M("FaxID", 2, kStr, 16), M("Queue", 3, kInt, 1),
    M("ClientID", 4, kStr, 16), M("LocalID", 5, kStr, 21), M("Priority", 6, kInt, 1),
    M("LineMin", 7, kSmall, 1), M("LineMax", 8, kSmall, 1), M("Mode", 9, kSmall, 1),
    M("MaxTries", 10, kInt, 1), M("RetryCount", 11, kInt, 1), M("RetryDelay", 12, kInt, 1),
    M("FaxPhone", 13, kStr, 32), M("FullName", 14, kStr, 64), M("LastName", 15, kStr, 32),
    M("Address1", 16, kStr, 64), M("Address2", 17, kStr, 64), M("Company", 18, kStr, 32),
    M("VoicePhone", 19, kStr, 32), M("City", 20, kStr, 32), M("State", 21, kStr, 32),
    M("PostalCode", 22, kStr, 32), M("Country", 23, kStr, 32), M("DeliverTime", 24, kStr, 16),
    M("PostTime", 25, kStr, 16), M("StartTime", 26, kStr, 16), M("Duration", 27, kInt, 1),
    M("Pages", 28, kSmall, 1), M("Bytes", 29, kInt, 1), M("TotalDuration", 30, kInt, 1),
    M("TotalPages", 31, kInt, 1), M("ProgramError", 32, kInt, 1), M("NativeError", 33, kInt, 1),
    M("StatusCode", 34, kSmall, 1), M("BaudRate", 35, kInt, 1), M("LineSent", 36, kSmall, 1),
    M("MiscString1", 37, kStr, 64), M("MiscString2", 38, kStr, 64), M("MiscInteger1", 39, kInt, 1),
    M("MiscInteger2", 40, kInt, 1),
};
StructMember kEntryParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("DigitsTermMask", 2, kInt, 1), M("DigitsToAbort", 3, kInt, 1),
    M("DigitsToIgnore", 4, kInt, 1), M("NumNoAnswers", 5, kSmall, 1),
    M("NumWrngAnswers", 6, kSmall, 1), M("TimeBetween", 7, kInt, 1),
    M("WrngResetNoAns", 8, kSmall, 1), M("IgnoreFileErr", 9, kSmall, 1),
    M("InterruptErMsg", 10, kSmall, 1), M("InterruptMsg", 11, kSmall, 1),
    M("OnlyOne", 12, kSmall, 1), M("TossTypeAhead", 13, kSmall, 1),
    M("LookupTimeOut", 14, kSmall, 1), M("DgtsToAbort1st", 15, kInt, 1),
    M("VerKeyPress", 16, kSmall, 1), M("NoRepPrompt", 17, kSmall, 1), M("DigitsToDec", 18, kInt, 1),
    M("Res1", 19, kSmall, 1), M("Res2", 20, kSmall, 1), M("TermKeepMask", 21, kInt, 1),
    M("TextDisplay", 22, kSmall, 1), M("CharDisplay", 23, kStr, 16),
    M("MessagePrefix", 24, kStr, 65),
};
StructMember kFileParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("TopMask", 2, kInt, 1), M("FwdMask", 3, kInt, 1),
    M("BkwdMask", 4, kInt, 1), M("SkipFwdBytes", 5, kInt, 1), M("SkipBkwdBytes", 6, kInt, 1),
    M("TossTypeAhead", 7, kSmall, 1), M("TermMask", 8, kInt, 1),
};
StructMember kMailParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("TopMask", 2, kInt, 1), M("FwdMask", 3, kInt, 1),
    M("BkwdMask", 4, kInt, 1), M("SkipFwdBytes", 5, kInt, 1), M("SkipBkwdBytes", 6, kInt, 1),
    M("TossTypeAhead", 7, kSmall, 1), M("TermMask", 8, kInt, 1),
};
StructMember kMenuParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("NumNoAnswers", 2, kSmall, 1),
    M("NumWrngAnswers", 3, kSmall, 1), M("TimeBetween", 4, kInt, 1),
    M("WrngResetNoAns", 5, kSmall, 1), M("IgnoreFileErr", 6, kSmall, 1),
    M("InterruptErMsg", 7, kSmall, 1), M("InterruptMsg", 8, kSmall, 1), M("OnlyOne", 9, kSmall, 1),
    M("TossTypeAhead", 10, kSmall, 1), M("NoRepPrompt", 12, kSmall, 1),
};
StructMember kMsgParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("TossTypeAhead", 2, kSmall, 1), M("OnlyOne", 3, kSmall, 1),
    M("IgnoreFileErr", 4, kSmall, 1), M("TermMask", 5, kInt, 1),
};
StructMember kMulMailParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("TossTypeAhead", 2, kSmall, 1), M("Again", 3, kInt, 1),
    M("AgainIntro", 4, kInt, 1), M("Next", 5, kInt, 1), M("Prev", 6, kInt, 1),
    M("Delete", 7, kInt, 1), M("DeleteNext", 8, kInt, 1), M("Exit", 9, kInt, 1),
    M("Pickup", 10, kInt, 1), M("User1", 11, kInt, 1), M("User2", 12, kInt, 1),
    M("PlayMail", 13, kSmall, 1), M("PlayNumber", 14, kSmall, 1), M("Circular", 15, kSmall, 1),
};
StructMember kPlayParmMembers[] = {
    M("SkipForward", 1, kInt, 1), M("SkipBackward", 2, kInt, 1), M("SkipForwS", 3, kInt, 1),
    M("SkipBackS", 4, kInt, 1), M("IgnoreFErrors", 5, kSmall, 1),
};
StructMember kToneParmMembers[] = {
    M("TossTypeAhead", 1, kSmall, 1), M("Accept", 2, kInt, 1), M("Ignore", 3, kInt, 1),
    M("TermMask", 4, kInt, 1), M("TermKeepMask", 5, kInt, 1),
};
StructMember kRecEditParmMembers[] = {
    M("OnlyOne", 1, kSmall, 1), M("IntroPause", 2, kSmall, 1), M("MaskTop", 3, kInt, 1),
    M("MaskFwd1", 4, kInt, 1), M("MaskBkwd1", 5, kInt, 1), M("MaskFwd2", 6, kInt, 1),
    M("MaskBkwd2", 7, kInt, 1), M("MaskTerm", 8, kInt, 1), M("MaskIgnoreRec", 9, kInt, 1),
    M("MaskListen", 10, kInt, 1), M("MaskAccept", 11, kInt, 1), M("MaskReRecord", 12, kInt, 1),
    M("MaskAppend", 13, kInt, 1), M("MaskAbort", 14, kInt, 1), M("MaskIgnoreMenu", 15, kInt, 1),
    M("TermMask", 16, kInt, 1), M("SkipFwd1", 17, kInt, 1), M("SkipBkwd1", 18, kInt, 1),
    M("SkipType1", 19, kSmall, 1), M("SkipFwd2", 20, kInt, 1), M("SkipBkwd2", 21, kInt, 1),
    M("SkipType2", 22, kSmall, 1), M("ToneBefRec", 23, kSmall, 1),
    M("TossTypeAhead", 24, kSmall, 1),
    M("UseAGC", 25, kSmall, 1), M("TermOnSilence", 26, kSmall, 1), M("TrmSilenceTime", 27, kInt, 1),
    M("SupSilence", 28, kSmall, 1), M("SupSilenceTime", 29, kInt, 1), M("WaitSound", 30, kSmall, 1),
    M("WaitSoundTime", 31, kInt, 1), M("IgnoreFileErr", 32, kSmall, 1),
    M("MaxPlayMenu", 33, kSmall, 1), M("MaxNoAnswer", 34, kSmall, 1),
    M("MaxWrongAnswer", 35, kSmall, 1), M("TimeBetween", 36, kInt, 1),
    M("WrngResetNoAns", 37, kSmall, 1), M("InterruptPrmpt", 38, kSmall, 1),
    M("InterruptErr", 39, kSmall, 1), M("MinRecord", 40, kInt, 1),
    M("MinRecordType", 41, kSmall, 1),
    M("TalkDownTone", 42, kSmall, 1), M("AcceptMask", 43, kInt, 1), M("TermKeepMask", 44, kInt, 1),
    M("WarningTone", 45, kSmall, 1), M("WarningToneLag", 46, kInt, 1),
    M("NoRepPrompt", 47, kSmall, 1),
};
StructMember kRecordParmMembers[] = {
    M("IntroPause", 1, kSmall, 1), M("TossTypeAhead", 2, kSmall, 1), M("TermMask", 3, kInt, 1),
    M("ToneBefRecs", 4, kSmall, 1), M("RecrdKeepBytes", 5, kInt, 1), M("Accept", 6, kInt, 1),
    M("Listen", 7, kInt, 1), M("ReRecord", 8, kInt, 1), M("Append", 9, kInt, 1),
    M("Abort", 10, kInt, 1), M("NTimesPlayMenu", 11, kSmall, 1), M("T_UseOnPrompts", 12, kInt, 1),
    M("T_Silence", 13, kInt, 1), M("T_NonSil", 14, kInt, 1), M("T_PCPM", 15, kInt, 1),
    M("Res1", 16, kInt, 1), M("Res2", 17, kInt, 1), M("Res3", 18, kSmall, 1),
    M("Res4", 19, kInt, 1),
    M("Res5", 20, kInt, 1),
};
StructMember kRecVoiceParmMembers[] = {
    M("IgnoreKeys", 1, kInt, 1), M("TerminateKey", 2, kInt, 1), M("TermAndSaveKey", 3, kInt, 1),
    M("ClearTypeAhead", 4, kSmall, 1), M("AllowIntPrompt", 5, kSmall, 1),
    M("RecordPosition", 6, kSmall, 1), M("PlayTone", 7, kSmall, 1), M("PlayWarnTone", 8, kSmall, 1),
    M("WarnToneLength", 9, kInt, 1), M("TermOnSilence", 10, kSmall, 1),
    M("TrmSilenceTime", 11, kInt, 1), M("DscrdShortRec", 12, kSmall, 1),
    M("MinRecLength", 13, kInt, 1), M("IgnoreFErrors", 14, kSmall, 1),
};
StructMember kVRecParmMembers[] = {
    M("NumNoAns", 1, kSmall, 1), M("NumWrongAns", 2, kSmall, 1), M("TimeToWait", 3, kInt, 1),
    M("WrngResetNoAns", 4, kSmall, 1), M("IgnFileNotFnd", 5, kSmall, 1),
    M("DontRptPrompt", 6, kSmall, 1),
};
StructMember kAddrFParmMembers[] = {
    M("AllowLocal", 1, kBool, 1), M("AllowAMIS", 2, kBool, 1), M("AllowEntNtwk", 3, kBool, 1),
    M("AllowDigNtwk", 4, kBool, 1), M("Loopback", 5, kBool, 1), M("AllowPhone", 6, kBool, 1),
    M("AllowLocBroad", 7, kBool, 1), M("AllowCustDist", 8, kBool, 1),
    M("AllowPersDist", 9, kBool, 1), M("AllowSystem", 10, kBool, 1), M("PhoneOnNet", 11, kBool, 1),
    M("AllowNtwkBroad", 12, kBool, 1), M("AllowUnknown", 13, kBool, 1),
    M("NWLocatBroad", 14, kBool, 1), M("LocLocatBroad", 15, kBool, 1),
};
StructMember kAddrParmMembers[] = {
    M("Type", 1, kInt, 1), M("Mailbox", 2, kStr, 257), M("Location", 3, kStr, 513),
    M("FaxStationID", 4, kStr, 41), M("FirstName", 5, kStr, 129), M("LastName", 6, kStr, 129),
    M("Title", 7, kStr, 61), M("UniqueUserID", 8, kStr, 129), M("SNFile", 9, kStr, 121),
    M("SNRecord", 10, kBool, 1), M("LocSNFile", 11, kStr, 121), M("LSNRecorded", 12, kBool, 1),
    M("NumAddresses", 13, kSmall, 1), M("PDL", 14, kSmall, 1), M("Autologon", 15, kBool, 1),
    M("CustID", 16, kInt, 1),
};
StructMember kPlayKParmMembers[] = {
    M("KeyIgnore", 1, kInt, 1), M("KeySkipTop", 2, kInt, 1), M("KeySkipForwL", 3, kInt, 1),
    M("KeySkipBackL", 4, kInt, 1), M("EnableSemiInt", 5, kInt, 1), M("SemiIntTimeout", 6, kInt, 1),
    M("TermPlayback", 7, kInt, 1), M("TermAndSave", 8, kInt, 1), M("ClearTypeAhead", 9, kSmall, 1),
    M("KeySpeedUp", 10, kInt, 1), M("KeySpeedDown", 11, kInt, 1), M("KeyVolumeUp", 12, kInt, 1),
    M("KeyVolumeDown", 13, kInt, 1), M("KeyPause", 14, kInt, 1), M("KeyResume", 15, kInt, 1),
};
StructMember kPlaySParmMembers[] = {
    M("ConfidThresh", 1, kInt, 1), M("MinConf", 2, kInt, 1), M("VocabularyID", 3, kSmall, 1),
    M("SubVocabID", 4, kSmall, 1), M("DiscreteFlg", 5, kSmall, 1), M("CmdToTop", 6, kSmall, 1),
    M("CmdForwardL", 7, kSmall, 1), M("CmdBackwardL", 8, kSmall, 1), M("CmdForwardS", 9, kSmall, 1),
    M("CmdBackwardS", 10, kSmall, 1),
};
StructMember kBodyStructMembers[] = {
    M("BodyIndex", 1, kSmall, 1), M("BodyType", 2, kSmall, 1), M("BodySize", 3, kInt, 1),
    M("Offset", 4, kInt, 1), M("Level", 5, kSmall, 1), M("MediaBytesUsed", 6, kInt, 1),
    M("BodyLanguage", 7, kInt, 1),
};
StructMember kMsgStructMembers[] = {
    M("MsgIndex", 1, kSmall, 1), M("MsgName", 2, kStr, 41), M("FaxID", 3, kSmall, 1),
    M("MsgSubject", 4, kStr, 513), M("Direction", 5, kBool, 1), M("DateCreated", 6, kDateNum, 1),
    M("DateSent", 7, kDateNum, 1), M("DateReceive", 8, kDateNum, 1), M("VoiceSize", 9, kInt, 1),
    M("FaxSize", 10, kInt, 1), M("MsgType", 11, kSmall, 1), M("MsgSubType", 12, kSmall, 1),
    M("VoiceMedia", 13, kBool, 1), M("FaxMedia", 14, kBool, 1), M("ACK", 15, kBool, 1),
    M("Forwarded", 16, kBool, 1), M("Broadcast", 17, kBool, 1), M("Read", 18, kBool, 1),
    M("Sent", 19, kBool, 1), M("Deleted", 20, kBool, 1), M("Private", 21, kBool, 1),
    M("Printing", 22, kBool, 1), M("Printed", 23, kBool, 1), M("NetIncoming", 24, kBool, 1),
    M("DelPriority", 25, kSmall, 1), M("DelTime", 26, kDateNum, 1), M("EnvelopeRead", 27, kBool, 1),
    M("VoiceRead", 28, kBool, 1), M("FaxRead", 29, kBool, 1), M("Reply", 30, kBool, 1),
    M("MsgID", 31, kNum, 1), M("HeaderOnly", 32, kBool, 1), M("PrintedTime", 33, kDateNum, 1),
    M("PrintDN", 34, kStr, 41), M("MediaBytesUsed", 35, kInt, 1), M("TextMedia", 36, kBool, 1),
    M("HasAttachment", 37, kBool, 1), M("TextRead", 38, kBool, 1), M("MsgLanguage", 39, kInt, 1),
    M("AutoDeleted", 40, kBool, 1), M("TextPlayable", 41, kSmall, 1), M("AutoDelTime", 42, kInt, 1),
};
StructMember kMbxStructMembers[] = {
    M("MbxNumber", 1, kStr, 257), M("TotalFiles", 2, kInt, 1), M("TotalDeleted", 3, kInt, 1),
    M("TotalBytes", 4, kInt, 1), M("TotalMsgBytes", 5, kInt, 1), M("NumMsgs", 6, kSmall, 1),
    M("NumUnread", 7, kSmall, 1), M("NumUnsent", 8, kSmall, 1), M("NumUnrUrgent", 9, kSmall, 1),
    M("NumVoiceMsgs", 10, kSmall, 1), M("NumFaxMsgs", 11, kSmall, 1),
    M("NmFxUnrAutPntd", 12, kSmall, 1), M("NumFaxPrinted", 13, kSmall, 1),
    M("NumFaxUnprnted", 14, kSmall, 1), M("NumAutoDeleted", 15, kSmall, 1),
};
StructMember kCallInfoStructMembers[] = {
    M("Z4_CallID", 1, kInt, 1), M("Origin", 2, kInt, 1), M("History", 3, kInt, 1),
    M("CallingDN", 4, kStr, 61), M("CallingNm", 5, kStr, 129), M("CalledDN", 6, kStr, 61),
    M("CalledNm", 7, kStr, 129), M("CallingDNType", 8, kInt, 1), M("CalledDNType", 9, kInt, 1),
};
StructMember kEntryKStructMembers[] = {
    M("IgnoreKeys", 1, kInt, 1), M("AcceptKeys", 2, kInt, 1), M("TermKeys", 3, kInt, 1),
    M("TermAndSave", 4, kInt, 1), M("AbortKeys", 5, kInt, 1), M("DecimalKeys", 6, kInt, 1),
    M("FirstToAbort", 7, kInt, 1), M("ClrTypeAhead", 8, kSmall, 1), M("VerifyOnEach", 9, kSmall, 1),
    M("AssumSilence", 10, kSmall, 1), M("TermAndAppnd", 11, kInt, 1),
};
StructMember kEntrySParmMembers[] = {
    M("ConfidThresh", 1, kInt, 1), M("MinConf", 2, kInt, 1), M("VocabularyID", 3, kSmall, 1),
    M("SubVocabID", 4, kSmall, 1), M("CutThrough", 5, kSmall, 1), M("BeepBefore", 6, kSmall, 1),
};
StructMember kMenuSParmMembers[] = {
    M("ConfidThresh", 1, kInt, 1), M("MinConf", 2, kInt, 1), M("VocabularyID", 3, kSmall, 1),
    M("SubVocabID", 4, kSmall, 1), M("CutThrough", 5, kSmall, 1), M("BeepBefore", 6, kSmall, 1),
    M("Discrete", 7, kSmall, 1),
};
StructMember kDelayStructMembers[] = {
    M("Timeout1", 1, kInt, 1), M("Timeout2", 2, kInt, 1), M("Timeout3", 3, kInt, 1),
    M("Timeout4", 4, kInt, 1), M("Timeout5", 5, kInt, 1), M("Timeout6", 6, kInt, 1),
    M("Prompt1P", 7, kInt, 1), M("Prompt2P", 8, kInt, 1), M("Prompt3P", 9, kInt, 1),
    M("Prompt4P", 10, kInt, 1), M("Prompt5P", 11, kInt, 1), M("Prompt6P", 12, kInt, 1),
    M("Prompt1", 13, kStr, 50), M("Prompt2", 14, kStr, 50), M("Prompt3", 15, kStr, 50),
    M("Prompt4", 16, kStr, 50), M("Prompt5", 17, kStr, 50), M("Prompt6", 18, kStr, 50),
    M("Repeat1", 19, kSmall, 1), M("Repeat2", 20, kSmall, 1), M("Repeat3", 21, kSmall, 1),
    M("Repeat4", 22, kSmall, 1), M("Repeat5", 23, kSmall, 1), M("Repeat6", 24, kSmall, 1),
    M("Flag1", 25, kSmall, 1), M("Flag2", 26, kSmall, 1), M("Flag3", 27, kSmall, 1),
    M("Flag4", 28, kSmall, 1), M("Flag5", 29, kSmall, 1), M("Flag6", 30, kSmall, 1),
    M("FileName1", 31, kStr, 9), M("FileName2", 32, kStr, 9), M("FileName3", 33, kStr, 9),
    M("FileName4", 34, kStr, 9), M("FileName5", 35, kStr, 9), M("FileName6", 36, kStr, 9),
    M("TemplateID1", 37, kInt, 1), M("TemplateID2", 38, kInt, 1), M("TemplateID3", 39, kInt, 1),
    M("TemplateID4", 40, kInt, 1), M("TemplateID5", 41, kInt, 1), M("TemplateID6", 42, kInt, 1),
};
StructMember kErrDelayStructMembers[] = {
    M("Prompt1P", 1, kInt, 1), M("Prompt2P", 2, kInt, 1), M("Prompt3P", 3, kInt, 1),
    M("Prompt4P", 4, kInt, 1), M("Prompt5P", 5, kInt, 1), M("Prompt6P", 6, kInt, 1),
    M("Prompt1", 7, kStr, 50), M("Prompt2", 8, kStr, 50), M("Prompt3", 9, kStr, 50),
    M("Prompt4", 10, kStr, 50), M("Prompt5", 11, kStr, 50), M("Prompt6", 12, kStr, 50),
    M("Repeat1", 13, kSmall, 1), M("Repeat2", 14, kSmall, 1), M("Repeat3", 15, kSmall, 1),
    M("Repeat4", 16, kSmall, 1), M("Repeat5", 17, kSmall, 1), M("Repeat6", 18, kSmall, 1),
    M("Flag1", 19, kSmall, 1), M("Flag2", 20, kSmall, 1), M("Flag3", 21, kSmall, 1),
    M("Flag4", 22, kSmall, 1), M("Flag5", 23, kSmall, 1), M("Flag6", 24, kSmall, 1),
    M("FileName1", 25, kStr, 9), M("FileName2", 26, kStr, 9), M("FileName3", 27, kStr, 9),
    M("FileName4", 28, kStr, 9), M("FileName5", 29, kStr, 9), M("FileName6", 30, kStr, 9),
    M("TemplateID1", 31, kInt, 1), M("TemplateID2", 32, kInt, 1), M("TemplateID3", 33, kInt, 1),
    M("TemplateID4", 34, kInt, 1), M("TemplateID5", 35, kInt, 1), M("TemplateID6", 36, kInt, 1),
};
StructMember kFaxSessInfoParmMembers[] = {
    M("FaxMachineID", 1, kStr, 21), M("Resolution", 2, kInt, 1), M("T1Timeout", 3, kInt, 1),
    M("WhichTone", 4, kInt, 1), M("CEDToneDelay", 5, kInt, 1), M("PgTrXErrHdlg", 6, kInt, 1),
};
StructMember kSRResultParmMembers[] = {
    M("type1", 1, kSmall, 1), M("type2", 2, kSmall, 1), M("type3", 3, kSmall, 1),
    M("wordID1", 4, kInt, 1), M("wordID2", 5, kInt, 1), M("wordID3", 6, kInt, 1),
    M("digits1", 7, kStr, 64), M("digits2", 8, kStr, 64), M("digits3", 9, kStr, 64),
    M("confidScore1", 10, kInt, 1), M("confidScore2", 11, kInt, 1), M("confidScore3", 12, kInt, 1),
    M("confidence1", 13, kSmall, 1), M("confidence2", 14, kSmall, 1),
    M("confidence3", 15, kSmall, 1),
};
StructMember kAlarmStructMembers[] = {
    M("EventNum", 1, kInt, 1), M("Severity", 2, kInt, 1), M("CallingDN", 3, kStr, 61),
    M("CalledDN", 4, kStr, 61), M("Mailbox", 5, kStr, 257), M("TransfdToDN", 6, kStr, 61),
};

}  // namespace

// name, type code, next member number, next structure, first member, member-type masks
StructDef g_predefinedStructs[kPredefinedStructCount] = {
    D("bMail", 8, 12, &g_predefinedStructs[1], kbMailMembers, 0x80068, 0x0),
    D("bMailBoxDef", 0, 49, &g_predefinedStructs[2], kbMailBoxDefMembers, 0x8004C, 0x0),
    D("HeaderStruct", 28, 11, &g_predefinedStructs[3], kHeaderStructMembers, 0x8006C, 0x0),
    D("bDistList", 29, 4, &g_predefinedStructs[4], kbDistListMembers, 0x48, 0x0),
    D("bIDNameBuff", 32, 21, &g_predefinedStructs[5], kbIDNameBuffMembers, 0x40, 0x0),
    D("ProgramRecord", 17, 14, &g_predefinedStructs[6], kProgramRecordMembers, 0x4C, 0x0),
    D("LogFile", 38, 18, &g_predefinedStructs[7], kLogFileMembers, 0x48, 0x0),
    D("PathStruct", 39, 11, &g_predefinedStructs[8], kPathStructMembers, 0x48, 0x0),
    D("ApStats", 18, 9, &g_predefinedStructs[9], kApStatsMembers, 0xC, 0x0),
    D("Mail", 44, 21, &g_predefinedStructs[10], kMailMembers, 0x100048, 0x0),
    D("MailBox", 45, 20, &g_predefinedStructs[11], kMailBoxMembers, 0x100048, 0x0),
    D("FaxRequest", 52, 41, &g_predefinedStructs[12], kFaxRequestMembers, 0x4C, 0x0),
    D("EntryParm", 14, 25, &g_predefinedStructs[13], kEntryParmMembers, 0x4C, 0x0),
    D("FileParm", 36, 9, &g_predefinedStructs[14], kFileParmMembers, 0xC, 0x0),
    D("MailParm", 37, 9, &g_predefinedStructs[15], kMailParmMembers, 0xC, 0x0),
    D("MenuParm", 12, 13, &g_predefinedStructs[16], kMenuParmMembers, 0xC, 0x0),
    D("MsgParm", 13, 6, &g_predefinedStructs[17], kMsgParmMembers, 0xC, 0x0),
    D("MulMailParm", 16, 16, &g_predefinedStructs[18], kMulMailParmMembers, 0xC, 0x0),
    D("PlayParm", 42, 6, &g_predefinedStructs[19], kPlayParmMembers, 0xC, 0x0),
    D("ToneParm", 54, 6, &g_predefinedStructs[20], kToneParmMembers, 0xC, 0x0),
    D("RecEditParm", 47, 48, &g_predefinedStructs[21], kRecEditParmMembers, 0xC, 0x0),
    D("RecordParm", 15, 21, &g_predefinedStructs[22], kRecordParmMembers, 0xC, 0x0),
    D("RecVoiceParm", 50, 15, &g_predefinedStructs[23], kRecVoiceParmMembers, 0xC, 0x0),
    D("VRecParm", 51, 7, &g_predefinedStructs[24], kVRecParmMembers, 0xC, 0x0),
    D("AddrFParm", 56, 16, &g_predefinedStructs[25], kAddrFParmMembers, 0x0, 0x200000),
    D("AddrParm", 55, 17, &g_predefinedStructs[26], kAddrParmMembers, 0x4C, 0x200000),
    D("PlayKParm", 57, 16, &g_predefinedStructs[27], kPlayKParmMembers, 0xC, 0x0),
    D("PlaySParm", 58, 11, &g_predefinedStructs[28], kPlaySParmMembers, 0xC, 0x0),
    D("BodyStruct", 59, 8, &g_predefinedStructs[29], kBodyStructMembers, 0xC, 0x0),
    D("MsgStruct", 60, 43, &g_predefinedStructs[30], kMsgStructMembers, 0x8006C, 0x200000),
    D("MbxStruct", 61, 16, &g_predefinedStructs[31], kMbxStructMembers, 0x4C, 0x0),
    D("CallInfoStruct", 62, 10, &g_predefinedStructs[32], kCallInfoStructMembers, 0x48, 0x0),
    D("EntryKStruct", 9, 12, &g_predefinedStructs[33], kEntryKStructMembers, 0xC, 0x0),
    D("EntrySParm", 10, 7, &g_predefinedStructs[34], kEntrySParmMembers, 0xC, 0x0),
    D("MenuSParm", 24, 8, &g_predefinedStructs[35], kMenuSParmMembers, 0xC, 0x0),
    D("DelayStruct", 48, 43, &g_predefinedStructs[36], kDelayStructMembers, 0x4C, 0x0),
    D("ErrDelayStruct", 49, 37, &g_predefinedStructs[37], kErrDelayStructMembers, 0x4C, 0x0),
    D("FaxSessInfoParm", 26, 7, &g_predefinedStructs[38], kFaxSessInfoParmMembers, 0x48, 0x0),
    D("SRResultParm", 27, 16, &g_predefinedStructs[39], kSRResultParmMembers, 0x4C, 0x0),
    D("AlarmStruct", 63, 7, nullptr, kAlarmStructMembers, 0x48, 0x0),
};

int PredefinedMemberCount(int i) {
  static const int kCounts[kPredefinedStructCount] = {
      11, 48, 10, 3, 20, 13, 17, 10, 8, 19, 19, 40, 24, 8, 8, 11, 5, 15, 5, 5, 47, 20, 14, 6, 15,
      16, 15, 10, 7, 42, 15, 9, 11, 6, 7, 42, 36, 6, 15, 6,
  };
  return (i >= 0 && i < kPredefinedStructCount) ? kCounts[i] : 0;
}

}  // namespace zeph
