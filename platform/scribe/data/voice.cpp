// Voice and call handling types: palette groups V, bV, VR and INVISIBLE.
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

// What a key does while a voice plays; the group's value plus 1 selects the function.
#define KEY_FUNCTIONS "Speed Up/Speed Down/Volume Up/Volume Down/Normal Speed/Normal Volume/None"

constexpr CatalogueRow kRows[] = {
    {0, "VMenu", "Menu", "V", Extended, 5077, 4, "VQ_VCE_VCEMNU", "VOICEMENU2", nullptr, "Failed*",
     "gKey 1:?|gKey 2:?|gKey 3:?|gKey 4:?|gKey 5:?|gKey 6:?|gKey 7:?|gKey 8:?|gKey 9:?|"
     "gKey 0:?|gKey *:?|"
     "gNumber Entered:label=Number,?|gTimeout:fail,?|gInvalid Entry:label=Invalid,fail,?|"
     "sMenu Voice Sentence|vMenu Parameters:T12|vMenu Key Parameters:T23,?|"
     "vMenu Speech Parameters:T24,?|sTimeout Voice Sentence:?|sInvalid Voice Sentence:?|"
     "vSelection Variable:str/num,?|gRotary (Server 6):label=Rotary 6,hide,?|"
     "eNumber Length:small,='1,[1..32]|gGoto on Rotary:label=Rotary,?|xLog Menu Selection",
     "-276,14,15,16,17,18,19,20,22,-270:24,-275 > -277:0,-278"},
    {1, "VMessage", "VMessage", "bV", Message, 0, 0, "DIALOG_MSG", nullptr, nullptr, nullptr,
     "sMain Voice Sentence|vMessage Parameters:T13|"
     "gGoto on End of Message:label=End of File,code=D_ENDOFFILE|"
     "gGoto on User Terminates:label=User Terminates,code=D_VALIDKEY",
     nullptr},
    {2, "bVEntry", "VEntry", "bV", Entry, 0, 0, "DIALOG_ENTRY", nullptr, nullptr, nullptr,
     "eNumber Of Digits:small,[1..33]|"
     "rVerification:@2,plain,radio=None/Range/Database/User Function|"
     "eVerify Range Min Val:int,[0..2764472319]|eVerify Range Max Val:int,[0..2764472319]|"
     "vDigits Entered (String):str|vDigits Entered (Number):num,?|vEntry Parameters:T14|"
     "sMain Voice Sentence|sNo Answer Voice Sentence:?|sLast No Answer Voice Sentence:?|"
     "sWrong Answer Voice Sentence:?|sLast Wrong Answer Voice Sentence:?|"
     "gGoto on Valid Digs:label=Valid,code=D_VALIDKEY|"
     "gGoto on Wrong Answer:label=Wrong Answer,code=D_MAXWRONG|"
     "gGoto on Abort:label=Abort,code=D_ABORT|gGoto on No Ans:label=No Answer,code=D_MAXNOANS|"
     "vVerify DB:T7,?|vVerify User PBs:pb,?",
     "0,-273:1,2,3,4,5,6,7,8,9,10,11,16,17"},
    {3, "bVRecord", "VRecord", "bV", Standard, 0, 0, "DIALOG_REC", "RECORD", nullptr, nullptr,
     "eMax Record Length (Sec):int,='300,[0..2147483647]|vRecord Parameters:T15|"
     "vMessage Parameters:T13|sMsg Voice Sentence:?|sVoice Sent Continue:?|vFile Parameters:T36|"
     "eFile Name:str,len=48,special=11|gGoto On Silence:label=Silence,code=D_SILENCE|"
     "gGoto On Finished:label=Finished,code=D_COMPLETED|"
     "gGoto On Max Len:label=Max Length,code=D_TRUNCATED|vMenu Parameters:T12|"
     "sMenu Voice Sent|sMenu VS (Max Len):?|sNo Answer Voice Sent:?|"
     "sLast No Answer Voice Sent:?|sWrong Answer Voice Sent:?|sLast Wrong Answer Voice Sent:?|"
     "gMax No Answer:code=D_MAXNOANS|gMax Wrong Answer:code=D_MAXWRONG|"
     "gMax Menu Answered:code=D_MAXABORT|gHangup:code=D_HUNGUP|"
     "xAdd to End of File:@0|xMenu Supervision:@2",
     "0,1,2,3,4,5,6,10,11,12,13,14,15,16,-272:21,-270:22"},
    {4, "VFile", "Play File", "V", Standard, 0, 1, "DIALOG_3_3", "PLAYFILE", nullptr, nullptr,
     "eFile Name:str,len=48,special=11|vFile Parameters:T36|sIntro Voice Sentence:?|"
     "gEnd of File:code=D_ENDOFFILE|gUser Terminates:code=D_VALIDKEY|"
     "gFile Not Found:code=D_NOTFOUND",
     nullptr},
    {5, "TOffHook", "Off Hook", "bV", Extended, 5001, 4, "VQ_TEL_OFFHOOK", "OFFHOOK",
     nullptr, nullptr,
     "eDelay After (mSec):int,='0,[0..60000]|gGoto:next", nullptr},
    {6, "TOnHook", "On Hook", "bV", Extended, 5002, 4, "VQ_TEL_ONHOOK", "ONHOOK", nullptr, nullptr,
     "gGoto:next", nullptr},
    {7, "TWaitCall", "Wait for Call", "bV", Extended, 5071, 4, "DIALOG_WAITCALL", "WAITCALL",
     "Completed*", "Failed*",
     "eTimeout (mSec):int,='-1,[-1..2147483647]|eRings Before Answer:small,='1,[0..20]|"
     "vCalling Number:str,?|vCalled Number:str,?|vCall Information:T62,?|"
     "gCall Arrived:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail|"
     "xWait Forever|xAnswer Call:=1",
     nullptr},
    {8, "KKbdGetString", "Get String", "bV", Standard, 0, 1, "DIALOG_3_2_C1", "GETSTRING", nullptr,
     nullptr,
     "vString Variable:str|eMax Characters:small,='80,[1..255]|"
     "eTimeout (mSec):int,='-1,[-1..2147483647]|gGot String:code=D_COMPLETED|"
     "gTimeout:code=D_TIMEOUT|xEcho Characters:=1",
     nullptr},
    {9, "KKbdGetChar", "Get Character", "bV", Standard, 0, 1, "DIALOG_2_2_C2", "GETCHARACTER",
     "Got Char*", "No Char*",
     "vCharacter Variable:char/str|eTimeout (mSec):int,='0,[-1..2147483647]|"
     "gGoto on Got Char:label=Got Char,code=D_COMPLETED,ok|"
     "gGoto on No Char:label=No Char,code=D_TIMEOUT,fail|xWait for Character|xEcho Character",
     nullptr},
    {17, "VToneGetString", "Get Tones", "V", Extended, 5008, 4, "DIALOG_VTONEGETSTRING",
     "GETTONES", "Completed*", "Timeout*",
     "vString Variable:str|eMax Characters:small,='16,[1..255]|"
     "eTimeout (mSec):int,='5000,[0..2147483647]|"
     "eInter-Digit Timeout (mSec):int,='3000,[0..2147483647],?|"
     "vParameters:T54,?|gCompleted:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail|"
     "rWait Mode:base=1,radio=Wait for Timeout/Wait Forever/No Wait,=1",
     "0,1,2,3,4,-284:7"},
    {20, "VMail", "Play Mail", "bV", Standard, 0, 1, "DIALOG_4_3", "PLAYMAIL", nullptr, nullptr,
     "eMailbox:str,len=16|vMail Record:T8|vMail Parameters:T37|sIntro Voice Sentence:?|"
     "gCompleted:code=D_COMPLETED|gUser Terminates:code=D_VALIDKEY|gNo Mail:code=D_NOTFOUND",
     nullptr},
    {21, "bVMultiMail", "VMultiMail", "bV", Standard, 0, 0, "DIALOG_MULTI", "MULTIMAIL", nullptr,
     nullptr,
     "vMulti Mail Parameters:T16|vMailbox:T45|vMail Record:T8|sMain Voice Sentence|"
     "sMenu Voice Sentence|sMsg Intro Voice Sent :?|vMsg Intro Parameters:T13|"
     "sNo Mail Voice Sentence:?|sEnd of Mail Voice Sentence:?|sDeleted Voice Sentence:?|"
     "vMessage Count:int,?|vCurrent Message:int,?|gGoto on Exit:label=Exit,code=D_ABORT|"
     "gGoto on Pickup:label=Pickup,code=D_VALIDKEY|"
     "gGoto on User Key 1:label=User 1,code=D_MENUCHOICE1,?|"
     "gGoto on User Key 2:label=User 2,code=D_MENUCHOICE2,?|"
     "gGoto on No Mail:label=No Mail,code=D_NOTFOUND|"
     "gGoto on End of Mail:label=End of Mail,code=D_EOF|"
     "gGoto on Max No Answer:label=Max No Answer,code=D_MAXNOANS|"
     "gGoto on Max Wrong Answer:label=Max Wrong Answer,code=D_MAXWRONG|"
     "gGoto on Failure:label=Failed,code=D_FAILED|xPlay New Messages:=1|xPlay Saved Messages",
     nullptr},
    {123, "VBeep", "Beep", "V", Standard, 0, 1, "DIALOG_2_1", "BEEP", nullptr, nullptr,
     "eFrequency (Hz):int,='1000,[100..4000]|eDuration (mSec):int,='250,[10..10000]|gGoto:next",
     nullptr},
    {124, "VToneClear", "Clear Type-Ahead", "bV", Standard, 0, 1, "DIALOG_0_1_C1", "TONECLEAR",
     nullptr, nullptr, "gGoto:next|xKeep Last Key", nullptr},
    {125, "VChannelStop", "Stop Channel", "bV", Standard, 0, 1, "DIALOG_1_1", "CHANSTOP", nullptr,
     nullptr, "eChannel:small,='0,[0..512]|gGoto:next", nullptr},
    {129, "VCallState", "Call State", "bV", Standard, 0, 1, "DIALOG_2_2", "CALLSTATE", nullptr,
     nullptr,
     "vCall State:int|vLine Status:int,?|gConnected:code=D_COMPLETED|"
     "gDisconnected:code=D_LOSTCONN",
     nullptr},
    {133, "VSpeedVolume", "Speed and Volume", "V", Extended, 5017, 4, "DIALOG_VSPEEDVOLUME",
     "SPEEDVOLUME", nullptr, nullptr,
     "eSpeed Step:small,='1,[1..10]|eVolume Step:small,='1,[1..10]|vCurrent Speed:small,?|"
     "vCurrent Volume:small,?|gGoto:next|xEnable Speed Control:=1|xEnable Volume Control:=1|"
     "xSpeed Up Disabled:=1|xSpeed Down Disabled:=1|xVolume Up Disabled:=1|"
     "xVolume Down Disabled:=1|xBeep on Change|xClear Type-Ahead|"
     "rKey 1:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 2:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 3:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 4:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 5:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 6:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 7:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 8:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 9:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey 0:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey *:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey #:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey A:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey B:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey C:base=1,=7,radio=" KEY_FUNCTIONS "|"
     "rKey D:base=1,=7,radio=" KEY_FUNCTIONS,
     "0,1,2,3,-270:5,-270:6,-270:11,-270:12,-286:13"},
    {135, "VChannelParms", "Channel Parameters", "bV", Standard, 0, 1, "DIALOG_21_1", "CHANPARMS",
     nullptr, nullptr,
     "eDtmfDetect:char,?,[0..1]|eDtmfDelay:small,?,[0..32767]|eSilenceDly:small,?,[0..32767]|"
     "eNoAnswerRings:char,?,[0..99]|eCallProgDly:small,?,[0..32767]|eAbTimeout:small,?,[0..32767]|"
     "eLcValid:small,?,[0..32767]|eLcWait:small,?,[0..32767]|eCabTimeout:small,?,[0..32767]|"
     "eBusyCycles:char,?,[0..99]|eGlitch:small,?,[0..32767]|eSpike:char,?,[0..127]|"
     "eNumRings:small,?,[0..99]|eSilence:small,?,[0..32767]|eLoopFlag:small,?,[0..1]|"
     "eRecordBeep:small,?,[0..1]|eDtmfStart:char,?,[0..1]|eDtmfTimeout:small,?,[0..32767]|"
     "eSound:small,?,[0..32767]|eGain:small,?,[-32768..32767]|eRate:small,?,[0..32767]|"
     "gGoto:next",
     "0"},
    {147, "VParmGet", "Get Voice Parameter", "bV", Extended, 5018, 4, "DIALOG_VPARMGET",
     "PARMGET", nullptr, nullptr,
     "vValue 1:int/str,?|vValue 2:int/str,?|vValue 3:int/str,?|vValue 4:int/str,?|"
     "vValue 5:int/str,?|vValue 6:int/str,?|vValue 7:int/str,?|vValue 8:int/str,?|gGoto:next|"
     "cParameter 1:list=5|cParameter 2:list=5|cParameter 3:list=5|cParameter 4:list=5|"
     "cParameter 5:list=5|cParameter 6:list=5|cParameter 7:list=5|cParameter 8:list=5",
     "-293:9,0"},
    {148, "VParmSet", "Set Voice Parameter", "bV", Extended, 5019, 4, "DIALOG_VPARMSET",
     "PARMSET", nullptr, nullptr,
     "eValue 1:int,?|eValue 2:int,?|eValue 3:int,?|eValue 4:int,?|eValue 5:int,?|eValue 6:int,?|"
     "eValue 7:int,?|eValue 8:int,?|gGoto:next|"
     "cParameter 1:list=5|cParameter 2:list=5|cParameter 3:list=5|cParameter 4:list=5|"
     "cParameter 5:list=5|cParameter 6:list=5|cParameter 7:list=5|cParameter 8:list=5",
     "-293:9,0"},
    {180, "VEntry", "Enter Digits", "V", Extended, 5027, 4, "VQ_VCE_ENTDIG", "ENTERDIGS2", "Valid*",
     "Invalid*",
     "eNumber Of Digits:small,='10,[1..33]|vDigits Entered (String):str|vEntry Parameters:T14|"
     "sMain Voice Sentence|sNo Answer Voice Sentence:?|sWrong Answer Voice Sentence:?|"
     "eVerify Range Min Val:int,?|eVerify Range Max Val:int,?|vVerify DB:T7,?|"
     "vVerify User PB:pb,?|gGoto on Valid Digits:label=Valid,code=D_VALIDKEY,ok|"
     "gGoto on Wrong Answer:label=Wrong Answer,code=D_MAXWRONG,fail|"
     "gGoto on Abort:label=Abort,code=D_ABORT,fail|"
     "gGoto on No Answer:label=No Answer,code=D_MAXNOANS,fail|"
     "cVerification:list=12,=None,rules=EntryVerification",
     "0,1,2,3,4,5,-293:14,6,7,8,9"},
    {217, "VRecordEdit", "Record with Edit", "V", Extended, 5085, 4, "DIALOG_VRECORDEDIT",
     "RECORDEDIT", nullptr, nullptr,
     "eFile Name:str,len=48,special=11|vRecord Edit Parameters:T47|sMain Voice Sentence|"
     "sMenu Voice Sentence|eMax Record Length (mSec):int,='120000,[0..2147483647]|"
     "vLength Recorded:int,?|gRecorded:code=D_COMPLETED|gAborted:code=D_ABORT|"
     "gMax No Answer:code=D_MAXNOANS|gMax Wrong Answer:code=D_MAXWRONG|gSilence:code=D_SILENCE|"
     "xAppend to File|cVoice Format:list=11",
     "0,1,2,3,4,5,-270:11,-293:12"},
    {218, "TListen", "Listen", "bV", Standard, 0, 0, nullptr, "LISTEN", "Completed*", "Failed*",
     "eListen Time (mSec):int,='10000,[0..2147483647]|"
     "eSilence Time (mSec):int,='3000,[0..2147483647]|"
     "eEnergy Threshold (dB):small,='-40,[-90..0]|eLow Frequency (Hz):int,='400,[50..4000],?|"
     "eHigh Frequency (Hz):int,='1200,[50..4000],?|eMin Tone Length (mSec):int,?,[0..60000]|"
     "eMax Tone Length (mSec):int,?,[0..60000]|eOn Time (mSec):int,?,[0..60000]|"
     "eOff Time (mSec):int,?,[0..60000]|eRepetitions:small,?,[1..100]|"
     "vResult Frequency:int,?|vResult Length:int,?|gTone Detected:code=D_TONE,ok|"
     "gVoice Detected:code=D_CS_HUMAN,ok,?|gSilence Detected:code=D_SILENCE,ok,?|"
     "gPattern Detected:code=D_PATTERN,ok,?|gFax Tone Detected:code=D_CS_FAX,ok,?|"
     "gTimeout:code=D_TIMEOUT,fail|gNo Energy:code=D_INITSIL,fail,?|gNoise:code=D_PCPM,fail,?|"
     "gFailed:code=D_FAILED,fail|xClear Type-Ahead|xUse Frequency Band:rules=ListenBand|"
     "xUse Tone Length:rules=ListenLength|xUse Cadence:rules=ListenCadence|xDetect Tone:=1|"
     "xDetect Voice|xDetect Silence|xDetect Fax Tone",
     nullptr},
    {219, "TMessageLamp", "Message Lamp", "bV", Extended, 5086, 4, "DIALOG_TMESSAGELAMP", "MSGLAMP",
     nullptr, nullptr,
     "eExtension:str,len=32|gGoto:next|rLamp:base=1,radio=Off/On/Blink,=2", "0,-284:2"},
    {224, "VReadMail", "Read Mail", "V", Extended, 5092, 4, "DIALOG_VREADMAIL", "READMAIL",
     "Completed*", "Not Found*",
     "vMail Record:T8|vRead Mail Parameters:T37|sIntro Voice Sentence:?|vMessage File:str,?|"
     "gPlayed:code=D_COMPLETED,ok|gUser Terminates:code=D_VALIDKEY,ok|"
     "gNot Found:code=D_NOTFOUND,fail|gFailed:code=D_FAILED,fail|xMark as Read:=1",
     nullptr},
    {225, "VReadAllMail", "Read All Mail", "V", Extended, 5093, 4, "DIALOG_VREADALLMAIL",
     "READALLMAIL", "Completed*", "Failed*",
     "vMailbox:T45|vRead All Mail Parameters:T16|sMain Voice Sentence|sNo Mail Voice Sentence:?|"
     "vMessages Played:int,?|gAll Played:code=D_COMPLETED,ok|gUser Exit:code=D_ABORT,ok|"
     "gNo Mail:code=D_NOTFOUND,fail|gFailed:code=D_FAILED,fail|xPlay New Only|xNewest First",
     nullptr},
    {227, "VSetSpeed", "Set Speed", "bV", Standard, 0, 1, "DIALOG_1_1", "SETSPEED", nullptr,
     nullptr, "eSpeed:small,='0,[-10..10]|gGoto:next", nullptr},
    {228, "VDelete", "Delete Voice File", "bV", Standard, 0, 1, "DIALOG_1_2", "DELVOICE", nullptr,
     nullptr,
     "eFile Name:str,len=48,special=11|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {251, "VRInit", "Init VR", "INVISIBLE", Extended, 5111, 4, "DIALOG_0_1", "INITVR", nullptr,
     nullptr, "gGoto:next", nullptr},
    {253, "VRSetParameter", "Set VR Parameter", "VR", Extended, 5116, 4, "DIALOG_VRSETPARAMETER",
     "VRSETPARM", nullptr, nullptr, "eValue:int|gGoto:next|cParameter:list=13", "-293:2,0"},
    {254, "VRLoadVocabulary", "Load Vocabulary", "VR", Extended, 5117, 4,
     "DIALOG_VRLOADVOCABULARY", "VRLOADVOCAB", nullptr, nullptr,
     "eVocabulary File:str,len=48,special=11|eVocabulary ID:small,[0..255]|"
     "gLoaded:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {255, "VRYesNo", "Yes or No", "VR", Extended, 5118, 4, "VQ_VR_YESNO", "VRYESNO", nullptr,
     nullptr,
     "sMain Voice Sentence|vVR Entry Parameters:T51|vSpeech Parameters:T10,?|vResult:T27,?|"
     "gYes:code=D_SPEECH_YES|gNo:code=D_SPEECH_NO|gNo Confidence:code=D_MAXNOCONFIDENCE|"
     "gTimeout:code=D_SPEECH_TIMEOUT|xAllow Touch Tones:=1",
     nullptr},
    {256, "VRVoiceMenu", "Voice Menu", "VR", Extended, 5119, 4, "DIALOG_VRVOICEMENU", "VRMENU",
     nullptr, nullptr,
     "sMain Voice Sentence|vVR Entry Parameters:T51|vMenu Speech Parameters:T24|vResult:T27,?|"
     "eVocabulary ID:small,[0..255]|gChoice 1:code=D_MENUCHOICE1|gChoice 2:code=D_MENUCHOICE2,?|"
     "gChoice 3:code=D_MENUCHOICE3,?|gChoice 4:code=D_MENUCHOICE4,?|gChoice 5:code=D_MENUCHOICE5,?|"
     "gNo Confidence:code=D_MAXNOCONFIDENCE|gTimeout:code=D_SPEECH_TIMEOUT",
     nullptr},
    {257, "VREnterDigits", "Speak Digits", "VR", Extended, 5120, 4, "DIALOG_VRENTERDIGITS",
     "VRDIGITS", nullptr, nullptr,
     "sMain Voice Sentence|vVR Entry Parameters:T51|vEntry Speech Parameters:T10|"
     "vDigits Entered:str|eNumber Of Digits:small,='10,[1..33]|gValid:code=D_VALIDKEY|"
     "gNo Confidence:code=D_MAXNOCONFIDENCE|gTimeout:code=D_SPEECH_TIMEOUT",
     nullptr},
    {258, "VRGetNextAnswer", "Next VR Answer", "VR", Extended, 5121, 4, "DIALOG_VRGETNEXTANSWER",
     "VRNEXT", nullptr, nullptr,
     "vResult:T27|eAnswer Number:small,='2,[1..3]|gGot Answer:code=D_COMPLETED|"
     "gNo More:code=D_NOTFOUND",
     nullptr},
    {266, "VInsert", "Insert Voice", "bV", Extended, 5129, 4, "DIALOG_VINSERT", "VINSERT",
     nullptr, nullptr,
     "eFile Name:str,len=48,special=11|eInsert File Name:str,len=48,special=11|"
     "eOffset (Bytes):int,='0,[0..2147483647]|gInserted:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
    {267, "VDelaySeq", "Delay Sequence", "V", Extended, 5130, 4, "DIALOG_VDELAYSEQ", "DELAYSEQ",
     nullptr, nullptr,
     "vDelay Parameters:T48|vElapsed Time (mSec):int,?|gCompleted:code=D_COMPLETED|"
     "gKey Pressed:code=D_VALIDKEY|gFailed:code=D_FAILED",
     nullptr},
    {288, "VGetPlayTime", "Get Play Time", "bV", Extended, 5150, 4, "DIALOG_VGETPLAYTIME",
     "PLAYTIME", nullptr, nullptr,
     "eFile Name:str,len=48,special=11|vPlay Time (mSec):int|gDone:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
};

#undef KEY_FUNCTIONS

}  // namespace

std::span<const CatalogueRow> VoiceRows() { return kRows; }

}  // namespace scribe
