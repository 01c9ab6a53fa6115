// Multimedia mail types: palette groups M and MMB.
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

constexpr CatalogueRow kRows[] = {
    {182, "MMMailCount", "Count Messages", "M", Extended, 5051, 4, "DIALOG_MMMAILCOUNT",
     "MMCOUNT", nullptr, nullptr,
     "eMailbox Number:str,len=257|vTotal Messages:int|vNew Messages:int,?|"
     "vUrgent Messages:int,?|gGoto:next",
     nullptr},
    {183, "MMMailChange", "Change Message", "M", Extended, 5052, 4, "DIALOG_MMMAILCHANGE",
     "MMCHANGE", nullptr, nullptr,
     "eMessage ID:num|gChanged:code=D_COMPLETED|gNot Found:code=D_NOTFOUND|xMark Read|"
     "xMark Urgent|xMark Private|xMark Saved",
     nullptr},
    {184, "MMMailOutQFlush", "Flush Out Queue", "M", Extended, 5053, 4, "DIALOG_MMMAILOUTQFLUSH",
     "MMFLUSH", nullptr, nullptr,
     "eMailbox Number:str,len=257|gFlushed:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {185, "MMMailForward", "Forward Message", "M", Extended, 5054, 4, "DIALOG_MMMAILFORWARD",
     "MMFORWARD", nullptr, nullptr,
     "eMessage ID:num|eRecipient:str,len=257|sComment Voice Sentence:?|"
     "gForwarded:code=D_COMPLETED|gNo Recipient:code=D_ADDRESSNOTFOUND|gFailed:code=D_FAILED|"
     "xKeep Copy:=1",
     nullptr},
    {186, "MMMailGet", "Get Message", "M", Extended, 5055, 4, "DIALOG_MMMAILGET", "MMGET",
     nullptr, nullptr,
     "eMailbox Number:str,len=257|eMessage Index:small,='1,[1..32767]|vMessage:T60|"
     "gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {187, "MMMailReply", "Reply to Message", "M", Extended, 5056, 4, "DIALOG_MMMAILREPLY",
     "MMREPLY", nullptr, nullptr,
     "eMessage ID:num|eReply File:str,len=121|gReplied:code=D_COMPLETED|gFailed:code=D_FAILED|"
     "xReply to All",
     nullptr},
    {188, "MMMailSend", "Send Message", "M", Extended, 5057, 4, "DIALOG_MMMAILSEND", "MMSEND",
     nullptr, nullptr,
     "eRecipient:str,len=257|eMessage File:str,len=121|eSubject:str,len=513,?|"
     "gSent:code=D_COMPLETED|gNo Recipient:code=D_ADDRESSNOTFOUND|gFailed:code=D_FAILED|"
     "xUrgent|xPrivate|xAcknowledge",
     nullptr},
    {189, "MMMailDelete", "Delete Message", "M", Extended, 5058, 4, "DIALOG_MMMAILDELETE",
     "MMDELETE", nullptr, nullptr,
     "eMessage ID:num|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND", nullptr},
    {190, "MMMailBoxChange", "Change Mailbox", "MMB", Extended, 5059, 4, "DIALOG_MMMAILBOXCHANGE",
     "MMBOXCHANGE", nullptr, nullptr,
     "eMailbox Number:str,len=257|ePassword:str,len=16,?|eGreeting File:str,len=121,?|"
     "gChanged:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {191, "MMMailBoxAdd", "Add Mailbox", "MMB", Extended, 5060, 4, "DIALOG_MMMAILBOXADD",
     "MMBOXADD", nullptr, nullptr,
     "eMailbox Number:str,len=257|ePassword:str,len=16,?|eFirst Name:str,len=129,?|"
     "eLast Name:str,len=129,?|gAdded:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS|"
     "gFailed:code=D_FAILED",
     nullptr},
    {192, "MMMailBoxDelete", "Delete Mailbox", "MMB", Extended, 5061, 4, "DIALOG_MMMAILBOXDELETE",
     "MMBOXDELETE", nullptr, nullptr,
     "eMailbox Number:str,len=257|gDeleted:code=D_COMPLETED|gNot Found:code=D_NOTFOUND|"
     "gIn Use:code=D_MBX_INUSE",
     nullptr},
    {194, "MMMailDeliver", "Deliver Message", "M", Extended, 5063, 4, "DIALOG_MMMAILDELIVER",
     "MMDELIVER", nullptr, nullptr,
     "eMessage ID:num|eDelivery Time:dstr,?|gDelivered:code=D_COMPLETED|"
     "gPending:code=D_PENDING|gFailed:code=D_FAILED",
     nullptr},
    {195, "MMDLDel", "Delete from List", "M", Extended, 5064, 4, "DIALOG_MMDLDEL", "MMDLDEL",
     nullptr, nullptr,
     "eList Name:str,len=64|eMember Address:str,len=257,?|gDeleted:code=D_COMPLETED|"
     "gNot Found:code=D_NOTFOUND",
     nullptr},
    {262, "MMMailInit", "Init Mail", "M", Extended, 5125, 4, "DIALOG_MMMAILINIT", "MMINIT",
     nullptr, nullptr, "eServer:str,len=64,?|gReady:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {263, "MMMailSetup", "Mail Setup", "M", Extended, 5126, 4, "DIALOG_MMMAILSETUP", "MMSETUP",
     nullptr, nullptr, "eMailbox Number:str,len=257|vMailbox Info:T61|gGoto:next", nullptr},
    {264, "MMMailGetFrag", "Get Message Part", "M", Extended, 5127, 4, "DIALOG_MMMAILGETFRAG",
     "MMGETPART", nullptr, nullptr,
     "eMessage ID:num|ePart Number:small,='1,[1..32767]|vBody:T59|vFile Name:str,?|"
     "gFound:code=D_COMPLETED|gNot Found:code=D_NOTFOUND",
     nullptr},
    {265, "MMMailAttach", "Attach to Message", "M", Extended, 5128, 4, "DIALOG_MMMAILATTACH",
     "MMATTACH", nullptr, nullptr,
     "eMessage ID:num|eAttachment File:str,len=121|eBody Type:small,='1,[0..20]|"
     "gAttached:code=D_COMPLETED|gFull:code=D_FULL|gFailed:code=D_FAILED",
     nullptr},
};

}  // namespace

std::span<const CatalogueRow> MultimediaMailRows() { return kRows; }

}  // namespace scribe
