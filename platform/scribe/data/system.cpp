// System blocks of the palette (Sys) and the address, operations and recognition calls:
// palette groups Sys, A, bA, NA (and the recognition diagnostics of bP).
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

constexpr CatalogueRow kRows[] = {
    {11, "KvGAM_FILE_OPENFILE", "Open File", "Sys", Extended, 5003, 4, "VQ_FILE_OPENFILE",
     "OPENFILE", nullptr, nullptr,
     "eFile Name:str,len=121|eRecord Size:int,='0,[0..65535]|gOpened:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND|gIn Use:code=D_FILEINUSE|gFailed:code=D_FAILED|"
     "cMode:list=9,=Read Only",
     "-299,0,1,-293:6"},
    {12, "KvGAM_FILE_CLOSEFILE", "Close File", "Sys", Extended, 5005, 4, "VQ_FILE_CLOSEFILE",
     "CLOSEFILE", nullptr, nullptr, "gClosed:code=D_COMPLETED|gFailed:code=D_FAILED", "-299"},
    {13, "KvGAM_TEL_CALLOUT", "Call Out", "Sys", Extended, 5006, 4, "VQ_TEL_CALLOUT", "CALLOUT",
     "Completed*", "Failed*",
     "eNumber to Dial:str,len=61|eRings Before No Answer:small,='4,[1..30]|"
     "eCall Progress Timeout (mSec):int,='30000,[0..2147483647]|eCaller ID:str,len=61,?|"
     "vCall Result:int,?|gAnswered:code=D_CS_ANSWER,ok|"
     "gAnswering Machine:code=D_CS_MACHINE,ok,?|gFax Machine:code=D_CS_FAX,ok,?|"
     "gBusy:code=D_CS_BUSY,fail|gNo Answer:code=D_CS_NOANSWER,fail|"
     "gNo Ring:code=D_CS_NORING,fail,?|gOperator Intercept:code=D_CS_OPINT,fail,?|"
     "gNo Dial Tone:code=D_NODIALTONE,fail,?|gFailed:code=D_FAILED,fail|"
     "xDetect Answering Machine|xUse Call Progress:=1",
     nullptr},
    {14, "KvGAM_TEL_GenerateDTMF", "Dial Digits", "Sys", Extended, 5007, 4,
     "VQ_TEL_GENERATEDTMF", "DIALNO2", "Completed*", "Failed*",
     "eDigits:str,len=61|eTone Length (mSec):small,='100,[40..1000]|"
     "ePause Length (mSec):small,='100,[40..1000]|gCompleted:code=D_COMPLETED,ok|"
     "gFailed:code=D_FAILED,fail",
     nullptr},
    {117, "KvGAM_FILE_DELFILE", "Delete File", "Sys", Extended, 5013, 4, "VQ_FILE_DELFILE",
     "DELETEFILE", nullptr, nullptr,
     "eFile Name:str,len=121|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND|"
     "gIn Use:code=D_FILEINUSE",
     nullptr},
    {119, "KvGAM_FILE_FILEEXISTS", "File Exists", "Sys", Extended, 5014, 4,
     "VQ_FILE_FILEEXISTS", "DOESFILEEXIST", nullptr, nullptr,
     "eFile Name:str,len=121|gExists:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {127, "KvGAM_TEL_TransferCall", "Transfer Call", "Sys", Extended, 5016, 4,
     "VQ_TEL_TRANSFERCALL", "CALLXFER2", "Completed*", "Failed*",
     "eExtension:str,len=61|eRings Before No Answer:small,='4,[1..30]|sAnnouncement:?|"
     "gTransferred:code=D_COMPLETED,ok|gBusy:code=D_CS_BUSY,fail|"
     "gNo Answer:code=D_CS_NOANSWER,fail|gFailed:code=D_FAILED,fail|xBlind Transfer|"
     "xSupervise Transfer:=1",
     nullptr},
    {158, "KvGAM_FAX_SENDFAX", "Send Fax", "Sys", Extended, 5030, 4, "VQ_FAX_SENDFAX", "SENDFAX",
     nullptr, nullptr,
     "eFax Number:str,len=61,?|eFax Item:str,len=121|eStation ID:str,len=21,?|"
     "eRetries:small,='3,[0..20]|vPages Sent:int,?|gSent:code=D_COMPLETED|"
     "gBusy:code=D_CS_BUSY|gNo Answer:code=D_CS_NOANSWER|"
     "gNot Fax Machine:code=D_NOT_FAX_MACHINE|gTransmit Error:code=D_TRANSMITERR|"
     "xHigh Resolution|cCover Page:list=15,=None",
     "-290,0,1,2,3,4,-270:10,-293:11"},
    {160, "KvGAM_FAX_RECEIVEFAX", "Receive Fax", "Sys", Extended, 5032, 4, "VQ_FAX_RECEIVEFAX",
     "RECFAX2", nullptr, nullptr,
     "eFax Item Name:str,len=121|eStation ID:str,len=21,?|vPages Received:int,?|"
     "vRemote Station ID:str,?|gReceived:code=D_COMPLETED|gNo Fax:code=D_CS_NOINFO|"
     "gTransmit Error:code=D_TRANSMITERR|gFailed:code=D_FAILED",
     "-290,*"},
    {178, "KvGAM_VCEPLAY", "Play Voice", "Sys", Extended, 5049, 4, "VQ_VCE_PLYVCE", "PLAYVOICE3",
     nullptr, nullptr,
     "sVoice Sentence|vPlay Parameters:T42,?|vPlay Key Parameters:T57,?|"
     "vPlay Speech Parameters:T58,?|gCompleted:code=D_COMPLETED|gUser Terminates:code=D_VALIDKEY|"
     "gFile Not Found:code=D_NOTFOUND,?|cVoice Format:list=11,=Default",
     "0,1,2,3,-293:7"},
    {226, "KvGAM_TEL_CompleteTransfer", "Complete Transfer", "Sys", Extended, 5094, 4,
     "VQ_TEL_COMPLETETRANSFER", "COMPLXFER2", nullptr, nullptr,
     "gCompleted:code=D_COMPLETED|gFailed:code=D_FAILED|xConference", nullptr},
    {229, "KvGAM_VCERECORD", "Record Voice", "Sys", Extended, 5095, 4, "VQ_VCE_RECVCE", "RECORDVC",
     nullptr, nullptr,
     "eVoice File Name:str,len=121|vRecord Voice Parameters:T50|"
     "eMaximum Recording Time (mSec):int,='60000,[0..2147483647]|"
     "eRecord Offset (mSec):int,='0,[0..2147483647],?|sPrompt Voice Sentence:?|"
     "vLength Recorded (mSec):int,?|gGoto on Recorded:label=Recorded,code=D_COMPLETED|"
     "gGoto on Silence:label=Silence,code=D_SILENCE|"
     "gGoto on Max Length:label=Max Length,code=D_TRUNCATED|"
     "gCNG Fax Tone Detected:label=Fax Tone,code=D_CS_FAX,icon=7,?|"
     "xUnlimited Recording Length:rules=RecordUnlimited|xAccept CNG Fax Input:rules=RecordFaxInput|"
     "cVoice Format:list=11,=Default|"
     "rRecord Position:base=1,radio=Start of File/At Offset/End of File,=1",
     "-296:0,1,2,3,4,5,-270:10,-270:11,-293:12,-284:13"},
    {232, "VGetFilePos", "Get File Position", "Sys", Extended, 5098, 4, "DIALOG_VGETFILEPOS",
     "GETFILEPOS", nullptr, nullptr,
     "vVoice File Handle:int|vPosition (Bytes):int|gGoto:next", nullptr},
    {233, "VSetFilePos", "Set File Position", "Sys", Extended, 5099, 4, "DIALOG_VSETFILEPOS",
     "SETFILEPOS", nullptr, nullptr,
     "vVoice File Handle:int|ePosition (Bytes):int,='0,[0..2147483647]|gSet:code=D_COMPLETED|"
     "gBeyond End:code=D_EOF",
     nullptr},
    {234, "VCloseFile", "Close Voice File", "Sys", Extended, 5091, 4, "DIALOG_VCLOSEFILE",
     "CLOSEVCFILE", nullptr, nullptr, "vVoice File Handle:int|gGoto:next", nullptr},
    {243, "VSetLanguage", "Set Language", "Sys", Extended, 5108, 4, "DIALOG_VSETLANGUAGE",
     "SETLANGUAGE", nullptr, nullptr, "gGoto:next|cLanguage:list=10,=English", "-293:1"},
    {244, "VSetVolume", "Set Volume", "Sys", Extended, 5109, 4, "DIALOG_VSETVOLUME", "SETVOLUME",
     nullptr, nullptr, "eVolume:small,='0,[-10..10]|gGoto:next", nullptr},
    {301, "KvGAM_ADDADR", "Add Address", "A", Extended, 5163, 4, "VQ_ADDADR", "UITEST", nullptr,
     nullptr,
     "eAddress:str,len=257|gAdded:code=D_COMPLETED|gNot Found:code=D_ADDRESSNOTFOUND|"
     "gRestricted:code=D_RESTRICTED|cList:list=8,=To List",
     "-306,-304,0,-293:4"},
    {302, "KvGAM_RESADR", "Resolve Address", "A", Extended, 5164, 4, "VQ_ADL_RESADR", "UITEST",
     nullptr, nullptr,
     "eInput:str,len=257|eLocation:str,len=513,?|vAddress Filter:T56,?|vAddress Parameters:T55|"
     "sName Voice Sentence:?|gResolved:code=D_SINGLEMATCHFOUND|"
     "gMultiple Matches:code=D_MULTIMATCHFOUND|gNot Found:code=D_ADDRESSNOTFOUND|"
     "gRestricted:code=D_RESTRICTED|gFailed:code=D_FAILED|xUse Name Dialing|"
     "xAllow Partial Match",
     "-304,*"},
    {303, "KvGAM_SELADR", "Select Address", "A", Extended, 5165, 4, "VQ_SELADR", "UITEST",
     nullptr, nullptr,
     "eDN:str,len=257|vAddress Parameters:T55|vAddress Filter:T56,?|sName Voice Sentence:?|"
     "gFound:code=D_COMPLETED|gNot Found:code=D_ADDRESSNOTFOUND|eLocation:str,len=513|"
     "gRestricted:code=D_RESTRICTED|cInput Type:list=51,=DN,rules=AddressInputType",
     "-304,0,1,2,3,6,-293:8"},
    {312, "KvGAM_ADRGETNAM", "Get Address Name", "A", Extended, 5174, 4, "VQ_ADRGETNAM",
     "UITEST", nullptr, nullptr,
     "vName:str|sName Voice Sentence:?|gFound:code=D_COMPLETED|gNo Name:code=D_NOTFOUND",
     "-304,*"},
    {313, "KvGAM_ADRNAMSRCH", "Search by Name", "A", Extended, 5175, 4, "VQ_ADRNAMSRCH",
     "UITEST", nullptr, nullptr,
     "eName Digits:str,len=32|vMatches:int,?|gSingle Match:code=D_SINGLEMATCHFOUND|"
     "gMultiple Matches:code=D_MULTIMATCHFOUND|gNo Match:code=D_NOMATCHFOUND|"
     "rSearch By:base=1,radio=Last Name/First Name/Either,=1",
     "-304,0,1,-284:5"},
    {314, "KvGAM_ADRVAL", "Validate Address", "A", Extended, 5176, 4, "VQ_ADRVAL", "UITEST",
     nullptr, nullptr,
     "gValid:code=D_COMPLETED|gInvalid:code=D_INVALID|gRestricted:code=D_RESTRICTED", "-304"},
    {329, "KvGAM_OPR_PEGOM", "Count Measurement", "A", Extended, 5191, 4, "VQ_OPR_PEGOM",
     "UITEST", nullptr, nullptr,
     "eCounter Number:int,[0..9999]|eIncrement:int,='1|gGoto:next", nullptr},
    {330, "KvGAM_OPR_REGOM", "Register Measurement", "A", Extended, 5192, 4, "VQ_OPR_REGOM",
     "UITEST", nullptr, nullptr,
     "eCounter Name:str,len=32|vCounter Number:int|gRegistered:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {331, "KvGAM_PROG_GETCHAINDATA", "Get Chain Data", "A", Extended, 5193, 4,
     "VQ_PROG_GETCHAINDATA", "UITEST", nullptr, nullptr,
     "vChain Data:int|vCalling Program:str,?|gGoto:next", nullptr},
    {334, "KvGAM_VCE_DLYSEQ", "Delay Sequence", "Sys", Extended, 5196, 4, "VQ_VCE_DLYSEQ",
     "UITEST", nullptr, nullptr,
     "vDelay Parameters:T48|sMain Voice Sentence|gCompleted:code=D_COMPLETED|"
     "gKey Pressed:code=D_VALIDKEY|gFailed:code=D_FAILED",
     nullptr},
    {335, "KvGAM_VCE_ERRSEQ", "Error Sequence", "NA", Extended, 5197, 4, "VQ_VCE_ERRSEQ",
     "UITEST", nullptr, nullptr,
     "vError Delay Parameters:T49|sMain Voice Sentence|gCompleted:code=D_COMPLETED|"
     "gKey Pressed:code=D_VALIDKEY|gFailed:code=D_FAILED",
     nullptr},
    {355, "KvGAM_FILE_QUERYFILE", "Query File", "A", Extended, 5217, 4, "VQ_FILE_QUERYFILE",
     "UITEST", nullptr, nullptr, "vRecord Count:int|vFile Size:int,?|gGoto:next", "-299,*"},
    {357, "KvGAM_VR_STARTRECOGNITION", "Start Recognition", "A", Extended, 5219, 4,
     "VQ_VR_STARTRECOGNITION", "UITEST", nullptr, nullptr,
     "eVocabulary ID:small,[0..255]|vVR Entry Parameters:T51|vResult:T27|"
     "gStarted:code=D_COMPLETED|gFailed:code=D_FAILED|xBarge In:=1",
     nullptr},
    {360, "KvGAM_FILE_CHANGE_RECID", "Change Record ID", "A", Extended, 5222, 4,
     "VQ_FILE_CHANGE_RECID", "UITEST", nullptr, nullptr,
     "eNew Record ID:str,len=64|gChanged:code=D_COMPLETED|gExists:code=D_ALREADYEXISTS|"
     "gFailed:code=D_FAILED",
     "-299,*"},
    {361, "KvGAM_VCE_SETLANG", "Set Voice Language", "Sys", Extended, 5223, 4, "VQ_VCE_SETLANG",
     "UITEST", nullptr, nullptr, "gGoto:next|cLanguage:list=10,=English", "-293:1"},
    {362, "KvGAM_TEL_CONFCALL", "Conference Call", "Sys", Extended, 5224, 4, "VQ_TEL_CONFCALL",
     "UITEST", nullptr, nullptr,
     "eNumber to Add:str,len=61|gConferenced:code=D_COMPLETED|gBusy:code=D_CS_BUSY|"
     "gNo Answer:code=D_CS_NOANSWER|gFailed:code=D_FAILED",
     nullptr},
    {363, "KvGAM_TEL_LISTEN", "Listen to Channel", "Sys", Extended, 5225, 4, "VQ_TEL_LISTEN",
     "UITEST", nullptr, nullptr,
     "eChannel:small,[0..512]|gListening:code=D_COMPLETED|gFailed:code=D_FAILED|xTwo Way",
     nullptr},
    {364, "KvGAM_TEL_DispSuppress", "Suppress Display", "Sys", Extended, 5226, 4,
     "VQ_TEL_DISPSUPPRESS", "UITEST", nullptr, nullptr, "gGoto:next|xSuppress Display:=1",
     nullptr},
    {365, "KvGAM_VCE_SETSPEED", "Set Voice Speed", "Sys", Extended, 5227, 4, "VQ_VCE_SETSPEED",
     "UITEST", nullptr, nullptr, "eSpeed:small,='0,[-10..10]|gGoto:next|xRelative", nullptr},
    {366, "KvGAM_VCE_SETVOLUME", "Set Voice Volume", "Sys", Extended, 5228, 4,
     "VQ_VCE_SETVOLUME", "UITEST", nullptr, nullptr,
     "eVolume:small,='0,[-10..10]|gGoto:next|xRelative",
     nullptr},
    {367, "KvGAM_FILE_ABORTEDIT", "Abort File Edit", "Sys", Extended, 5229, 4,
     "VQ_FILE_ABORTEDIT", "UITEST", nullptr, nullptr,
     "gAborted:code=D_COMPLETED|gFailed:code=D_FAILED", "-299"},
    {368, "KvGAM_VR_STOPRECOGNITION", "Stop Recognition", "bA", Extended, 5230, 4,
     "VQ_VR_STOPRECOGNITION", "UITEST", nullptr, nullptr,
     "vResult:T27,?|gStopped:code=D_COMPLETED|gNo Result:code=D_NOTFOUND", nullptr},
    {370, "KvGAM_VR_STARTDIAGNOSTIC", "Start VR Diagnostic", "bA", Extended, 5232, 4,
     "VQ_VR_STARTDIAGNOSTIC", "UITEST", nullptr, nullptr,
     "eLog File:str,len=121|gStarted:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {371, "KvGAM_VR_STOPDIAGNOSTIC", "Stop VR Diagnostic", "bP", Extended, 5233, 4,
     "VQ_VR_STOPDIAGNOSTIC", "UITEST", nullptr, nullptr,
     "gStopped:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {372, "KvGAM_VR_ENABLEDIAGNOSTIC", "Enable VR Diagnostic", "bP", Extended, 5234, 4,
     "VQ_VR_ENABLEDIAGNOSTIC", "UITEST", nullptr, nullptr, "gGoto:next|xEnable:=1", nullptr},
    {383, "KvGAM_BDL_GETSPBDYINFO", "Get Body Information", "A", Extended, 5245, 4,
     "VQ_BDL_GETSPBDYINFO", "UITEST", nullptr, nullptr,
     "eBody Index:small,='1,[1..32767]|vBody Info:T59|gFound:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     "-306,*"},
    {386, "KvGAM_OPR_CHKFTR", "Check Feature", "A", Extended, 5248, 4, "VQ_OPR_CHKFTR", "UITEST",
     nullptr, nullptr,
     "eFeature:str,len=32|gInstalled:code=D_INSTALLED|gNot Installed:code=D_NOTINSTALLED",
     nullptr},
    {387, "KvGAM_OPR_CHECKHOLIDAY", "Check Holiday", "A", Extended, 5249, 4,
     "VQ_OPR_CHECKHOLIDAY", "UITEST", nullptr, nullptr,
     "eDate:dstr,?|eHoliday Table:str,len=32,?|gHoliday:code=D_ISAHOLIDAY|"
     "gNot a Holiday:code=D_NOTAHOLIDAY",
     nullptr},
    {388, "KvGAM_OPR_LOCK", "Lock Resource", "A", Extended, 5250, 4, "VQ_OPR_LOCK", "UITEST",
     nullptr, nullptr,
     "eResource Name:str,len=64|eTimeout (mSec):int,='5000,[-1..2147483647]|"
     "gLocked:code=D_COMPLETED|gTimeout:code=D_TIMEOUT|gFailed:code=D_FAILED",
     nullptr},
    {389, "KvGAM_OPR_COMMIT", "Commit Resource", "A", Extended, 5251, 4, "VQ_OPR_COMMIT",
     "UITEST", nullptr, nullptr,
     "eResource Name:str,len=64|gCommitted:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {390, "KvGAM_OPR_UNLOCK", "Unlock Resource", "A", Extended, 5252, 4, "VQ_OPR_UNLOCK",
     "UITEST", nullptr, nullptr, "eResource Name:str,len=64|gGoto:next", nullptr},
    {392, "KvGAM_OPR_MESSAGEBOX", "Message Box", "A", Extended, 5253, 4, "VQ_OPR_MESSAGEBOX",
     "UITEST", nullptr, nullptr,
     "eMessage:str,len=128|eTitle:str,len=64,?|vButton Pressed:small,?|gGoto:next|"
     "rButtons:base=1,radio=OK/OK Cancel/Yes No,=1",
     "0,1,2,-284:4"},
};

}  // namespace

std::span<const CatalogueRow> SystemRows() { return kRows; }

}  // namespace scribe
