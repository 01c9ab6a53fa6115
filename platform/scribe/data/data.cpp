// File, record file, database and SQL types: palette groups F, bF and bU (and the record
// database operations of bP).
#include "scribe/catalogue.h"

namespace scribe {
namespace {

using enum ParmLayout;

#define DB_STEP "vFile Handle:T22|vRecord:any|gFound:code=D_COMPLETED|gEnd of File:code=D_EOF|" \
  "gLocked:code=D_RECLOCKED,?"
#define DB_KEYED "vFile Handle:T22|eKey:str|vRecord:any|gFound:code=D_COMPLETED|" \
  "gNot Found:code=D_RECNOTFOUND|gLocked:code=D_RECLOCKED,?"

constexpr CatalogueRow kRows[] = {
    {23, "FUniqueFile", "Unique File Name", "F", Standard, 0, 1, "DIALOG_3_1", "UNIQUEFILE",
     nullptr, nullptr,
     "eDirectory:str,len=48|eExtension:str,len=5,?|vFile Name:str|gGoto:next", nullptr},
    {30, "FFileRead", "Read File", "F", Standard, 0, 1, "DIALOG_2_3", "FILEREAD", nullptr, nullptr,
     "vFile Handle:T22|vData Variable:any|gRead:code=D_COMPLETED|gEnd of File:code=D_EOF|"
     "gFailed:code=D_FAILED",
     "0,-289:1"},
    {31, "FFileWrite", "Write File", "F", Standard, 0, 1, "DIALOG_2_3", "FILEWRITE", nullptr,
     nullptr,
     "vFile Handle:T22|vData Variable:any|gWritten:code=D_COMPLETED|gDisk Full:code=D_FULL|"
     "gFailed:code=D_FAILED",
     "0,-289:1"},
    {47, "FFileReadLine", "Read Line", "F", Standard, 0, 1, "DIALOG_3_3", "READLINE", nullptr,
     nullptr,
     "vFile Handle:T22|vLine:str|eMax Length:small,='255,[1..255],?|gRead:code=D_COMPLETED|"
     "gEnd of File:code=D_EOF|gFailed:code=D_FAILED",
     nullptr},
    {77, "DDBOpen", "DB Open", "bU", Standard, 0, 1, "DIALOG_3_2_C2", "DBOPEN", nullptr, nullptr,
     "eDatabase File:str,len=48,special=11|vFile Handle:T22|vDB Info:T7,?|"
     "gOpened:code=D_COMPLETED|gFailed:code=D_FAILED|xRead Only|xExclusive",
     nullptr},
    {78, "DDBGetFirst", "DB Get First", "bU", Standard, 0, 1, "DIALOG_2_3", "DBFIRST", nullptr,
     nullptr, DB_STEP, "0,-289:1"},
    {79, "DDBGetNext", "DB Get Next", "bU", Standard, 0, 1, "DIALOG_2_3", "DBNEXT", nullptr,
     nullptr, DB_STEP, "0,-289:1"},
    {80, "DDBGetLast", "DB Get Last", "bU", Standard, 0, 1, "DIALOG_2_3", "DBLAST", nullptr,
     nullptr, DB_STEP, "0,-289:1"},
    {81, "DDBGetPrev", "DB Get Previous", "bU", Standard, 0, 1, "DIALOG_2_3", "DBPREV", nullptr,
     nullptr, DB_STEP, "0,-289:1"},
    {82, "DDBGetEqual", "DB Get Equal", "bU", Standard, 0, 1, "DIALOG_3_3", "DBEQUAL", nullptr,
     nullptr, DB_KEYED, "0,1,-289:2"},
    {83, "DDBUpdate", "DB Update", "bU", Standard, 0, 1, "DIALOG_2_3", "DBUPDATE", nullptr,
     nullptr,
     "vFile Handle:T22|vRecord:any|gUpdated:code=D_COMPLETED|gChanged:code=D_RECCHANGED|"
     "gLocked:code=D_RECLOCKED",
     "0,-289:1"},
    {84, "DDBInsert", "DB Insert", "bU", Standard, 0, 1, "DIALOG_2_3", "DBINSERT", nullptr,
     nullptr,
     "vFile Handle:T22|vRecord:any|gInserted:code=D_COMPLETED|gDuplicate:code=D_ALREADYEXISTS|"
     "gFull:code=D_FULL",
     "0,-289:1"},
    {85, "DDBDelete", "DB Delete", "bU", Standard, 0, 1, "DIALOG_1_2", "DBDELETE", nullptr,
     nullptr, "vFile Handle:T22|gDeleted:code=D_COMPLETED|gNot Found:code=D_RECNOTFOUND",
     nullptr},
    {86, "DDBSwitchKeys", "DB Switch Keys", "bU", Standard, 0, 1, "DIALOG_2_1", "DBKEYS", nullptr,
     nullptr, "vFile Handle:T22|eKey Number:small,='0,[0..15]|gGoto:next", nullptr},
    {87, "DDBLock", "DB Lock", "bP", Extended, 5010, 3, "DIALOG_DDBLOCK", "DBLOCK", nullptr,
     nullptr,
     "vFile Handle:T22|gLocked:code=D_COMPLETED|gIn Use:code=D_RECLOCKED|"
     "rLock:base=1,radio=Record/File|rWait:base=1,radio=Wait/No Wait",
     "0,-284:3,-284:4"},
    {88, "DDBUnlock", "DB Unlock", "bP", Standard, 0, 1, "DIALOG_1_1_C1", "DBUNLOCK", nullptr,
     nullptr, "vFile Handle:T22|gGoto:next|xUnlock File", nullptr},
    {89, "DDBClose", "DB Close", "bP", Standard, 0, 1, "DIALOG_1_1", "DBCLOSE", nullptr, nullptr,
     "vFile Handle:T22|gGoto:next", nullptr},
    {90, "DDBGetGreater", "DB Get Greater", "bP", Standard, 0, 1, "DIALOG_3_3", "DBGREATER",
     nullptr, nullptr, DB_KEYED, "0,1,-289:2"},
    {91, "DDBGetLess", "DB Get Less", "bP", Standard, 0, 1, "DIALOG_3_3", "DBLESS", nullptr,
     nullptr, DB_KEYED, "0,1,-289:2"},
    {92, "DDBGetGreaterEq", "DB Get Greater Equal", "bP", Standard, 0, 1, "DIALOG_3_3",
     "DBGREATEREQ", nullptr, nullptr, DB_KEYED, "0,1,-289:2"},
    {93, "DDBGetLessEq", "DB Get Less Equal", "bP", Standard, 0, 1, "DIALOG_3_3", "DBLESSEQ",
     nullptr, nullptr, DB_KEYED, "0,1,-289:2"},
    {94, "DDBNewKey", "DB New Key", "bP", Standard, 0, 1, "DIALOG_3_2", "DBNEWKEY", nullptr,
     nullptr,
     "vFile Handle:T22|eKey Expression:str,len=128|eIndex Tag:str,len=16|"
     "gCreated:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {101, "FFileWriteLine", "Write Line", "F", Standard, 0, 1, "DIALOG_2_2", "WRITELINE", nullptr,
     nullptr,
     "vFile Handle:T22|eLine:str|gWritten:code=D_COMPLETED|gFailed:code=D_FAILED", nullptr},
    {118, "FFileCopy", "Copy File", "F", Standard, 0, 1, "DIALOG_2_3_C1", "FILECOPY", nullptr,
     nullptr,
     "eSource File:str,len=48,special=11|eDestination File:str,len=48,special=11|"
     "gCopied:code=D_COMPLETED|gNot Found:code=D_NOTFOUND|gFailed:code=D_FAILED|xOverwrite",
     nullptr},
    {128, "FFileSeek", "Seek File", "F", Standard, 0, 1, "DIALOG_3_2", "FILESEEK", nullptr,
     nullptr,
     "vFile Handle:T22|eOffset (Bytes):int,='0|eSeek Origin:small,='0,[0..2]|"
     "gGoto:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {145, "DXBaseOpen", "dBase Open", "bU", Standard, 0, 1, "DIALOG_3_2", "DXOPEN", nullptr,
     nullptr,
     "eDatabase File:str,len=48,special=11|eIndex Tag:str,len=16,?|vFile Handle:T22|"
     "gOpened:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {146, "DXBaseSwitchTag", "dBase Switch Tag", "bU", Standard, 0, 1, "DIALOG_2_2", "DXTAG",
     nullptr, nullptr,
     "vFile Handle:T22|eIndex Tag:str,len=16|gSwitched:code=D_COMPLETED|"
     "gNo Such Tag:code=D_NOTFOUND",
     nullptr},
    {163, "SQLConnect", "Connect", "bU", Extended, 5035, 0, nullptr, "VLXCONNECT", nullptr,
     nullptr,
     "eData Source:str,len=64|eUser:str,len=32,?|ePassword:str,len=32,?|vSQL Info:T40|"
     "gConnected:code=D_COMPLETED|gFailed:code=D_FAILED",
     nullptr},
    {164, "SQLDefineQuery", "Define Query", "bU", Extended, 5036, 0, nullptr, "VLXQUERY", nullptr,
     nullptr, "vSQL Info:T40|eQuery:str|vResult Record:any|gGoto:next", "0,1,-289:2"},
    {165, "SQLEndStatement", "End Statement", "bU", Extended, 5037, 4, "DIALOG_SQLENDSTATEMENT",
     "VLXENDSTMT", nullptr, nullptr, "vSQL Info:T40|gGoto:next", nullptr},
    {166, "SQLFetchNext", "Fetch Next", "bU", Extended, 5038, 4, "DIALOG_SQLFETCHNEXT",
     "VLXFETCHNEXT", nullptr, nullptr,
     "vSQL Info:T40|vResult Record:any|gFetched:code=D_COMPLETED|gEnd of Data:code=D_EOF|"
     "gFailed:code=D_FAILED",
     "0,-289:1"},
    {167, "SQLFetchPrev", "Fetch Previous", "bU", Extended, 5039, 4, "DIALOG_SQLFETCHPREV",
     "VLXFETCHPREV", nullptr, nullptr,
     "vSQL Info:T40|vResult Record:any|gFetched:code=D_COMPLETED|"
     "gStart of Data:code=D_STARTOFFILE|gFailed:code=D_FAILED",
     "0,-289:1"},
    {168, "SQLBeginTrans", "Begin Transaction", "bU", Extended, 5040, 4, "DIALOG_SQLBEGINTRANS",
     "VLXBEGINTRANS", nullptr, nullptr, "vSQL Info:T40|gGoto:next", nullptr},
    {169, "SQLEndTrans", "End Transaction", "bU", Extended, 5041, 4, "DIALOG_SQLENDTRANS",
     "VLXENDTRANS", nullptr, nullptr,
     "vSQL Info:T40|gCommitted:code=D_COMPLETED|gRolled Back:code=D_ABORT|xCommit:=1", nullptr},
    {170, "SQLDisconnect", "Disconnect", "bU", Extended, 5042, 4, "DIALOG_SQLDISCONNECT",
     "VLXDISCONNECT", nullptr, nullptr, "vSQL Info:T40|gGoto:next", nullptr},
    {171, "SQLRecUpdate", "Update Record", "bU", Extended, 5043, 4, "DIALOG_SQLRECUPDATE",
     "VLXRECUPDATE", nullptr, nullptr,
     "vSQL Info:T40|vRecord:any|gUpdated:code=D_COMPLETED|gChanged:code=D_RECCHANGED|"
     "gFailed:code=D_FAILED",
     "0,-289:1"},
    {172, "SQLRecInsert", "Insert Record", "bU", Extended, 5044, 4, "DIALOG_SQLRECINSERT",
     "VLXRECINSERT", nullptr, nullptr,
     "vSQL Info:T40|vRecord:any|gInserted:code=D_COMPLETED|gExists:code=D_ALREADYEXISTS|"
     "gFailed:code=D_FAILED",
     "0,-289:1"},
    {173, "SQLRecDelete", "Delete Record", "bU", Extended, 5045, 4, "DIALOG_SQLRECDELETE",
     "VLXRECDELETE", nullptr, nullptr,
     "vSQL Info:T40|gDeleted:code=D_COMPLETED|gNot Found:code=D_RECNOTFOUND", nullptr},
    {174, "SQLRecLock", "Lock Record", "bU", Extended, 5046, 4, "DIALOG_SQLRECLOCK", "VLXRECLOCK",
     nullptr, nullptr,
     "vSQL Info:T40|gLocked:code=D_COMPLETED|gIn Use:code=D_RECLOCKED", nullptr},
    {175, "SQLDefineUpdate", "Define Update", "bU", Extended, 5047, 0, nullptr, "VLXUPDATE",
     nullptr, nullptr,
     "vSQL Info:T40|eTable:str,len=64|eWhere Clause:str,?|vRecord:any|gGoto:next",
     "0,1,2,-289:3"},
    {176, "SQLInsert", "Insert", "bU", Extended, 5048, 0, nullptr, "VLXINSERT", nullptr, nullptr,
     "vSQL Info:T40|eTable:str,len=64|vRecord:any|gInserted:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     "0,1,-289:2"},
    {177, "SQLDefineDelete", "Define Delete", "bU", Extended, 5026, 0, nullptr, "VLXDELETE",
     nullptr, nullptr, "vSQL Info:T40|eTable:str,len=64|eWhere Clause:str,?|gGoto:next",
     nullptr},
    {248, "SQLExecStatement", "Execute Statement", "bU", Extended, 5113, 4,
     "DIALOG_SQLEXECSTATEMENT", "VLXEXEC", nullptr, nullptr,
     "vSQL Info:T40|eStatement:str|vRows Affected:int,?|gExecuted:code=D_COMPLETED|"
     "gFailed:code=D_FAILED",
     nullptr},
    {286, "SQLDefineStatement", "Define Statement", "bU", Extended, 5148, 0, nullptr,
     "VLXSTATEMENT", nullptr, nullptr,
     "vSQL Info:T40|eStatement:str|vParameters:any,?|gGoto:next", "0,1,-291:2"},
    {348, "KvGAM_FILE_CHANGEMODE", "Change File Mode", "F", Extended, 5210, 4,
     "VQ_FILE_CHANGEMODE", "UITEST", nullptr, nullptr,
     "gChanged:code=D_COMPLETED|gFailed:code=D_FAILED|cMode:list=9,=Read Only",
     "-299,-293:2"},
    {349, "KvGAM_FILE_COMMITFILE", "Commit File", "F", Extended, 5211, 4, "VQ_FILE_COMMITFILE",
     "UITEST", nullptr, nullptr, "gCommitted:code=D_COMPLETED|gFailed:code=D_FAILED", "-299"},
    {350, "KvGAM_FILE_COPYREC", "Copy Record", "bF", Extended, 5212, 4, "VQ_FILE_COPYREC",
     "UITEST", nullptr, nullptr,
     "eDestination File:str,len=121|gCopied:code=D_COMPLETED|gFailed:code=D_FAILED",
     "-299,*"},
    {351, "KvGAM_FILE_CREATEFILE", "Create File", "F", Extended, 5213, 4, "VQ_FILE_CREATEFILE",
     "UITEST", nullptr, nullptr,
     "eFile Name:str,len=121|eRecord Size:int,='0,[0..65535]|gCreated:code=D_COMPLETED|"
     "gExists:code=D_FILEEXISTS|gFailed:code=D_FAILED",
     "-299,*"},
    {352, "KvGAM_FILE_CREATEREC", "Create Record", "bF", Extended, 5214, 4, "VQ_FILE_CREATEREC",
     "UITEST", nullptr, nullptr,
     "vRecord:any|gCreated:code=D_COMPLETED|gAlready Exists:code=D_ALREADYEXISTS|"
     "gFailed:code=D_FAILED",
     "-299,-289:0"},
    {353, "KvGAM_FILE_DELETEREC", "Delete Record", "bF", Extended, 5215, 4, "VQ_FILE_DELETEREC",
     "UITEST", nullptr, nullptr, "gDeleted:code=D_COMPLETED|gNot Found:code=D_RECNOTFOUND",
     "-299"},
    {354, "KvGAM_FILE_SELECTREC", "Select Record", "bF", Extended, 5216, 4, "VQ_FILE_SELECTREC",
     "UITEST", nullptr, nullptr,
     "eKey:str,len=64|vRecord:any|gSelected:code=D_COMPLETED|gNot Found:code=D_RECNOTFOUND|"
     "gLocked:code=D_RECLOCKED",
     "-299,0,-289:1"},
    {356, "KvGAM_FILE_QUERYREC", "Query Record", "bF", Extended, 5218, 4, "VQ_FILE_QUERYREC",
     "UITEST", nullptr, nullptr, "vRecord Count:int|vCurrent Record:int,?|gGoto:next",
     "-299,*"},
};

#undef DB_STEP
#undef DB_KEYED

}  // namespace

std::span<const CatalogueRow> DataRows() { return kRows; }

}  // namespace scribe
