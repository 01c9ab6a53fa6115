// Mail, mailbox, PIN and distribution list types: palette groups bM, bMMB, bMPIN, bMDL.
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

// Reading a mail record: found, not found, locked.
#define MAIL_READ "vMail Record:T8|eOwner ID:str,len=16|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_NOTFOUND|gLocked:code=D_RECLOCKED,?"
#define MAIL_READ_TIME "vMail Record:T8|eOwner ID:str,len=16|eTime:dnum|" \
  "gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND|gLocked:code=D_RECLOCKED,?"
#define MAILBOX_RANGE "vMailbox Record:T0|eMin State:int,?|eMin Category 1:int,?|" \
  "eMin Category 2:int,?|eMin Category 3:int,?|eMin Category 4:int,?|" \
  "eMin Owner ID:str,len=16,?|eMax State:int,?|eMax Category 1:int,?|eMax Category 2:int,?|" \
  "eMax Category 3:int,?|eMax Category 4:int,?|eMax Owner ID:str,len=16,?|" \
  "gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND"
#define MAILBOX_STEP "vMailbox Record:T0|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND"
#define MAILBOX_BY_NAME "eName Key:str,len=16|vMailbox Record:T0|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_NOTFOUND"
#define MAILBOX_BY_TIME "eTime:dnum|vMailbox Record:T0|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_NOTFOUND"
#define MAILBOX_ASSIGN "eOwner ID:str,len=16|ePassword:str,len=8,?|eExtension:str,len=16,?|" \
  "eFull Name:str,len=32,?|eName Key:str,len=16,?|eState:int,='0|vMailbox Record:T0"
#define DIST_LIST_READ "eOwner ID:str,len=16|vDist List Record:T29|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_NOTFOUND"
#define DIST_MEMBER_READ "eOwner ID:str,len=16|eList Number:int,[0..2147483647]|" \
  "vMember ID:str|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND"
#define DIST_WITH_READ "eMember ID:str,len=16|vDist List Record:T29|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_NOTFOUND"
#define DIST_ASSIGN "eOwner ID:str,len=16|eList Number:int,[0..2147483647]|" \
  "eMember ID:str,len=16|vDist List Record:T29"
#define OPEN_DB(what) "e" what ":str,len=48,special=11|gOpened:code=D_COMPLETED|" \
  "gFailed:code=D_FAILED"

constexpr CatalogueRow kRows[] = {
    {10, "bMMBGetNxtName", "MB Next Name", "bMMB", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr,
     nullptr, MAILBOX_STEP, nullptr},
    {34, "bMMailCount", "Mail Count", "bM", Standard, 0, 1, "DIALOG_2_1", nullptr, nullptr,
     nullptr, "eOwner ID:str,len=16|vCount:int|gGoto:next", nullptr},
    {35, "bMMailCountOwnr", "Mail Count Owner", "bM", Standard, 0, 1, "DIALOG_3_1", nullptr,
     nullptr, nullptr, "eOwner ID:str,len=16|eQueue:int,?|vCount:int|gGoto:next", nullptr},
    {36, "bMMailGetFirst", "Mail Get First", "bM", Standard, 0, 1, "DIALOG_2_3", nullptr, nullptr,
     nullptr, MAIL_READ, nullptr},
    {37, "bMMailGetLast", "Mail Get Last", "bM", Standard, 0, 1, "DIALOG_2_3", nullptr, nullptr,
     nullptr, MAIL_READ, nullptr},
    {38, "bMMailGetNext", "Mail Get Next", "bM", Standard, 0, 1, "DIALOG_2_3", nullptr, nullptr,
     nullptr, MAIL_READ, nullptr},
    {39, "bMMailGetPrev", "Mail Get Previous", "bM", Standard, 0, 1, "DIALOG_2_3", nullptr,
     nullptr, nullptr, MAIL_READ, nullptr},
    {40, "bMMailGetRandom", "Mail Get Random", "bM", Standard, 0, 1, "DIALOG_2_3", nullptr,
     nullptr, nullptr, MAIL_READ, nullptr},
    {41, "bMMailGetFstAftr", "Mail First After", "bM", Standard, 0, 1, "DIALOG_3_3", nullptr,
     nullptr, nullptr, MAIL_READ_TIME, nullptr},
    {42, "bMMailGetNxtAftr", "Mail Next After", "bM", Standard, 0, 1, "DIALOG_3_3", nullptr,
     nullptr, nullptr, MAIL_READ_TIME, nullptr},
    {43, "bMMailDelete", "Mail Delete", "bM", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr,
     nullptr, "vMail Record:T8|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {44, "bMMailCopy", "Mail Copy", "bM", Standard, 0, 1, "DIALOG_3_2", nullptr, nullptr, nullptr,
     "vMail Record:T8|eNew Owner ID:str,len=16|vNew Mail Record:T8,?|gCopied:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {45, "bMMailForward", "Mail Forward", "bM", Standard, 0, 1, "DIALOG_6_2", nullptr, nullptr,
     nullptr,
     "vMail Record:T8|eForward To Owner:str,len=16|eCreator ID:str,len=16,?|"
     "eMail File:str,len=48,?|ePriority:int,='0,?|vForwarded Mail:T8,?|"
     "gForwarded:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-271,0,1,2,3,4>>-279,5"},
    {46, "bMMailAdd", "Mail Add", "bM", Standard, 0, 1, "DIALOG_6_2_C1", nullptr, nullptr, nullptr,
     "eOwner ID:str,len=16|eCreator ID:str,len=16,?|eMail File:str,len=48|"
     "eMail Attribute:int,='0,?|eQueue:int,='0,?|vMail Record:T8,?|gAdded:code=D_COMPLETED|"
     "gFailed:code=D_FAILED|xPrivate",
     "-271,0,1,2,3,4,-270:8>>-279,5"},
    {48, "bMMailUpdate", "Mail Update", "bM", Standard, 0, 1, "DIALOG_6_2_C1", nullptr, nullptr,
     nullptr,
     "eOwner ID:str,len=16|eCreator ID:str,len=16,?|eMail File:str,len=48|"
     "eMail Attribute:int,?|eQueue:int,?|vMail Record:T8|gUpdated:code=D_COMPLETED|"
     "gRecord Changed:code=D_RECCHANGED|xPrivate",
     "-271,0,1,2,3,4,-270:8>>-279,5"},
    {49, "bMMBGetFstRnge", "MB First in Range", "bMMB", Standard, 0, 1, "DIALOG_13_2", nullptr,
     nullptr, nullptr, MAILBOX_RANGE, "0,-280,-281"},
    {50, "bMMBGetLstRnge", "MB Last in Range", "bMMB", Standard, 0, 1, "DIALOG_13_2", nullptr,
     nullptr, nullptr, MAILBOX_RANGE, "0,-280,-281"},
    {51, "bMMBGetRndRnge", "MB Random in Range", "bMMB", Standard, 0, 1, "DIALOG_13_2", nullptr,
     nullptr, nullptr, MAILBOX_RANGE, "0,-280,-281"},
    {52, "bMMBGetNxtRnge", "MB Next in Range", "bMMB", Standard, 0, 1, "DIALOG_1_2", nullptr,
     nullptr, nullptr, MAILBOX_STEP, nullptr},
    {53, "bMMBGetPrvRnge", "MB Previous in Range", "bMMB", Standard, 0, 1, "DIALOG_1_2", nullptr,
     nullptr, nullptr, MAILBOX_STEP, nullptr},
    {54, "bMMBGetID", "MB Get by ID", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr, nullptr,
     nullptr,
     "eOwner ID:str,len=16|vMailbox Record:T0|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {55, "bMMBGetXten", "MB Get by Extension", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr,
     "eExtension:str,len=16|vMailbox Record:T0|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {56, "bMMBGetFstName", "MB First by Name", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr, MAILBOX_BY_NAME, nullptr},
    {57, "bMMBGetAfter", "MB Name After", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr, nullptr,
     nullptr, MAILBOX_BY_NAME, nullptr},
    {58, "bMMBGetBefore", "MB Name Before", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr, MAILBOX_BY_NAME, nullptr},
    {59, "bMMBGetPrevTime", "MB Previous by Time", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr, MAILBOX_BY_TIME, nullptr},
    {60, "bMMBGetNextTime", "MB Next by Time", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr, MAILBOX_BY_TIME, nullptr},
    {61, "bMMBGetFstNames", "MB First Names", "bMMB", Standard, 0, 1, "DIALOG_3_2", nullptr,
     nullptr, nullptr,
     "eName Key:str,len=16|vName Buffer:T32|vCount:int,?|gFound:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
    {62, "bMMBGetNxtNames", "MB Next Names", "bMMB", Standard, 0, 1, "DIALOG_2_2", nullptr,
     nullptr, nullptr,
     "vName Buffer:T32|vCount:int,?|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {63, "bMPINGet", "Get PIN", "bMPIN", Standard, 0, 1, "DIALOG_2_2", nullptr, nullptr, nullptr,
     "vPIN:str|ePIN Length:small,='6,[4..16]|gGot PIN:code=D_COMPLETED|gNone Free:code=D_NOTFOUND",
     nullptr},
    {64, "bMPINFree", "Free PIN", "bMPIN", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr, nullptr,
     "ePIN:str,len=16|gFreed:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {65, "bMMBAdd", "MB Add", "bMMB", Standard, 0, 1, "DIALOG_7_2", nullptr, nullptr, nullptr,
     MAILBOX_ASSIGN "|gAdded:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS",
     "-271,0,1,2,3,4,5>>-279,6"},
    {66, "bMMBUpdate", "MB Update", "bMMB", Standard, 0, 1, "DIALOG_7_2", nullptr, nullptr,
     nullptr, MAILBOX_ASSIGN "|gUpdated:code=D_COMPLETED|gRecord Changed:code=D_RECCHANGED",
     "-271,0,1,2,3,4,5>>-279,6"},
    {67, "bMMBDelete", "MB Delete", "bMMB", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr,
     nullptr, "vMailbox Record:T0|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {68, "bMDLGetFst", "DL Get First", "bMDL", Standard, 0, 1, "DIALOG_2_2", "DLFIRST", nullptr,
     nullptr, DIST_LIST_READ, nullptr},
    {69, "bMDLGetNxt", "DL Get Next", "bMDL", Standard, 0, 1, "DIALOG_2_2", "DLNEXT", nullptr,
     nullptr, DIST_LIST_READ, nullptr},
    {70, "bMDLGetFstMember", "DL First Member", "bMDL", Standard, 0, 1, "DIALOG_3_2",
     "DLFIRSTMEMBER", nullptr, nullptr, DIST_MEMBER_READ, nullptr},
    {71, "bMDLGetNxtMember", "DL Next Member", "bMDL", Standard, 0, 1, "DIALOG_3_2",
     "DLNEXTMEMBER", nullptr, nullptr, DIST_MEMBER_READ, nullptr},
    {72, "bMDLGetFstWith", "DL First With", "bMDL", Standard, 0, 1, "DIALOG_2_2", "DLFIRSTWITH",
     nullptr, nullptr, DIST_WITH_READ, nullptr},
    {73, "bMDLGetNextWith", "DL Next With", "bMDL", Standard, 0, 1, "DIALOG_2_2", "DLNEXTWITH",
     nullptr, nullptr, DIST_WITH_READ, nullptr},
    {74, "bMDLUpdate", "DL Update", "bMDL", Standard, 0, 1, "DIALOG_4_2", "DLUPDATE", nullptr,
     nullptr, DIST_ASSIGN "|gUpdated:code=D_COMPLETED|gRecord Changed:code=D_RECCHANGED",
     "-271,0,1,2>>-279,3"},
    {75, "bMDLAdd", "DL Add", "bMDL", Standard, 0, 1, "DIALOG_4_2", "DLADD", nullptr, nullptr,
     DIST_ASSIGN "|gAdded:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS",
     "-271,0,1,2>>-279,3"},
    {76, "bMDLDelete", "DL Delete", "bMDL", Standard, 0, 1, "DIALOG_1_2", "DLDELETE", nullptr,
     nullptr, "vDist List Record:T29|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {95, "bMMailGetLstBef", "Mail Last Before", "bM", Standard, 0, 1, "DIALOG_3_3", nullptr,
     nullptr, nullptr, MAIL_READ_TIME, nullptr},
    {96, "bMMailGetPrevBef", "Mail Previous Before", "bM", Standard, 0, 1, "DIALOG_3_3", nullptr,
     nullptr, nullptr, MAIL_READ_TIME, nullptr},
    {97, "bMMailOpen", "Mail Open", "bM", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr, nullptr,
     OPEN_DB("Mail Database"), nullptr},
    {98, "bMDLOpen", "DL Open", "bMDL", Standard, 0, 1, "DIALOG_1_2", "DLOPEN", nullptr, nullptr,
     OPEN_DB("Dist List Database"), nullptr},
    {99, "bMMBOpen", "MB Open", "bMMB", Standard, 0, 1, "DIALOG_1_2", nullptr, nullptr, nullptr,
     OPEN_DB("Mailbox Database"), nullptr},
    {193, "MMMailBoxGet", "Get Mailbox", "bMMB", Extended, 5062, 4, "DIALOG_MMMAILBOXGET",
     "MMBOXGET", nullptr, nullptr,
     "eMailbox Number:str,len=257|vMailbox Info:T61|gFound:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND|gIn Use:code=D_MBX_INUSE",
     nullptr},
    {196, "MMDLGet", "Get List", "bMDL", Extended, 5065, 4, "DIALOG_MMDLGET", "MMDLGET", nullptr,
     nullptr,
     "eList Name:str,len=64|vMember Count:int,?|vMembers:T32,?|gFound:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
    {197, "MMDLAdd", "Add to List", "bMDL", Extended, 5066, 4, "DIALOG_MMDLADD", "MMDLADD",
     nullptr, nullptr,
     "eList Name:str,len=64|eMember Address:str,len=257|gAdded:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {304, "KvGAM_ADDBDY", "Add Body", "bM", Extended, 5166, 4, "VQ_ADDBDY", "UITEST", nullptr,
     nullptr,
     "eFile Name:str,len=121|eBody Type:small,='1,[0..20]|eLanguage:int,='0,?|"
     "gAdded:code=D_COMPLETED|gFull:code=D_FULL|gFailed:code=D_FAILED",
     "-306,-307,*"},
    {305, "KvGAM_CLOSE", "Close Mailbox", "bMMB", Extended, 5167, 4, "VQ_CLOSE", "UITEST",
     nullptr, nullptr, "gClosed:code=D_COMPLETED|gFailed:code=D_FAILED", "-305"},
    {306, "KvGAM_CREATE", "Create Mailbox", "bMMB", Extended, 5168, 4, "VQ_CREATE", "UITEST",
     nullptr, nullptr,
     "eMailbox Number:str,len=257|ePassword:str,len=16,?|eClass of Service:int,='0,[0..9999]|"
     "gCreated:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS|gFailed:code=D_FAILED",
     "-305,*"},
    {307, "KvGAM_OPEN", "Open Mailbox", "bMMB", Extended, 5169, 4, "VQ_OPEN", "UITEST", nullptr,
     nullptr,
     "eMailbox Number:str,len=257|vMailbox Info:T61,?|gOpened:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND|gIn Use:code=D_MBX_INUSE|gFailed:code=D_FAILED|xRead Only",
     "-305,*"},
    {308, "KvGAM_SUBMIT", "Submit Message", "bMMB", Extended, 5170, 4, "VQ_SUBMIT", "UITEST",
     nullptr, nullptr,
     "gSubmitted:code=D_COMPLETED|gNo Recipients:code=D_ADDRESSNOTFOUND|gFailed:code=D_FAILED|"
     "xUrgent|xPrivate|xAcknowledge",
     "-306,-305,*"},
    {309, "KvGAM_OPR_GETPRO", "Get Profile", "bMMB", Extended, 5171, 4, "VQ_OPR_GETPRO",
     "UITEST", nullptr, nullptr,
     "eProfile Item:str,len=32|vValue:str/int|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     "-305,*"},
    {310, "KvGAM_ADRCPYL", "Copy Address List", "bMDL", Extended, 5172, 4, "VQ_ADRCPYL", "UITEST",
     nullptr, nullptr,
     "gCopied:code=D_COMPLETED|gEmpty List:code=D_NOTFOUND|cList:list=8,=To List",
     "-306,-304,-293:2"},
    {311, "KvGAM_ADRDEL", "Delete Address", "bMDL", Extended, 5173, 4, "VQ_ADRDEL", "UITEST",
     nullptr, nullptr, "gDeleted:code=D_COMPLETED|gNot Found:code=D_ADDRESSNOTFOUND",
     "-306,-304"},
    {315, "KvGAM_BDL_CPYBDY", "Copy Body", "bM", Extended, 5177, 4, "VQ_BDL_CPYBDY", "UITEST",
     nullptr, nullptr,
     "eDestination File:str,len=121|gCopied:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-307,*"},
    {316, "KvGAM_OPR_UPDPRO", "Update Profile", "bMMB", Extended, 5178, 4, "VQ_OPR_UPDPRO",
     "UITEST", nullptr, nullptr,
     "eProfile Item:str,len=32|eValue:str|gUpdated:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-305,*"},
    {317, "KvGAM_ADL_MAKPDL", "Make Personal List", "bMDL", Extended, 5179, 4, "VQ_ADL_MAKPDL",
     "UITEST", nullptr, nullptr,
     "eList Name:str,len=64|gCreated:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS|"
     "gFailed:code=D_FAILED",
     "-305,*"},
    {318, "KvGAM_MSG_DELETE", "Delete Message", "bM", Extended, 5180, 4, "VQ_MSG_DELETE", "UITEST",
     nullptr, nullptr, "gDeleted:code=D_COMPLETED|gFailed:code=D_FAILED|xDelete Permanently",
     "-306,*"},
    {319, "KvGAM_MSG_ANNNEW", "Announce New", "bM", Extended, 5181, 4, "VQ_MSG_ANNNEW", "UITEST",
     nullptr, nullptr,
     "sAnnouncement:?|vNew Messages:int|vUrgent Messages:int,?|gGoto:next",
     "-305,*"},
    {320, "KvGAM_MSG_BKMARK", "Bookmark Message", "bM", Extended, 5182, 4, "VQ_MSG_BKMARK",
     "UITEST", nullptr, nullptr,
     "eBookmark (mSec):int,='0,[0..2147483647]|gMarked:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-306,*"},
    {321, "KvGAM_ADL_DELPDL", "Delete Personal List", "bMDL", Extended, 5183, 4, "VQ_ADL_DELPDL",
     "UITEST", nullptr, nullptr,
     "eList Name:str,len=64|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", "-305,*"},
    {322, "KvGAM_MSG_UNDEL", "Undelete Message", "bM", Extended, 5184, 4, "VQ_MSG_UNDEL",
     "UITEST", nullptr, nullptr, "gRestored:code=D_COMPLETED|gNot Deleted:code=D_NOTFOUND",
     "-306"},
    {323, "KvGAM_BDL_SELBDY", "Select Body", "bM", Extended, 5185, 4, "VQ_BDL_SELBDY", "UITEST",
     nullptr, nullptr,
     "eBody Index:small,='1,[1..32767]|vBody Info:T59,?|gSelected:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND|cBody Type:list=14,=Any",
     "-306,-307,0,1,-293:4"},
    {324, "KvGAM_MSG_SELMSG", "Select Messages", "bM", Extended, 5186, 4, "VQ_MSG_SELMSG",
     "UITEST", nullptr, nullptr,
     "vMessage Count:int,?|gSelected:code=D_COMPLETED|gNone Selected:code=D_NOTFOUND|"
     "cSelection:list=7,=cSCSM_All",
     "-306,-305,-293:3,0"},
    {325, "KvGAM_MSG_UPDENV", "Update Envelope", "bM", Extended, 5187, 4, "VQ_MSG_UPDENV",
     "UITEST", nullptr, nullptr,
     "gUpdated:code=D_COMPLETED|gFailed:code=D_FAILED|xMark Read|xMark Urgent|xMark Private",
     "-306,*"},
    {326, "KvGAM_ADL_SELPDL", "Select Personal List", "bMDL", Extended, 5188, 4, "VQ_ADL_SELPDL",
     "UITEST", nullptr, nullptr,
     "eList Name:str,len=64|vList Number:small,?|gSelected:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     "-305,-304,*"},
    {327, "KvGAM_UTL_CHKPWD", "Check Password", "bMMB", Extended, 5189, 4, "VQ_UTL_CHKPWD",
     "UITEST", nullptr, nullptr,
     "ePassword:str,len=16|vAttempts:small,?|gValid:code=D_VALIDKEY|gInvalid:code=D_INVALID|"
     "gMax Attempts:code=D_MAXWRONG",
     "-305,-315:0,1"},
    {328, "KvGAM_UTL_ENCPWD", "Encrypt Password", "bMMB", Extended, 5190, 4, "VQ_UTL_ENCPWD",
     "UITEST", nullptr, nullptr, "ePassword:str,len=16|vEncrypted Password:num|gGoto:next",
     "-315:0,1"},
    {341, "KvGAM_ADL_MAKENUMBER", "Make Number", "bMDL", Extended, 5203, 4, "VQ_ADL_MAKENUMBER",
     "UITEST", nullptr, nullptr, "eDigits:str,len=61|vAddress Number:str|gGoto:next", nullptr},
    {342, "KvGAM_ADL_MAKEDIALDN", "Make Dial String", "bMDL", Extended, 5204, 4,
     "VQ_ADL_MAKEDIALDN", "UITEST", nullptr, nullptr,
     "eDN:str,len=61|vDial String:str|eLocation:str,len=513,?|gMade:code=D_COMPLETED|"
     "gRestricted:code=D_RESTRICTED|gNo Location:code=D_NOLOCATION",
     "-304,*"},
    {343, "KvGAM_ADL_RESTOREPDL", "Restore Personal List", "bMDL", Extended, 5205, 4,
     "VQ_ADL_RESTOREPDL", "UITEST", nullptr, nullptr,
     "eList Name:str,len=64|gRestored:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", "-305,*"},
    {344, "KvGAM_ADL_SETLOCATION", "Set Location", "bMDL", Extended, 5206, 4,
     "VQ_ADL_SETLOCATION", "UITEST", nullptr, nullptr, "eLocation:str,len=513|gGoto:next",
     "-304,*"},
    {345, "KvGAM_ADL_UPDADRLST", "Update Address List", "bMDL", Extended, 5207, 4,
     "VQ_ADL_UPDADRLST", "UITEST", nullptr, nullptr,
     "gUpdated:code=D_COMPLETED|gFailed:code=D_FAILED|xRemove Address|cList:list=8,=To List",
     "-306,-304,-270:2,-293:3"},
    {346, "KvGAM_ADL_VALIDATEDN", "Validate DN", "bMDL", Extended, 5208, 4, "VQ_ADL_VALIDATEDN",
     "UITEST", nullptr, nullptr,
     "eDN:str,len=61|gValid:code=D_COMPLETED|gInvalid:code=D_INVALID|"
     "gRestricted:code=D_RESTRICTED",
     "-304,*"},
    {347, "KvGAM_ADL_GETPDL", "Get Personal List", "bMDL", Extended, 5209, 4, "VQ_ADL_GETPDL",
     "UITEST", nullptr, nullptr,
     "eList Number:small,[1..32767]|vList Name:str|gFound:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     "-305,*"},
    {358, "KvGAM_ADL_LOCTOLEG", "Location to Legacy", "bMDL", Extended, 5220, 4,
     "VQ_ADL_LOCTOLEG", "UITEST", nullptr, nullptr,
     "eLocation:str,len=513|vLegacy Location:str|gConverted:code=D_COMPLETED|"
     "gNot Found:code=D_NOLOCATION",
     nullptr},
    {359, "KvGAM_ADL_LEGTOLOC", "Legacy to Location", "bMDL", Extended, 5221, 4,
     "VQ_ADL_LEGTOLOC", "UITEST", nullptr, nullptr,
     "eLegacy Location:str,len=64|vLocation:str|gConverted:code=D_COMPLETED|"
     "gNot Found:code=D_NOLOCATION",
     nullptr},
    {369, "KvGAM_COMMIT", "Commit Mailbox", "bMMB", Extended, 5231, 4, "VQ_COMMIT", "UITEST",
     nullptr, nullptr, "gCommitted:code=D_COMPLETED|gFailed:code=D_FAILED", "-305"},
    {373, "KvGAM_BDL_DELBDY", "Delete Body", "bM", Extended, 5235, 4, "VQ_BDL_DELBDY", "UITEST",
     nullptr, nullptr, "gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", "-306,-307"},
    {382, "KvGAM_MSG_UPDHDRBDY", "Update Header and Body", "bM", Extended, 5244, 4,
     "VQ_MSG_UPDHDRBDY", "UITEST", nullptr, nullptr,
     "vHeader:T28|vBody:T59,?|gUpdated:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-306,-307,0,1"},
    {384, "KvGAM_ADL_MATCHCLID", "Match Caller ID", "bMDL", Extended, 5246, 4, "VQ_ADL_MATCHCLID",
     "UITEST", nullptr, nullptr,
     "eCaller ID:str,len=61|vMailbox Number:str,?|gSingle Match:code=D_SINGLEMATCHFOUND|"
     "gMultiple Matches:code=D_MULTIMATCHFOUND|gNo Match:code=D_NOMATCHFOUND",
     "-304,*"},
};

#undef MAIL_READ
#undef MAIL_READ_TIME
#undef MAILBOX_RANGE
#undef MAILBOX_STEP
#undef MAILBOX_BY_NAME
#undef MAILBOX_BY_TIME
#undef MAILBOX_ASSIGN
#undef DIST_LIST_READ
#undef DIST_MEMBER_READ
#undef DIST_WITH_READ
#undef DIST_ASSIGN
#undef OPEN_DB

}  // namespace

std::span<const CatalogueRow> MailRows() { return kRows; }

}  // namespace scribe
