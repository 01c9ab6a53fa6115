// Fax request, document and batch types: palette group X and the fax types of bP and
// bNotSup2.
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define FAX_PARM_VALUES "eValue 1:int/str,?|eValue 2:int/str,?|eValue 3:int/str,?|" \
  "eValue 4:int/str,?|eValue 5:int/str,?|eValue 6:int/str,?|eValue 7:int/str,?|" \
  "eValue 8:int/str,?|gGoto:next|cParameter 1:list=6|cParameter 2:list=6|" \
  "cParameter 3:list=6|cParameter 4:list=6|cParameter 5:list=6|cParameter 6:list=6|" \
  "cParameter 7:list=6|cParameter 8:list=6"
#define BATCH "vBatch Handle:int|"

constexpr CatalogueRow kRows[] = {
    {149, "XFaxAddDocument", "Add Fax Document", "X", Extended, 5020, 4,
     "DIALOG_XFAXADDDOCUMENT", "ADDFAXDOC", nullptr, nullptr,
     "vFax Request:T52|eDocument File:str,len=121|gAdded:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND|gFailed:code=D_FAILED",
     "-290,*"},
    {150, "XFaxSchedule", "Schedule Fax", "X", Extended, 5021, 4, "DIALOG_XFAXSCHEDULE",
     "SCHEDFAX", nullptr, nullptr,
     "vFax Request:T52|eDeliver Time:dstr,?|ePriority:int,='5,[0..9]|vJob ID:str,?|"
     "gScheduled:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-290,*"},
    {151, "XFaxAddHeader", "Add Fax Header", "X", Extended, 5022, 4, "DIALOG_XFAXADDHEADER",
     "ADDFAXHDR", nullptr, nullptr,
     "vFax Request:T52|eHeader Text:str,len=64|gAdded:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-290,*"},
    {152, "XFaxAddCover", "Add Fax Cover", "bP", FaxCover, 5004, 4, "DIALOG_FAXCOVER", "ADDFAXCV",
     nullptr, nullptr,
     "vFax Request:T52|eCover Template:str,len=121|eTo Name:str,len=64,?|"
     "eTo Company:str,len=64,?|eTo Fax Number:str,len=32|eTo Voice Number:str,len=32,?|"
     "eTo Address 1:str,len=64,?|eTo Address 2:str,len=64,?|eTo City:str,len=32,?|"
     "eTo State:str,len=32,?|eTo Postal Code:str,len=32,?|eTo Country:str,len=32,?|"
     "eFrom Name:str,len=64,?|eFrom Company:str,len=64,?|eFrom Fax Number:str,len=32,?|"
     "eFrom Voice Number:str,len=32,?|eFrom Address 1:str,len=64,?|"
     "eFrom Address 2:str,len=64,?|eFrom City:str,len=32,?|eFrom State:str,len=32,?|"
     "eFrom Postal Code:str,len=32,?|eFrom Country:str,len=32,?|eSubject:str,len=64,?|"
     "eDate:dstr,?|eNumber of Pages:small,?,[0..9999]|eReference:str,len=32,?|"
     "eComment Line 1:str,len=80,?|eComment Line 2:str,len=80,?|eComment Line 3:str,len=80,?|"
     "eComment Line 4:str,len=80,?|eComment Line 5:str,len=80,?|eComment Line 6:str,len=80,?|"
     "eComment Line 7:str,len=80,?|eComment Line 8:str,len=80,?|eComment Line 9:str,len=80,?|"
     "eComment Line 10:str,len=80,?|eComment Line 11:str,len=80,?|"
     "eComment Line 12:str,len=80,?|gAdded:code=D_COMPLETED|gFailed:code=D_FAILED|"
     "xInclude Date:=1|xInclude Page Count:=1|xUrgent|xPlease Reply",
     "-290,*"},
    {153, "XFaxParmSet", "Set Fax Parameter", "X", Extended, 5023, 4, "DIALOG_XFAXPARMSET",
     "FAXPARMSET", nullptr, nullptr, FAX_PARM_VALUES, "-293:9,0"},
    {154, "XFaxAddCoverFile", "Add Cover File", "X", Extended, 5024, 4, "DIALOG_XFAXADDCOVERFILE",
     "ADDCOVERFILE", nullptr, nullptr,
     "vFax Request:T52|eCover File:str,len=121|gAdded:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-290,*"},
    {155, "XFaxPutBackReq", "Put Back Request", "X", Extended, 5025, 4, "DIALOG_XFAXPUTBACKREQ",
     "PUTBACKFAX", nullptr, nullptr,
     "vFax Request:T52|eRetry Delay (Sec):int,='300,[0..86400],?|gGoto:next", "-290,*"},
    {156, "XFaxDeleteReq", "Delete Request", "X", Extended, 5028, 4, "DIALOG_XFAXDELETEREQ",
     "DELFAXREQ", nullptr, nullptr,
     "vFax Request:T52|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", "-290,*"},
    {157, "XFaxGetAndSend", "Get and Send Fax", "X", Extended, 5029, 4, "DIALOG_XFAXGETANDSEND",
     "SENDNEXTFAX", nullptr, nullptr,
     "vFax Request:T52|gSent:code=D_COMPLETED|gNo Requests:code=D_NOTFOUND|"
     "gBusy:code=D_CS_BUSY|gNo Answer:code=D_CS_NOANSWER|"
     "gNot Fax Machine:code=D_NOT_FAX_MACHINE|gTransmit Error:code=D_TRANSMITERR",
     "-290,*"},
    {159, "XFaxBcastBegin", "Begin Broadcast", "X", Extended, 5031, 4, "DIALOG_XFAXBCASTBEGIN",
     "BCASTBEGIN", nullptr, nullptr,
     "eBroadcast Name:str,len=64|vFax Request:T52|gGoto:next", "-290,*"},
    {161, "XFaxGetReq", "Get Fax Request", "X", Extended, 5033, 4, "DIALOG_XFAXGETREQ",
     "GETFAXREQ", nullptr, nullptr,
     "eQueue:int,='0,?|vFax Request:T52|gFound:code=D_COMPLETED|gNo Requests:code=D_NOTFOUND",
     "-290,*"},
    {162, "XFaxChangeDBs", "Change Fax Databases", "bP", Extended, 5034, 4,
     "DIALOG_XFAXCHANGEDBS", "FAXDBS", nullptr, nullptr,
     "eFax Request Database:str,len=48,special=11|eFax Job Database:str,len=48,special=11,?|"
     "gChanged:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {179, "XFaxMakeDocument", "Make Fax Document", "bP", Extended, 5050, 4,
     "DIALOG_XFAXMAKEDOCUMENT", "MAKEFAXDOC", nullptr, nullptr,
     "eDocument Name:str,len=48|eSource File:str,len=121|vFax Document:T30|"
     "gMade:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {230, "XFaxExists", "Fax Item Exists", "bP", Extended, 5096, 4, "DIALOG_XFAXEXISTS",
     "FAXEXISTS", nullptr, nullptr,
     "eFax Item:str,len=48|gExists:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {245, "XFaxBcastEnd", "End Broadcast", "bP", Extended, 5110, 4, "DIALOG_XFAXBCASTEND",
     "BCASTEND", nullptr, nullptr, "vFax Request:T52|gGoto:next", "-290,0"},
    {268, "XFaxChangeJob", "Change Fax Job", "bP", Extended, 5131, 4, "DIALOG_XFAXCHANGEJOB",
     "FAXJOB", nullptr, nullptr,
     "eJob ID:str,len=16|ePriority:int,[0..9],?|eDeliver Time:dstr,?|gChanged:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
    {269, "XFaxGetDocs", "Get Fax Documents", "bNotSup2", Extended, 5132, 4, "DIALOG_XFAXGETDOCS",
     nullptr, nullptr, nullptr, "vFax Request:T52|vDocument Count:int|gGoto:next", "-290,*"},
    {290, "XMakeFaxDocument", "New Fax Document", "bNotSup2", Extended, 5152, 4,
     "DIALOG_XMAKEFAXDOCUMENT", nullptr, nullptr, nullptr,
     "eDocument Name:str,len=48|vFax Document:T30|gGoto:next", nullptr},
    {291, "XContinueDocument", "Continue Document", "bNotSup2", Extended, 5153, 4,
     "DIALOG_XCONTINUEDOCUMENT", nullptr, nullptr, nullptr,
     "vFax Document:T30|gGoto:next|rPage Mode:base=1,radio=New Page/Same Page,=1", "-284:2,0"},
    {292, "XAddVellafaxCover", "Add Vellafax Cover", "bNotSup2", Extended, 5154, 4,
     "DIALOG_XADDVELLAFAXCOVER", nullptr, nullptr, nullptr,
     "vFax Document:T30|eCover Template:str,len=121|gAdded:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {374, "KvGAM_FAX_OPENBATCH", "Open Fax Batch", "bP", Extended, 5236, 4, "VQ_FAX_OPENBATCH",
     "UITEST", nullptr, nullptr,
     "eBatch Name:str,len=64|" BATCH "gOpened:code=D_COMPLETED|gFailed:code=D_FAILED", "-290,*"},
    {375, "KvGAM_FAX_INSBATCH", "Insert in Fax Batch", "bP", Extended, 5237, 4,
     "VQ_FAX_INSBATCH", "UITEST", nullptr, nullptr,
     BATCH "eFax Item:str,len=121|gInserted:code=D_COMPLETED|gFailed:code=D_FAILED", "-290,*"},
    {376, "KvGAM_FAX_BATCHTOMSG", "Fax Batch to Message", "bP", Extended, 5238, 4,
     "VQ_FAX_BATCHTOMSG", "UITEST", nullptr, nullptr,
     BATCH "gConverted:code=D_COMPLETED|gBatch Failed:code=D_BATCHFAILED", "-290,-306,*"},
    {377, "KvGAM_FAX_MSGTOBATCH", "Message to Fax Batch", "bP", Extended, 5239, 4,
     "VQ_FAX_MSGTOBATCH", "UITEST", nullptr, nullptr,
     BATCH "gConverted:code=D_COMPLETED|gFailed:code=D_FAILED", "-290,-306,*"},
    {378, "KvGAM_FAX_CLOSEBATCH", "Close Fax Batch", "bP", Extended, 5240, 4,
     "VQ_FAX_CLOSEBATCH", "UITEST", nullptr, nullptr,
     BATCH "gClosed:code=D_COMPLETED|gFailed:code=D_FAILED", "-290,*"},
    {379, "KvGAM_FAX_DESTROYBATCH", "Destroy Fax Batch", "bP", Extended, 5241, 4,
     "VQ_FAX_DESTROYBATCH", "UITEST", nullptr, nullptr, BATCH "gGoto:next", "-290,*"},
    {380, "KvGAM_FAX_SETBATCHPAR", "Set Batch Parameters", "bP", Extended, 5242, 4,
     "VQ_FAX_SETBATCHPAR", "UITEST", nullptr, nullptr,
     BATCH "eHeader Text:str,len=64,?|eStation ID:str,len=21,?|eResolution:small,[0..1],?|"
     "gSet:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-290,*"},
    {381, "KvGAM_FAX_SETCPVAR", "Set Cover Variable", "bP", Extended, 5243, 4, "VQ_FAX_SETCPVAR",
     "UITEST", nullptr, nullptr,
     "eVariable Name:str,len=32|eValue:str,len=128|gSet:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-290,*"},
};

#undef FAX_PARM_VALUES
#undef BATCH

}  // namespace

std::span<const CatalogueRow> FaxRows() { return kRows; }

}  // namespace scribe
