// Call control, client and event types: palette groups T, bT, E (and the event switches of
// bNotSup2).
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define EVENT_MASK "eEvent Mask:int,='65535,[0..2147483647]|gGoto:next"
#define EVENT_NUMBER "eEvent Number:int,[0..65535]|gGoto:next"

constexpr CatalogueRow kRows[] = {
    {143, "UHandleEvent", "Handle Event", "E", Standard, 0, 1, "DIALOG_10_2", "HANDLEEVENT",
     nullptr, nullptr,
     "eEvent Label 1:int|eEvent Label 2:int,?|eEvent Label 3:int,?|eEvent Label 4:int,?|"
     "eEvent Label 5:int,?|eEvent Label 6:int,?|eEvent Label 7:int,?|eEvent Label 8:int,?|"
     "eEvent Label 9:int,?|eEvent Label 10:int,?|gGoto on Match:label=Match|"
     "gGoto Otherwise:label=Otherwise",
     "none"},
    {144, "UEndErrProcess", "End Error", "E", Standard, 0, 1, "DIALOG_0_1", "UENDERRPROCESS",
     nullptr, nullptr, "gGoto:next", nullptr},
    {215, "POnEvent", "On Event", "E", Extended, 5084, 4, "DIALOG_PONEVENT", "ONEVENT", nullptr,
     nullptr,
     "eEvent Data:int,='0|vEvent Handler:pb,?|gGoto:next|xOnce Only|cEvent:list=1,=Error",
     "0,1,-270:3,-293:4"},
    {220, "TCallHold", "Hold Call", "T", Extended, 5087, 4, "DIALOG_TCALLHOLD", "CALLHOLD",
     nullptr, nullptr,
     "eExtension:str,len=61,?|gHeld:code=D_COMPLETED|gFailed:code=D_FAILED|xRetrieve Held Call",
     nullptr},
    {221, "TCallPickup", "Pickup Call", "T", Extended, 5088, 4, "DIALOG_TCALLPICKUP",
     "CALLPICKUP", nullptr, nullptr,
     "eExtension:str,len=61|gPicked Up:code=D_COMPLETED|gNo Call:code=D_NOTFOUND|"
     "gFailed:code=D_FAILED",
     nullptr},
    {222, "TCallPark", "Park Call", "T", Extended, 5089, 4, "DIALOG_TCALLPARK", "CALLPARK",
     nullptr, nullptr,
     "eOrbit:str,len=16,?|vOrbit Used:str,?|gParked:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {231, "TGetISDNInfo", "Get ISDN Information", "T", Extended, 5097, 4, "VQ_TEL_ISDNINFO",
     "ISDNINFO", nullptr, nullptr,
     "vCalling Number:str,?|vCalled Number:str,?|vRedirecting Number:str,?|vCalling Name:str,?|"
     "vBearer Capability:int,?|gGoto:next",
     nullptr},
    {246, "UBeginErrProcess", "Begin Error", "E", Standard, 0, 1, "DIALOG_0_1", "UENDERRPROCESS",
     nullptr, nullptr, "gGoto:next", nullptr},
    {247, "PReturnEvent", "Return Event", "E", Standard, 0, 1, "DIALOG_0_0", "ENDPROGRAM", nullptr,
     nullptr, "", ">-1"},
    {271, "TPostEvent", "Post Event", "E", Extended, 5134, 4, "DIALOG_TPOSTEVENT", "POSTEVENT",
     nullptr, nullptr,
     "eEvent Number:int,[0..65535]|eEvent Data:str,len=128,?|"
     "eTarget Channel:small,='-1,[-1..512]|gGoto:next",
     nullptr},
    {272, "TGetEventData", "Get Event Data", "E", Extended, 5135, 4, "DIALOG_TGETEVENTDATA",
     "GETEVENTDATA", nullptr, nullptr,
     "vEvent Number:int|vEvent Data:str,?|vSource Channel:small,?|gGot Data:code=D_COMPLETED|"
     "gNo Event:code=D_NOTFOUND",
     nullptr},
    {273, "TEventContinue", "Continue after Event", "E", Extended, 0, 4, "DIALOG_0_0",
     "EVENTCONTINUE", nullptr, nullptr, "", nullptr},
    {274, "TWaitEvent", "Wait for Event", "E", Extended, 5136, 4, "DIALOG_TWAITEVENT",
     "WAITEVENT", nullptr, nullptr,
     "eTimeout (mSec):int,='-1,[-1..2147483647]|vEvent Number:int,?|"
     "gEvent Arrived:code=D_COMPLETED|gTimeout:code=D_TIMEOUT",
     nullptr},
    {275, "TPeekEvent", "Peek Event", "E", Extended, 5137, 4, "DIALOG_TPEEKEVENT", "PEEKEVENT",
     nullptr, nullptr,
     "vEvent Number:int,?|gEvent Waiting:code=D_COMPLETED|gNo Event:code=D_NOTFOUND", nullptr},
    {276, "TAcceptEvents", "Accept Events", "bNotSup2", Extended, 5138, 4,
     "DIALOG_TACCEPTEVENTS", nullptr, nullptr, nullptr, EVENT_MASK, nullptr},
    {277, "TRefuseEvents", "Refuse Events", "bNotSup2", Extended, 5139, 4,
     "DIALOG_TREFUSEEVENTS", nullptr, nullptr, nullptr, EVENT_MASK, nullptr},
    {278, "TPollEvents", "Poll Events", "E", Extended, 5140, 4, "DIALOG_TPOLLEVENTS",
     "POLLEVENTS", nullptr, nullptr, "gGoto:next|xPoll Once", nullptr},
    {279, "TSuspendEvents", "Suspend Events", "bNotSup2", Extended, 5141, 4,
     "DIALOG_TSUSPENDEVENTS", nullptr, nullptr, nullptr, "gGoto:next|xResume", nullptr},
    {280, "TEnableEventHandler", "Enable Event Handler", "bNotSup2", Extended, 5142, 4,
     "DIALOG_TENABLEEVENTHANDLER", nullptr, nullptr, nullptr, EVENT_NUMBER, nullptr},
    {281, "TDisableEventHandler", "Disable Event Handler", "bNotSup2", Extended, 5143, 4,
     "DIALOG_TDISABLEEVENTHANDLER", nullptr, nullptr, nullptr, EVENT_NUMBER, nullptr},
    {287, "TDisplay", "Display Text", "T", Extended, 5149, 4, "DIALOG_TDISPLAY", "DISPLAY",
     nullptr, nullptr,
     "eDisplay Text:str,len=41|eLine:small,='1,[1..4]|eDuration (Sec):small,='0,[0..3600]|"
     "gGoto:next",
     nullptr},
    {295, "TGetCallInfo", "Get Call Information", "T", Extended, 5157, 4, "DIALOG_TGETCALLINFO",
     "GETCALLINFO", nullptr, nullptr,
     "vCall Information:T62|gGot Info:code=D_COMPLETED|gNo Info:code=D_CS_NOINFO", nullptr},
    {296, "TSetCallInfo", "Set Call Information", "T", Extended, 5158, 4, "DIALOG_TSETCALLINFO",
     "SETCALLINFO", nullptr, nullptr, "vCall Information:T62|gGoto:next", nullptr},
    {297, "TSendEventData", "Send Event Data", "bT", Extended, 5159, 4, "DIALOG_TSENDEVENTDATA",
     nullptr, nullptr, nullptr,
     "eClient Name:str,len=32|eEvent Number:int,[0..65535]|eEvent Data:str,len=128,?|"
     "gSent:code=D_COMPLETED|gNo Client:code=D_NOTFOUND",
     nullptr},
    {298, "TUnregisterClientHandler", "Unregister Client", "T", Standard, 5160, 1, "DIALOG_1_1",
     "UNREGCLIENT", nullptr, nullptr, "eClient Name:str,len=32|gGoto:next", nullptr},
    {299, "TRegisterClientHandler", "Register Client", "T", Extended, 5161, 4,
     "DIALOG_TREGISTERCLIENTHANDLER", "REGCLIENT", nullptr, nullptr,
     "eClient Name:str,len=32|vHandler:pb|eEvent Mask:int,='65535,[0..2147483647]|"
     "gRegistered:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {336, "TFlushEvents", "Flush Events", "E", Extended, 5198, 4, "DIALOG_TFLUSHEVENTS",
     "FLUSHEVENTS", nullptr, nullptr, "gGoto:next", nullptr},
};

#undef EVENT_MASK
#undef EVENT_NUMBER

}  // namespace

std::span<const CatalogueRow> TelephonyRows() { return kRows; }

}  // namespace scribe
