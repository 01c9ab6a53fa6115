// Types kept for older applications and not offered by the current server: palette groups
// bNotSup, bNotSup2 and N/A (switching, serial ports, host screens, screen regions).
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define PORT "ePort:small,='1,[1..16]|"
#define TIMEOUT "eTimeout (mSec):int,='5000,[-1..2147483647]|"
#define REGION "eRegion:small,[1..32]|"
#define COLORS "Black/Blue/Green/Cyan/Red/Magenta/Brown/White"

constexpr CatalogueRow kRows[] = {
    {19, "WKillScrnRegion", "Remove Screen Region", "N/A", Standard, 0, 1, "DIALOG_1_1", nullptr,
     nullptr, nullptr, REGION "gGoto:next", nullptr},
    {22, "SWWaitLoopDrop", "Wait for Loop Drop", "bNotSup", Extended, 5009, 4,
     "DIALOG_SWWAITLOOPDROP", nullptr, "Completed*", "Timeout*",
     TIMEOUT "eLoop:small,='0,[0..512]|gDropped:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {24, "WClearScrnRegion", "Clear Screen Region", "N/A", Standard, 0, 1, "DIALOG_1_1", nullptr,
     nullptr, nullptr, REGION "gGoto:next", nullptr},
    {25, "WClearScreen", "Clear Screen", "N/A", Standard, 0, 1, "DIALOG_0_1", nullptr, nullptr,
     nullptr, "gGoto:next", nullptr},
    {33, "WWriteScrnRegion", "Write Screen Region", "N/A", Standard, 0, 1, "DIALOG_2_1", nullptr,
     nullptr, nullptr, REGION "eText:str,len=80|gGoto:next", nullptr},
    {130, "WDefScrnRegion", "Define Screen Region", "N/A", Standard, 0, 3, "DIALOG_WDEFSCRNREGION",
     nullptr, nullptr, nullptr,
     REGION "eTop Row:small,[1..50]|eLeft Column:small,[1..132]|eBottom Row:small,[1..50]|"
     "eRight Column:small,[1..132]|gGoto:next|rBorder:base=1,radio=None/Single/Double|"
     "rAt End:base=1,radio=Scroll/Wrap",
     "0,1,2,3,4,-284:6,-284:7"},
    {131, "WSetScrnRgnAttr", "Set Region Colors", "N/A", Standard, 0, 3,
     "DIALOG_WSETSCRNRGNATTR", nullptr, nullptr, nullptr,
     REGION "gGoto:next|rForeground:base=1,radio=" COLORS ",=8|rBackground:base=1,radio=" COLORS ",=1|"
     "rBlink:base=1,radio=Off/On,=1",
     "0,-284:2,-284:3,-284:4"},
    {132, "WWriteScrnAbs", "Write Screen", "N/A", Standard, 0, 3, "DIALOG_WWRITESCRNABS", nullptr,
     nullptr, nullptr,
     "eRow:small,[1..50]|eColumn:small,[1..132]|eText:str,len=80|gGoto:next|"
     "rStyle:base=1,radio=Normal/Bright/Reverse,=1",
     "0,1,2,-284:4"},
    {198, "SWConnect", "Connect Channels", "bNotSup", Extended, 5067, 4, "DIALOG_SWCONNECT",
     nullptr, nullptr, nullptr,
     "eChannel 1:small,[0..512]|eChannel 2:small,[0..512]|gConnected:code=D_COMPLETED|"
     "gFailed:code=D_FAILED|xFull Duplex:=1",
     nullptr},
    {199, "SWDisconnect", "Disconnect Channel", "bNotSup", Extended, 5068, 4,
     "DIALOG_SWDISCONNECT", nullptr, nullptr, nullptr, "eChannel:small,[0..512]|gGoto:next",
     nullptr},
    {200, "SWGetDevice", "Get Device", "bNotSup", Extended, 5069, 4, "DIALOG_SWGETDEVICE",
     nullptr, nullptr, nullptr,
     "eDevice Type:small,[0..32]|vDevice:small|gGot Device:code=D_COMPLETED|"
     "gNone Free:code=D_NOTFOUND",
     nullptr},
    {201, "SWDropDevice", "Drop Device", "bNotSup", Extended, 5070, 4, "DIALOG_SWDROPDEVICE",
     nullptr, nullptr, nullptr, "eDevice:small|gGoto:next", nullptr},
    {202, "SWSetAutoSwitch", "Set Auto Switch", "bNotSup", Extended, 5072, 4,
     "DIALOG_SWSETAUTOSWITCH", nullptr, nullptr, nullptr, "gGoto:next|xAuto Switch:=1", nullptr},
    {203, "SWGetNewHndl", "Get New Handle", "bNotSup", Extended, 5073, 4, "DIALOG_SWGETNEWHNDL",
     nullptr, nullptr, nullptr, "vHandle:int|gGoto:next", nullptr},
    {204, "CSetSerialParms", "Set Serial Parameters", "bNotSup", Extended, 5074, 4,
     "DIALOG_CSETSERIALPARMS", nullptr, nullptr, nullptr,
     PORT "eBaud Rate:int,='9600,[110..115200]|eData Bits:small,='8,[5..8]|"
     "eStop Bits:small,='1,[1..2]|eParity:small,='0,[0..4]|gSet:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {205, "CGetSerialParms", "Get Serial Parameters", "bNotSup", Extended, 5075, 4,
     "DIALOG_CGETSERIALPARMS", nullptr, nullptr, nullptr,
     PORT "vBaud Rate:int|vData Bits:small,?|vStop Bits:small,?|vParity:small,?|"
     "gGot:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {206, "CReadSerialPort", "Read Serial Port", "bNotSup", Extended, 5076, 4,
     "DIALOG_CREADSERIALPORT", nullptr, "Completed*", "Timeout*",
     PORT "vCharacter:char|" TIMEOUT "gRead:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {207, "CReadSerialPortStr", "Read Serial String", "bNotSup", Extended, 5078, 4,
     "DIALOG_CREADSERIALPORTSTR", nullptr, "Completed*", "Timeout*",
     PORT "vString:str|eMax Length:small,='80,[1..255]|" TIMEOUT "eTerminator:char,?|"
     "gRead:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {208, "CWrtSerialPort", "Write Serial Port", "bNotSup", Extended, 5079, 4,
     "DIALOG_CWRTSERIALPORT", nullptr, "Completed*", "Timeout*",
     PORT "eCharacter:char|" TIMEOUT "gWritten:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {209, "CWrtSrlPortStr", "Write Serial String", "bNotSup", Extended, 5080, 4,
     "DIALOG_CWRTSRLPORTSTR", nullptr, "Completed*", "Timeout*",
     PORT "eString:str|" TIMEOUT "gWritten:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {210, "CFlshSerialPort", "Flush Serial Port", "bNotSup", Extended, 5081, 4,
     "DIALOG_CFLSHSERIALPORT", nullptr, nullptr, nullptr,
     PORT "gGoto:next|xInput:=1|xOutput:=1", nullptr},
    {211, "CDiscSerialPort", "Disconnect Serial Port", "bNotSup", Extended, 5082, 4,
     "DIALOG_CDISCSERIALPORT", nullptr, nullptr, nullptr, PORT "gGoto:next", nullptr},
    {212, "CGetSerialSignals", "Get Serial Signals", "bNotSup", Extended, 5083, 4,
     "DIALOG_CGETSERIALSIGNALS", nullptr, nullptr, nullptr, PORT "vSignals:int|gGoto:next",
     nullptr},
    {235, "HTest", "Test Host Screen", "bNotSup", Extended, 5100, 4, "DIALOG_HTEST", nullptr,
     "Completed*", "Not Found*",
     "eRow:small,[1..50]|eColumn:small,[1..132]|eText:str,len=80|gFound:code=D_COMPLETED,ok|"
     "gNot Found:code=D_NOTFOUND,fail",
     nullptr},
    {236, "HSearch", "Search Host Screen", "bNotSup", Extended, 5101, 4, "DIALOG_HSEARCH",
     nullptr, "Completed*", "Not Found*",
     "eText:str,len=80|vRow:small,?|vColumn:small,?|gFound:code=D_COMPLETED,ok|"
     "gNot Found:code=D_NOTFOUND,fail",
     nullptr},
    {237, "HStatus", "Host Status", "bNotSup", Extended, 5102, 4, "DIALOG_HSTATUS", nullptr,
     nullptr, nullptr,
     "vStatus:int|gConnected:code=D_COMPLETED|gDisconnected:code=D_LOSTCONN", nullptr},
    {238, "HGetCursorPos", "Get Host Cursor", "bNotSup", Extended, 5103, 4, "DIALOG_HGETCURSORPOS",
     nullptr, nullptr, nullptr, "vRow:small|vColumn:small|gGoto:next", nullptr},
    {239, "HPutCursor", "Put Host Cursor", "bNotSup", Extended, 5104, 4, "DIALOG_HPUTCURSOR",
     nullptr, nullptr, nullptr, "eRow:small,[1..50]|eColumn:small,[1..132]|gGoto:next", nullptr},
    {240, "HRead", "Read Host Screen", "bNotSup", Extended, 5105, 4, "DIALOG_HREAD", nullptr,
     nullptr, nullptr,
     "eRow:small,[1..50]|eColumn:small,[1..132]|eLength:small,[1..1920]|vText:str|gGoto:next",
     nullptr},
    {241, "HSend", "Send to Host", "bNotSup", Extended, 5106, 4, "DIALOG_HSEND", nullptr,
     "Completed*", "Timeout*",
     "eText:str|" TIMEOUT "gSent:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail|"
     "xSend Enter:=1",
     nullptr},
    {242, "HCLConf", "Connect to Host", "bNotSup", Extended, 5107, 4, "DIALOG_HCLCONF", nullptr,
     "Completed*", "Timeout*",
     "eHost Name:str,len=64|eSession:str,len=32,?|" TIMEOUT
     "gConnected:code=D_COMPLETED,ok|gTimeout:code=D_TIMEOUT,fail",
     nullptr},
    {252, "VREchoFilter", "Set Echo Filter", "bNotSup", Extended, 5112, 4, "DIALOG_0_1",
     "setechofilter", nullptr, nullptr, "gGoto:next", nullptr},
    {259, "VRSpeller", "Spell Word", "bNotSup", Extended, 5122, 4, "DIALOG_VRSPELLER", nullptr,
     nullptr, nullptr,
     "sMain Voice Sentence|vSpelled Word:str|eSpelling Database:str,len=48|"
     "gValid:code=D_COMPLETED|gNo Match:code=D_NOMATCHFOUND|gTimeout:code=D_SPEECH_TIMEOUT",
     nullptr},
    {260, "VRLoadSpellDB", "Load Spelling Database", "bNotSup", Extended, 5123, 4,
     "DIALOG_VRLOADSPELLDB", nullptr, nullptr, nullptr,
     "eDatabase File:str,len=48,special=11|gLoaded:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {270, "MMMailBoxSetup", "Mailbox Setup", "N/A", Extended, 5133, 4, "DIALOG_MMMAILBOXSETUP",
     nullptr, nullptr, nullptr, "eMailbox Number:str,len=257|vMailbox Info:T61|gGoto:next",
     nullptr},
    {289, "PObsolete", "Obsolete", "bNotSup2", Extended, 5151, 4, "DIALOG_0_1", nullptr, nullptr,
     nullptr, "gGoto:next", "none"},
    {294, "OLESetEventHandle", "Set OLE Event Handler", "bNotSup2", Extended, 5156, 4,
     "DIALOG_OLESETEVENTHANDLE", nullptr, nullptr, nullptr,
     "vOLE Object:T31|vHandler:pb|gGoto:next", nullptr},
    {339, "OLESetProperties", "Set OLE Property", "N/A", Extended, 5201, 1, "DIALOG_3_2", nullptr,
     nullptr, nullptr,
     "vOLE Object:T31|eProperty:str,len=64|eValue:str|gSet:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {340, "OLEGetProperties", "Get OLE Property", "N/A", Extended, 5202, 1, "DIALOG_3_2", nullptr,
     nullptr, nullptr,
     "vOLE Object:T31|eProperty:str,len=64|vValue:any|gGot:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
};

#undef PORT
#undef TIMEOUT
#undef REGION
#undef COLORS

}  // namespace

std::span<const CatalogueRow> UnsupportedRows() { return kRows; }

}  // namespace scribe
