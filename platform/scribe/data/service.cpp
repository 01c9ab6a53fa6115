// The service blocks (slots 393-415) and the older field tables that are served by number
// only: the definitions of the service blocks for servers before 6.07 and the menu of old
// application files.
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define MENU_KEYS "g1:code=D_MENUCHOICE1,?|g2:code=D_MENUCHOICE2,?|g3:code=D_MENUCHOICE3,?|" \
  "g4:code=D_MENUCHOICE4,?|g5:code=D_MENUCHOICE5,?|g6:code=D_MENUCHOICE6,?|" \
  "g7:code=D_MENUCHOICE7,?|g8:code=D_MENUCHOICE8,?|g9:code=D_MENUCHOICE9,?|"
#define MENU_FILES "eMenu choices:vs,len=64|eNo response:vs,len=64,?|" \
  "eInvalid choice:vs,len=64,?|eMax Number of No Responses:small,='3,[1..9]|" \
  "eMax Number of Invalid Entries:small,='3,[1..9]|gAttendant (0):code=D_MENUCHOICE0,?|" \
  "gHelp (*):code=D_MENUSTAR,?|gCancel (#):code=D_MENUNUMBER,?|" \
  "gMax No Responses:code=D_MENUTIMEOUT|gMax Invalid Selections:code=D_MENUINVALID"
#define MENU_EXITS "D_MENUCHOICE1:0,D_MENUCHOICE2:1,D_MENUCHOICE3:2,D_MENUCHOICE4:3," \
  "D_MENUCHOICE5:4,D_MENUCHOICE6:5,D_MENUCHOICE7:6,D_MENUCHOICE8:7,D_MENUCHOICE9:8," \
  "D_MENUCHOICE0:14,D_MENUSTAR:15,D_MENUNUMBER:16,D_MENUTIMEOUT:17,D_MENUINVALID:18"
#define PASSWORDS "ePassword Voice Item:vs,len=64,?|ePassword Entry 1:str,len=16|" \
  "ePassword Entry 2:str,len=16,?|ePassword Entry 3:str,len=16,?|ePassword Entry 4:str,len=16,?|" \
  "ePassword Entry 5:str,len=16,?|eMax Attempts:small,='3,[1..9]|" \
  "gPassword 1 Entered:label=Password 1,code=D_PWD_PASSWORD1|" \
  "gPassword 2 Entered:label=Password 2,code=D_PWD_PASSWORD2,?|" \
  "gPassword 3 Entered:label=Password 3,code=D_PWD_PASSWORD3,?|" \
  "gPassword 4 Entered:label=Password 4,code=D_PWD_PASSWORD4,?|" \
  "gPassword 5 Entered:label=Password 5,code=D_PWD_PASSWORD5,?|" \
  "gMax Invalid:code=D_PWD_MAXINVALID|gMax Session Invalid:code=D_PWD_MAXSESINVALID|" \
  "gCancel:code=D_PWD_CANCEL,?"
#define PASSWORD_ARGS "0,-315:1,-315:2,-315:3,-315:4,-315:5,6"
#define THRU_DIAL_EXITS "D_TDL_SUCCESS:3,D_TDL_ATTENDANT:4,D_TDL_CANCEL:5"
#define GREETINGS "Play system default greeting/Play custom voice file/No greeting"
#define DIALING "Allow dial by number/Allow dial by name/Allow dial by number or name"
#define MAILBOX_OPTION "rMailbox Option:base=1,radio=Caller enters the mailbox/Use this mailbox,=1"
// Periods 2 to 5 of the time and date controls, which the designer's records edit.
#define PERIOD(from, to, form, n) "e" from " " #n " (" form "):str,len=6,?|e" to " " #n " (" form "):str,len=6,?"
#define PERIODS(from, to, form) PERIOD(from, to, form, 2) "|" PERIOD(from, to, form, 3) "|" \
  PERIOD(from, to, form, 4) "|" PERIOD(from, to, form, 5)

constexpr CatalogueRow kRows[] = {
    {393, "ULVO_vB_ANNOUNCE", "Announcement", "vB", Extended, 10271, 4, "DIALOG_VB_ANNOUNCE", "ULVO_ANNOUNCEMENT",
     nullptr, nullptr,
     "eCustom voice file:vs,len=64,?|eNumber of Repetitions:small,='1,[1..10]|"
     "gDone Playing:code=D_ANN_DONE|gMenu Key (1-9):code=D_ANN_MENUKEY,icon=7,?|"
     "gAttendant (0):code=D_ANN_ATTENDANT,icon=7,?|gHelp (*):code=D_ANN_HELP,icon=7,?|"
     "gCancel (#):code=D_ANN_CANCEL,icon=7,?|xAccept Menu Keys (1-9):rules=EnableGoto3|"
     "xAccept Attendant Key (0):rules=EnableGoto4|xAccept Help Key (*):rules=EnableGoto5|"
     "xAccept Cancel Key (#):rules=EnableGoto6|xStore Key in Buffer|xPause Before Exiting|"
     "cSystem prompt:list=17,=Welcome|"
     "rPrompt Type Selected:base=1,radio=Play custom voice file/Play system prompt,=1,"
     "rules=AnnounceSource",
     "0,1,-270:7,-270:8,-270:9,-270:10,-293:13,-284:14 > D_ANN_DONE:2,D_ANN_MENUKEY:3,"
     "D_ANN_ATTENDANT:4,D_ANN_HELP:5,D_ANN_CANCEL:6,D_ANN_END:2,-278"},
    {394, "ULVO_vB_CALLEXT", "Call Transfer", "vB", Extended, 10272, 4, "DIALOG_VB_CALLEXT", "ULVO_CALLTRANSFER",
     nullptr, nullptr,
     "eExtension:str,len=61|ePrompt to play before transfer:vs,len=64,?|"
     "eRings Before No Answer:small,='4,[1..30]|gSuccess:code=D_XFR_SUCCESS|"
     "gFailed:code=D_XFR_FAILED|gBusy:code=D_XFR_BUSY,?|xSupervised Transfer:=1|"
     "xAnnounce Caller",
     "0,1,2,-270:6,-270:7 > D_XFR_SUCCESS:3,D_XFR_FAILED:4,D_XFR_BUSY:5,D_XFR_END:3,-278"},
    {395, "ULVO_vB_DAYSWITCH", "Day Control", "vB", Extended, 10273, 4, "DIALOG_VB_DAYSWITCH", "ULVO_DAYCONTROL",
     nullptr, nullptr,
     "eHoliday Table:str,len=32,?|gMonday:code=D_DYC_MONDAY|gTuesday:code=D_DYC_TUESDAY|"
     "gWednesday:code=D_DYC_WEDNESDAY|gThursday:code=D_DYC_THURSDAY|gFriday:code=D_DYC_FRIDAY|"
     "gSaturday:code=D_DYC_SATURDAY|gSunday:code=D_DYC_SUNDAY|gHoliday:code=D_DYC_HOLIDAY,?|"
     "xUse Holidays",
     "0,-270:9 > D_DYC_MONDAY:1,D_DYC_TUESDAY:2,D_DYC_WEDNESDAY:3,D_DYC_THURSDAY:4,"
     "D_DYC_FRIDAY:5,D_DYC_SATURDAY:6,D_DYC_SUNDAY:7,D_DYC_HOLIDAY:8,D_DYC_END:1,-278"},
    {396, "ULVO_vB_ENDSESSION", "End", "Sys", Extended, 10274, 4, "DIALOG_VB_ENDSESSION", "ULVO_END", nullptr,
     nullptr, "xHang Up:=1|xLog Session", nullptr},
    {397, "ULVO_vS_EXPRSMSG", "Express Messaging", "vS", Extended, 10275, 4, "DIALOG_VS_EXPRSMSG",
     "ULVO_EXPRESSMESSAGING", nullptr, nullptr,
     "eMailbox Number:str,len=257,?|eGreeting File:str,len=64,?|gDone:code=D_EXP_DONE|"
     "xAllow Review:=1|" MAILBOX_OPTION,
     "0,1,-270:3 > D_EXP_DONE:2,D_EXP_END:2,-278"},
    {398, "ULVO_vB_FAX", "Fax Send", "vB", Extended, 10276, 4, "DIALOG_VB_FAX", "ULVO_FAXSEND", nullptr,
     nullptr,
     "eFax Item Number:str,len=64|gSent:code=D_FSN_SENT|"
     "gAnother Selection:code=D_FSN_NONESELECTED,?|gAttendant Requested:code=D_FSL_ATTENDANT,?|"
     "xCheck",
     "0,-270:4 > D_FSN_SENT:1,D_FSN_NONESELECTED:2,D_FSL_ATTENDANT:3,D_FSN_END:1,-278"},
    {399, "ULVO_vS_FIM", "Fax Item Maintenance", "vS", Extended, 10277, 4, "DIALOG_VS_FIM",
     "ULVO_FAXITEMMAINT", nullptr, nullptr,
     "eAdministrator Mailbox:str,len=257,?|gDone:code=D_FIM_DONE",
     "0 > D_FIM_DONE:1,D_FIM_END:1,-278"},
    {400, "ULVO_vS_RA", "Remote Activation", "bvS", Extended, 10278, 4, "DIALOG_VS_RA",
     "ULVO_REMOTEACTIVATION", nullptr, nullptr,
     "eActivation Code:str,len=16|gDone:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {401, "ULVO_vB_RETURN", "Continue", "Sys", Extended, 10279, 4, "DIALOG_VB_RETURN", "ULVO_CONTINUE", nullptr,
     nullptr, "", nullptr},
    {402, "ULVO_vB_MENU", "Menu", "vB", Extended, 10280, 4, "DIALOG_VB_MENU", "ULVO_MENU", nullptr, nullptr,
     MENU_KEYS MENU_FILES "|xRetry after no response:=1|xRetry after invalid choice:=1|"
     "xReplay after no response|xReplay after invalid choice",
     "9,10,11,12,13 > " MENU_EXITS ",D_MENUROTARY:14,-278"},
    {403, "ULVO_vB_SETLANG", "Language Select", "vB", Extended, 10281, 4, "DIALOG_VB_SETLANG", "ULVO_SETLANGUAGE",
     nullptr, nullptr,
     "eLanguage Menu File:str,len=64,?|gDone:code=D_STL_DONE|cDefault Language:list=10,=English",
     "0,-293:2 > D_STL_DONE:1,D_STL_END:1,-278"},
    {404, "ULVO_vS_SUBSCRMBX", "Subscriber Mailbox", "vS", Extended, 10282, 4, "DIALOG_VS_SUBSCRMBX",
     "ULVO_IVFMESSAGING", nullptr, nullptr,
     "eMailbox Number:str,len=257,?|gDone:code=D_IVF_DONE|xSkip Greeting",
     "0,-270:2 > D_IVF_DONE:1,D_IVF_END:1,-278"},
    {405, "ULVO_vB_THRUDIAL", "Thru-Dial", "vB", Extended, 10283, 4, "DIALOG_VB_THRUDIAL", "ULVO_THRUDIAL", nullptr,
     nullptr,
     "eThru-Dial greeting:vs,len=64,?|eNumber Length:small,='4,[1..16],?|"
     "eLeft Pad Character:str,len=2,?|gSuccess:code=D_TDL_SUCCESS|"
     "gAttendant Requested:code=D_TDL_ATTENDANT,?|gUser Cancelled:code=D_TDL_CANCEL,?|"
     "xUse Fixed Length Numbers:rules=ThruDialFixedLength|xDisableGoto|"
     "cRestriction/permission list:T21,list=18,=None|rGreeting:base=1,radio=" GREETINGS ",=1|"
     "rDialing:base=1,radio=" DIALING ",=1",
     "0,1,2,-270:6,-293:8,-284:9,-284:10 > " THRU_DIAL_EXITS
     ",D_TDL_ROTARY:4,D_TDL_END:3,-278"},
    {406, "ULVO_vB_TIMESWITCH", "Time Control", "vB", Extended, 10284, 4, "DIALOG_VB_TIMESWITCH", "ULVO_TIMECONTROL",
     nullptr, nullptr,
     "eStart Time (HH-MM):str,len=6|eEnd Time (HH-MM):str,len=6|gInside:code=D_TMC_INSIDE|"
     "gOutside:code=D_TMC_OUTSIDE|" PERIODS("Start Time", "End Time", "HH-MM")
     "|xMonday:=1|xTuesday:=1|xWednesday:=1|xThursday:=1|xFriday:=1|xSaturday|xSunday",
     "-311:0,-312:0,-311:1,-312:1,-270:12,-270:13,-270:14,-270:15,-270:16,-270:17,-270:18 > "
     "D_TMC_INSIDE:2,D_TMC_OUTSIDE:3,D_TMC_END:2,-278"},
    {407, "ULVO_vS_VPM", "Voice Item Maintenance", "vS", Extended, 10285, 4, "DIALOG_VS_VPM",
     "ULVO_VOICEITEMMAINT", nullptr, nullptr,
     "eAdministrator Mailbox:str,len=257,?|gDone:code=D_VIM_DONE",
     "0 > D_VIM_DONE:1,D_VIM_END:1,-278"},
    {408, "ULVO_vB_ROTARY", "Rotary Dial", "Sys", Extended, 10286, 4, "DIALOG_VB_ROTARY", "ULVO_ROTARYDIAL",
     nullptr, nullptr, "eExtension:str,len=61,?|gDone:code=D_ROT_DONE", nullptr},
    {409, "ULVO_vS_IMPORT", "Imported Application", "Sys", Extended, 10287, 4, "DIALOG_VS_IMPORT",
     "ULVO_IMPORTEDAPP", nullptr, nullptr, "eApplication Name:str,len=64,?|gContinue:next",
     nullptr},
    {410, "ULVO_vB_DATECONTROL", "Date Control", "vB", Extended, 10288, 4, "DIALOG_VB_DATECONTROL", "ULVO_DATECONTROL",
     nullptr, nullptr,
     "eStart Date (MM/DD):str,len=6|eEnd Date (MM/DD):str,len=6|gInside:code=D_DTC_INSIDE|"
     "gOutside:code=D_DTC_OUTSIDE|" PERIODS("Start Date", "End Date", "MM/DD"),
     "-313:0,-314:0,-313:1,-314:1 > D_DTC_INSIDE:2,D_DTC_OUTSIDE:3,D_DTC_END:2,-278"},
    {411, "ULVO_vB_CHECKPASSWORD", "Password Check", "vB", Extended, 10289, 4, "DIALOG_VB_CHECKPASSWORD",
     "ULVO_PASSWORDCHECK", nullptr, nullptr,
     PASSWORDS "|gNo Response:code=D_PWD_NORESPONSE,?|gRotary:code=D_PWD_ROTARY,?|"
     "eConfirmation Entry 1:str,len=16,?|eConfirmation Entry 2:str,len=16,?|"
     "eConfirmation Entry 3:str,len=16,?|eConfirmation Entry 4:str,len=16,?|"
     "eConfirmation Entry 5:str,len=16,?|xPassword Check 1:=1|xPassword Check 2|"
     "xPassword Check 3|xPassword Check 4|xPassword Check 5",
     PASSWORD_ARGS " > D_PWD_PASSWORD1:7,D_PWD_PASSWORD2:8,D_PWD_PASSWORD3:9,"
     "D_PWD_PASSWORD4:10,D_PWD_PASSWORD5:11,D_PWD_MAXINVALID:12,D_PWD_MAXSESINVALID:13,"
     "D_PWD_CANCEL:14,D_PWD_NORESPONSE:15,D_PWD_ROTARY:16,D_PWD_END:7,-278"},
    {412, "ULVO_vS_FAXAUTOATTEND", "Fax Auto Attendant", "vS", Extended, 10290, 4, "DIALOG_VS_FAXAUTOATTEND",
     "ULVO_FAXAUTOATTEND", nullptr, nullptr, "eFax Item List:str,len=64,?|gDone:code=D_FXA_DONE|eMailbox Number:str,len=257,?|"
     MAILBOX_OPTION,
     "0 > D_FXA_DONE:1,D_FXA_END:1,-278"},
    {413, "ULVO_vB_FAXSELECT", "Fax Select", "vB", Extended, 10291, 4, "DIALOG_VB_FAXSELECT", "ULVO_FAXSELECT",
     nullptr, nullptr,
     "eFax Item:vs,len=64|eMax Selections:small,='3,[1..9]|gDone:code=D_FSL_DONE|"
     "gAttendant:code=D_FSL_ATTENDANT,?|gMax Selections Reached:code=D_FSL_MAXSELECT|"
     "gNo Response:code=D_FSL_NORESPONSE,?|gRotary:code=D_FSL_ROTARY,?|xAllow Attendant Transfer",
     "0,1 > D_FSL_DONE:2,D_FSL_ATTENDANT:3,D_FSL_MAXSELECT:4,D_FSL_NORESPONSE:5,"
     "D_FSL_ROTARY:6,D_FSL_END:2,-278"},
    {414, "ULVO_vS_SRMESSAGING", "Speech Messaging", "vS", Extended, 10292, 4, "DIALOG_VS_SRMESSAGING",
     "ULVO_SRMESSAGING", nullptr, nullptr, "eMailbox Number:str,len=257,?|gDone:code=D_SRM_DONE|xUse Paced Speech",
     "0 > D_SRM_DONE:1,D_SRM_END:1,-278"},
    {415, "ULVO_vS_SRTRAINING", "Speech Training", "vS", Extended, 10293, 4, "DIALOG_VS_SRTRAINING",
     "ULVO_SRTRAINING", nullptr, nullptr, "eUser ID:str,len=64,?|gDone:code=D_SRT_DONE",
     nullptr},
};

constexpr StructureRow kStructures[] = {
    // Menu of old application files (before 1.5).
    {5254, OldMenu,
     "xLog Menu Selection:@2,B=0x4|vMenu Parameters:A=0x1000|vMain Voice Sentence:B=0x8|"
     "vNo Answer Voice Sentence:B=0x8,?|vLast No Answer Voice Sentence:B=0x8,?|"
     "vWrong Answer Voice Sentence:B=0x8,?|vLast Wrong Answer Voice Sentence:B=0x8,?|"
     "gGoto on 1:?|gGoto on 2:?|gGoto on 3:?|gGoto on 4:?|gGoto on 5:?|gGoto on 6:?|"
     "gGoto on 7:?|gGoto on 8:?|gGoto on 9:?|gGoto on 0:?|gGoto on *:?|gGoto on #:?|"
     "gGoto on No Answer|gGoto on Wrong Answer"},
    // Service blocks as servers before 6.07 define them, each with its own call: the
    // exits these servers end with (rotary, end) are written out, and passwords are passed
    // encoded as in the current definition.
    {10294, Extended,
     "eThru-Dial greeting:str,len=64,?|eNumber Length:small,='4,[1..16],?|"
     "gSuccess:code=D_TDL_SUCCESS|gAttendant Requested:code=D_TDL_ATTENDANT,?|"
     "gUser Cancelled:code=D_TDL_CANCEL,?|xUse Fixed Length Numbers|rDialing:base=1,radio=" DIALING,
     "0,1,-270:5,-284:6 > D_TDL_SUCCESS:2,D_TDL_ATTENDANT:3,D_TDL_CANCEL:4,D_TDL_ROTARY:3,"
     "D_TDL_END:2,-278"},
    {10295, Extended, PASSWORDS,
     PASSWORD_ARGS " > D_PWD_PASSWORD1:7,D_PWD_PASSWORD2:8,D_PWD_PASSWORD3:9,"
     "D_PWD_PASSWORD4:10,D_PWD_PASSWORD5:11,D_PWD_MAXINVALID:12,D_PWD_MAXSESINVALID:13,"
     "D_PWD_CANCEL:14,D_PWD_ROTARY:14,D_PWD_END:7,-278"},
    {10296, Extended,
     "eFax Item:str,len=64|eMax Selections:small,='3,[1..9]|gDone:code=D_FSL_DONE|"
     "gAttendant:code=D_FSL_ATTENDANT,?|gMax Selections Reached:code=D_FSL_MAXSELECT",
     "0,1 > D_FSL_DONE:2,D_FSL_ATTENDANT:3,D_FSL_MAXSELECT:4,D_FSL_END:2,-278"},
    {10297, Extended, MENU_KEYS MENU_FILES,
     "9,10,11,12,13 > " MENU_EXITS ",D_MENUROTARY:14,-278"},
};

#undef MENU_KEYS
#undef MENU_FILES
#undef MENU_EXITS
#undef PASSWORDS
#undef PASSWORD_ARGS
#undef THRU_DIAL_EXITS
#undef GREETINGS
#undef DIALING
#undef MAILBOX_OPTION
#undef PERIOD
#undef PERIODS

}  // namespace

std::span<const CatalogueRow> ServiceBlockRows() { return kRows; }
std::span<const StructureRow> ExtraStructureRows() { return kStructures; }

}  // namespace scribe
