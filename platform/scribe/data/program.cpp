// Program flow, arithmetic, string, utility and operations types: palette groups P, S, U, O
// (and the subroutine blocks of bP).
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define ARITH(a, b) \
  "e" a ":num/dnum/dstr|e" b ":num/dnum/dstr|vStore Result:num/dnum/dstr|gGoto:next"
#define STRING_CASE "eString:str|vStore Result:str|gGoto:next"
#define LOG_STEP "vLog Record:T38|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND"

constexpr CatalogueRow kRows[] = {
    {15, "OLogClear", "Clear Log", "O", Standard, 0, 1, "DIALOG_1_1", "LOGCLEAR", nullptr, nullptr,
     "eProgram ID:str,len=32,?|gGoto:next", nullptr},
    {16, "UClearVariable", "Clear Variable", "U", Standard, 0, 1, "DIALOG_1_1", "CLEARVAR",
     nullptr, nullptr, "vVariable:any,whole|gGoto:next", nullptr},
    {18, "OLogGetEq", "Get Log Entry", "O", Standard, 0, 1, "DIALOG_2_2", "LOGGETEQ", nullptr,
     nullptr, "eProgram ID:str,len=32|" LOG_STEP, nullptr},
    {26, "PCompare", "Compare Values", "P", Standard, 0, 0, "DIALOG_2_3", "COMPAREVALUES", nullptr,
     nullptr,
     "vCompare:str,A=0x18007E|eWith:str,A=0x18007E|gGoto if Greater:label=1 > 2|"
     "gGoto if Less:label=1 < 2|gGoto if Equal:label=1 = 2",
     "none"},
    {27, "PAssign", "Assign", "P", Standard, 0, 0, "DIALOG_2_1", "ASSIGN", nullptr, nullptr,
     "vAssign to:str,A=0xFFBFFF7E,B=0xFFFFF4F1|eThe Value of:str,A=0xFFBFFF7E,B=0xFFFFF4F1|"
     "gGoto:next",
     "none"},
    {28, "OLogGetFirst", "First Log Entry", "O", Standard, 0, 1, "DIALOG_1_2", "LOGFIRST", nullptr,
     nullptr, LOG_STEP, nullptr},
    {29, "OLogGetNext", "Next Log Entry", "O", Standard, 0, 1, "DIALOG_1_2", "LOGNEXT", nullptr,
     nullptr, LOG_STEP, nullptr},
    {32, "SStringAdd", "Add Strings", "S", Standard, 0, 1, "DIALOG_3_1", "ADDSTRING", nullptr,
     nullptr, "eString:str|eAdd String:str|vStore Result:str|gGoto:next", nullptr},
    {100, "PChainByID", "Chain by ID", "P", Extended, 5011, 4, "VQ_PROG_CHAINBYID", "CHAINBYID",
     nullptr, nullptr,
     "eProgram ID:int,[0..2147483647]|eChain Data:int,='0|gFailed:code=D_FAILED", nullptr},
    {102, "PChainByFile", "Chain by File", "P", Extended, 5012, 4, "VQ_PROG_CHAINBYFILE",
     "CHAINBYFILE", nullptr, nullptr,
     "eProgram File:str,len=48,special=11|eChain Data:int,='0|gFailed:code=D_FAILED", nullptr},
    {103, "bPCallPB", "Call Subroutine", "bP", Standard, 0, 1, "DIALOG_1_1", "GOSUB", nullptr,
     nullptr, "vSubroutine:pb|gGoto on Return:label=Return", "none"},
    {104, "bPReturn", "Return", "bP", Standard, 0, 1, "DIALOG_1_0", "RETURN", nullptr, nullptr,
     "eReturn Value:int,?", "none"},
    {105, "SSubString", "Substring", "S", Standard, 0, 1, "DIALOG_4_1", "SUBSTRING", nullptr,
     nullptr,
     "eString:str|eStart Position:small,='1,[1..255]|eLength:small,[0..255]|vStore Result:str|"
     "gGoto:next",
     nullptr},
    {106, "SStringLen", "String Length", "S", Standard, 0, 1, "DIALOG_2_1", "STRINGLEN", nullptr,
     nullptr, "eString:str|vStore Length:int|gGoto:next", nullptr},
    {107, "SStringUpper", "Upper Case", "S", Standard, 0, 1, "DIALOG_2_1", "UPPERCASE", nullptr,
     nullptr, STRING_CASE, nullptr},
    {108, "SStringLower", "Lower Case", "S", Standard, 0, 1, "DIALOG_2_1", "LOWERCASE", nullptr,
     nullptr, STRING_CASE, nullptr},
    {109, "SStringFind", "Find String", "S", Standard, 0, 1, "DIALOG_3_2", "FINDSTRING2", "Found*",
     "Not Found*",
     "eString to Search For:str|eString to Search In:str|vPosition Found:int,?|"
     "gGoto on Found:label=Found,code=D_COMPLETED,ok|"
     "gGoto on Not Found:label=Not Found,code=D_NOTFOUND,fail",
     nullptr},
    {110, "SStringReplace", "Replace String", "S", Standard, 0, 1, "DIALOG_4_2_C1",
     "REPLACESTRING", "Completed*", "Not Found*",
     "eString to Replace:str|eReplace With:str|vString to Search:str|vReplacements Made:int,?|"
     "gReplaced:code=D_COMPLETED,ok|gNot Found:code=D_NOTFOUND,fail|xReplace All:=1",
     nullptr},
    {111, "SStringInsert", "Insert String", "S", Standard, 0, 1, "DIALOG_3_1", "INSERTSTRING",
     nullptr, nullptr,
     "eString to Insert:str|eInsert Position:small,='1,[1..255]|vString:str|gGoto:next", nullptr},
    {112, "SStringNumComp", "Compare Text", "S", Standard, 0, 1, "DIALOG_2_3", "COMPARETEXT",
     nullptr, nullptr,
     "eFirst Text:str/dstr|eSecond Text:str/dstr|gGoto if Greater:label=1 > 2,code=D_GREATER|"
     "gGoto if Less:label=1 < 2,code=D_LESS|gGoto if Equal:label=1 = 2,code=D_EQUAL",
     nullptr},
    {113, "UGetDateNum", "Get Date Number", "U", Standard, 0, 1, "DIALOG_1_1", "GETDATENUM",
     nullptr, nullptr, "vStore Date:dnum|gGoto:next", nullptr},
    {114, "UGetDateStr", "Get Date String", "U", Standard, 0, 1, "DIALOG_1_1", "GETDATESTR",
     nullptr, nullptr, "vStore Date:dstr|gGoto:next", nullptr},
    {115, "UDateNumToStr", "Date Number to String", "U", Standard, 0, 1, "DIALOG_2_1",
     "DATENUMTOSTR", nullptr, nullptr, "eDate Number:dnum|vStore Date String:dstr|gGoto:next",
     nullptr},
    {116, "UDateStrToNum", "Date String to Number", "U", Standard, 0, 1, "DIALOG_2_1",
     "DATESTRTONUM", nullptr, nullptr, "eDate String:dstr|vStore Date Number:dnum|gGoto:next",
     nullptr},
    {120, "OStatsGetProg", "Program Statistics", "O", Standard, 0, 1, "DIALOG_2_2", "GETSTATS",
     nullptr, nullptr,
     "eProgram ID:str,len=32|vStatistics:T18|gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {121, "OErrorLogAdd", "Add to Error Log", "O", Extended, 5015, 4, "VQ_UTL_ERRLOGADD",
     "ERRORLOG", nullptr, nullptr,
     "eError Number:int,[0..2147483647]|eSeverity:small,='1,[0..9]|eCategory:small,='1,[0..255]|"
     "eProgram Name:str,len=32,?|eMessage Number:int,?|eValue 1:int,?|eValue 2:int,?|"
     "eValue 3:int,?|eText 1:str,len=128,?|eText 2:str,len=128,?|gGoto:next",
     nullptr},
    {122, "PRunProgram", "Run Program", "P", Standard, 0, 1, "DIALOG_3_2_C1", "RUNPROGRAM", nullptr,
     nullptr,
     "eProgram File:str,len=48,special=11|eArguments:str,len=128,?|vExit Code:int,?|"
     "gCompleted:code=D_COMPLETED|gFailed:code=D_FAILED|xWait for Completion:=1",
     nullptr},
    {126, "PEndProgram", "End Program", "P", Standard, 0, 1, "DIALOG_0_0", "ENDPROG", nullptr,
     nullptr, "", "none"},
    {134, "UPauseProgram", "Pause", "U", Standard, 0, 1, "DIALOG_1_1", "PAUSE", nullptr, nullptr,
     "ePause Time (mSec):int,='1000,[0..2147483647]|gGoto:next", nullptr},
    {136, "SStringCharIns", "Insert Character", "S", Standard, 0, 1, "DIALOG_3_1", "INSERTCHAR",
     nullptr, nullptr,
     "eCharacter:char/str|eInsert Position:small,='1,[1..255]|vString:str|gGoto:next", nullptr},
    {137, "PAdd", "Add", "P", Standard, 0, 0, "DIALOG_3_1", "ADD2", nullptr, nullptr,
     ARITH("Add Number/Date", "To Number/Date"), "none"},
    {138, "PSubtract", "Subtract", "P", Standard, 0, 0, "DIALOG_3_1", "SUBTRACT", nullptr, nullptr,
     ARITH("Initial Number/Date", "Minus Number/Date"), "none"},
    {139, "PMultiply", "Multiply", "P", Standard, 0, 1, "DIALOG_3_1", "MULTIPLY", nullptr, nullptr,
     "eMultiply Number:num|eBy Number:num|vStore Result:num|gGoto:next", "none"},
    {140, "PDivide", "Divide", "P", Standard, 0, 1, "DIALOG_3_1", "DIVIDE", nullptr, nullptr,
     "eDivide Number:num|eBy Number:num|vStore Result:num|gGoto:next", "none"},
    {141, "PIncrementAndCmp", "Count Loop", "P", Standard, 0, 1, "DIALOG_2_2", "COUNTLOOP",
     nullptr, nullptr,
     "vCounter:int|eLimit:int,[1..2147483647]|gGoto when Limit Reached:label=Limit Reached|"
     "gGoto while Below Limit:label=Below Limit",
     "none"},
    {142, "Start", "Start", "P", Standard, 0, 1, "DIALOG_0_1", "START", nullptr, nullptr,
     "gGoto:next", "none"},
    {181, "PEndBlock", "End Block", "P", None, 0, 0, nullptr, "ENDPAGE", nullptr, nullptr, "",
     "none"},
    {213, "USemaphoreReq", "Request Semaphore", "U", Standard, 0, 1, "DIALOG_2_2", "SEMREQUEST",
     "Completed*", "Timeout*",
     "eSemaphore Name:str,len=32|eTimeout (mSec):int,='-1,[-1..2147483647]|"
     "gAcquired:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {214, "USemaphoreClr", "Clear Semaphore", "U", Standard, 0, 1, "DIALOG_1_1", "SEMCLEAR",
     nullptr, nullptr, "eSemaphore Name:str,len=32|gGoto:next", nullptr},
    {216, "URandomRng", "Random Number", "U", Standard, 0, 1, "DIALOG_3_1", "RANDOM", nullptr,
     nullptr, "eLow Value:int,='1|eHigh Value:int,='100|vStore Result:int|gGoto:next", nullptr},
    {223, "OTrace", "Trace", "O", Extended, 5090, 4, "VQ_UTL_TRACE", "TRACE", nullptr, nullptr,
     "eTrace Text:str|gGoto:next", nullptr},
    {249, "PExp", "Power", "P", Extended, 5114, 4, "DIALOG_PEXP", "POWER", nullptr, nullptr,
     "eBase:num|eExponent:num|vStore Result:num|gGoto:next", nullptr},
    {250, "PMod", "Remainder", "P", Extended, 5115, 4, "DIALOG_PMOD", "MODULO", nullptr, nullptr,
     "eNumber:int|eDivisor:int,[1..2147483647]|vStore Remainder:int|gGoto:next", nullptr},
    {261, "PMultiCompare", "Multiple Compare", "P", Extended, 5124, 4, "DIALOG_PMULTICOMPARE",
     "MULTICOMPARE", nullptr, nullptr,
     "vCompare:str/num/dnum|gGoto Otherwise:label=Otherwise|eValue 1:str/num/dnum|"
     "eValue 2:str/num/dnum,?|eValue 3:str/num/dnum,?|eValue 4:str/num/dnum,?|"
     "eValue 5:str/num/dnum,?|eValue 6:str/num/dnum,?|eValue 7:str/num/dnum,?|"
     "eValue 8:str/num/dnum,?|eValue 9:str/num/dnum,?|eValue 10:str/num/dnum,?|"
     "eValue 11:str/num/dnum,?|eValue 12:str/num/dnum,?|eValue 13:str/num/dnum,?|"
     "eValue 14:str/num/dnum,?|eValue 15:str/num/dnum,?|gGoto on Value 1:label=Value 1|"
     "gGoto on Value 2:label=Value 2,?|gGoto on Value 3:label=Value 3,?|"
     "gGoto on Value 4:label=Value 4,?|gGoto on Value 5:label=Value 5,?|"
     "gGoto on Value 6:label=Value 6,?|gGoto on Value 7:label=Value 7,?|"
     "gGoto on Value 8:label=Value 8,?|gGoto on Value 9:label=Value 9,?|"
     "gGoto on Value 10:label=Value 10,?|gGoto on Value 11:label=Value 11,?|"
     "gGoto on Value 12:label=Value 12,?|gGoto on Value 13:label=Value 13,?|"
     "gGoto on Value 14:label=Value 14,?|gGoto on Value 15:label=Value 15,?",
     ">-1"},
    {282, "PSetBoolean", "Set Flag", "P", Extended, 5144, 4, "DIALOG_PSETBOOLEAN", "SETFLAG",
     nullptr, nullptr, "vFlag:bool|gGoto:next|rAction:base=1,radio=Set/Clear/Toggle,=1", "none"},
    {283, "PTestBoolean", "Test Flag", "bP", Standard, 5145, 1, "DIALOG_1_2", "TESTFLAG", nullptr,
     nullptr, "vFlag:bool|gGoto if True:label=True|gGoto if False:label=False", "none"},
    {284, "UMakeDate", "Make Date", "U", Extended, 5146, 4, "DIALOG_UMAKEDATE", "MAKEDATE",
     nullptr, nullptr,
     "vDate:dstr/dnum|eYear:small,[1900..2100],?|eMonth:small,[1..12],?|eDay:int|eHour:int,?|"
     "eMinute:int,?|eSecond:int,?|gGoto:next",
     nullptr},
    {285, "USplitDate", "Split Date", "U", Extended, 5147, 4, "DIALOG_USPLITDATE", "SPLITDATE",
     nullptr, nullptr,
     "eDate:dstr/dnum|vYear:small,?|vMonth:small,?|vDay:int,?|vDay of Week:small,?|vHour:int,?|"
     "vMinute:int,?|vSecond:int,?|gGoto:next",
     nullptr},
    {293, "OLECallMethod", "Call OLE Method", "O", Extended, 5155, 4, "DIALOG_OLECALLMETHOD",
     "OLECALL", nullptr, nullptr,
     "vOLE Object:T31|eMethod:str,len=64|eArguments:str,?|vResult:any,?|gCalled:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {300, "OSetApplicationStatus", "Set Status", "O", Standard, 5162, 1, "DIALOG_2_1",
     "SETSTATUS", nullptr, nullptr,
     "eStatus:small,='0,[0..255]|eStatus Text:str,len=80,?|gGoto:next", nullptr},
    {332, "KvGAM_UTL_CANTIM", "Cancel Timer", "U", Extended, 5194, 4, "VQ_UTL_CANTIM", "UITEST",
     nullptr, nullptr,
     "eTimer Number:small,='1,[1..16]|gCancelled:code=D_COMPLETED|gNot Set:code=D_NOTFOUND",
     nullptr},
    {333, "KvGAM_UTL_SETTIM", "Set Timer", "U", Extended, 5195, 4, "VQ_UTL_SETTIM", "UITEST",
     nullptr, nullptr,
     "eTimer Number:small,='1,[1..16]|eTime (mSec):int,='30000,[1..2147483647]|vHandler:pb|"
     "gSet:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {337, "OLECreate", "Create OLE Object", "O", Standard, 5199, 1, "DIALOG_2_2", "OLECREATE",
     nullptr, nullptr,
     "eProgram ID:str,len=64|vOLE Object:T31|gCreated:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {338, "OLEDestory", "Destroy OLE Object", "O", Standard, 5200, 1, "DIALOG_1_1", "OLEDESTROY",
     nullptr, nullptr, "vOLE Object:T31|gGoto:next", nullptr},
    {385, "KvGAM_UTL_GETCLKTYP", "Get Clock Type", "U", Extended, 5247, 4, "VQ_UTL_GETCLKTYP",
     "UITEST", nullptr, nullptr, "vClock Type:small|vTime Zone:str,?|gGoto:next", nullptr},
    {391, "KvGAM_ASSIGNVSVAR", "Assign VSentVar", "P", Extended, 5257, 4, "VQ_ASSIGNVSVAR",
     "UITEST", nullptr, nullptr, "vTarget:T46|vSource:vs/T46|gGoto:next", "none"},
};

#undef ARITH
#undef STRING_CASE
#undef LOG_STEP

}  // namespace

std::span<const CatalogueRow> ProgramRows() { return kRows; }

}  // namespace scribe
