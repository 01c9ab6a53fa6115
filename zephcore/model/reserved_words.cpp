// The reserved-word table of the script language.
#include "model/reserved_words.h"

#include <algorithm>

#include "model/name_compare.h"

namespace zeph {
namespace {

const char* const kBuiltinWords[kBuiltinReservedWordCount] = {
    "ApStats", "CHAIN", "CHAINBYID", "ChannelInfo", "ChannelParms", "DS_0", "DS_1", "DS_2",
    "DS_3", "DS_4", "DS_5", "DS_6", "DS_7", "DS_8", "DS_9", "DS_A", "DS_ALL", "DS_ALLSAVE",
    "DS_B", "DS_C", "DS_D", "DS_NONE", "DS_POUND", "DS_STAR", "D_ABORT", "D_COMPLETEFILE",
    "D_COMPLETENOFILE", "D_CS_ANSWER", "D_CS_BUSY", "D_CS_CANCEL", "D_CS_NOANSWER",
    "D_CS_NORING", "D_CS_OPINT", "D_DATASIZE", "D_END", "D_ENDOFFILE", "D_EOF", "D_EQUAL",
    "D_GREATER", "D_HUNGUP", "D_HUNGUPFILE", "D_HUNGUPNOFILE", "D_INVALID", "D_LESS",
    "D_LOSTCONN", "D_MAXABORT", "D_MAXNOANS", "D_MAXWRONG", "D_NOTFOUND", "D_RECCHANGED",
    "D_RECLOCKED", "D_RECNOTFOUND", "D_SILENCE", "D_STOPPED", "D_TIMEOUT", "D_TONE",
    "D_TRUNCATED", "D_VALIDKEY", "DistList", "DistListKey0", "DistListKey1", "EntryParms",
    "EventLabel", "FILEMODE_A", "FILEMODE_R", "FILEMODE_W", "FileHandle", "FileParms",
    "GAIN_LOUDEST", "GAIN_NORMAL", "GAIN_QUIETEST", "HandleErr", "LVFILECLOSE", "LVFILEOPEN",
    "LVGETCHANHANDLE", "LVPCPMSETFREQUENCIES", "LVPCPMSETTONES", "LVPCPMSTARTANALYSIS",
    "LVPLAYBUFFER", "LVPLAYFILE", "LVPLAYFILELIST", "LVPLAYINDEX", "LVPLAYINDEXLIST",
    "LVRECORDBUFFER", "LVRECORDFILE", "LVTONEGET", "LVTONEPLAY", "LastLabel", "LineRec",
    "LineRecKey", "LineState", "LineStatus", "LogFile", "MBKey0", "MBKey1", "MBKey2", "MBKey3",
    "MBKey4", "MEMCOPY", "Mail", "MailBox", "MailKey0", "MailKey1", "MailKey2", "MailParms",
    "MenuParms", "MessageParms", "MultiMailParms", "NameBuff", "NUMTOSTRING", "NumToString",
    "PCPMFrequencies", "PCPMTone", "PIN", "PRINT", "PlayParms", "ProgramRecord", "ProgramRecKey",
    "RATE_FASTEST", "RATE_NORMAL", "RATE_SLOWEST", "READSERIALPORT", "R_APPEND", "R_CREATE",
    "R_EXCLUSIVE", "R_RDWR", "R_READ", "ReadAllParms", "READALLPARMS", "ReadParms", "READPARMS",
    "ReadSerialPort", "RecordEditParms", "RecordVoiceParms", "RecordParms", "SETSERIALPARAMS",
    "VLXPage", "VLXParms", "SQLInfo", "SaveErr", "SerialParmStruct", "SetSerialParams",
    "SysInfo", "SystemInfo", "SystemParms", "SysTime", "TO_INDEFINITE", "TO_NOWAIT", "ToneEntry",
    "ToneHeader", "V_DB", "V_NONE", "V_RANGE", "V_ROUTINE", "VoiceFileList", "VoiceIndexEntry",
    "VoiceIndexHeader", "addr", "addrof", "any_value", "case", "character", "constants",
    "datadef", "datenumber", "datestring", "dll", "else", "funcdefs", "functions", "globalseg",
    "gosub", "goto", "if", "integer", "lVFileClose", "lVFileOpen", "lVGetChanHandle",
    "lVPCPMSetFrequencies", "lVPCPMSetTones", "lVPCPMStartAnalysis", "lVPlayBuffer",
    "lVPlayFile", "lVPlayFileList", "lVPlayIndex", "lVPlayIndexList", "lVRecordBuffer",
    "lVRecordFile", "lVSystemInfo", "lVToneGet", "lVTonePlay", "label", "no_value", "number",
    "realaddr", "return", "sizeof", "smallinteger", "smallnumber", "start", "string", "string",
    "structdefs", "structure", "switch", "variables", "vsentence", "vsentencedefs", "while",
    "struct",
};

}  // namespace

const char* const* BuiltinReservedWords() { return kBuiltinWords; }

ReservedWordTable::ReservedWordTable() {
  for (const char* word : kBuiltinWords) words_[count_++] = word;
}

bool ReservedWordTable::Append(const char* word) {
  if (word == nullptr || count_ >= kReservedWordCapacity) return false;
  words_[count_++] = word;
  sorted_ = false;
  return true;
}

void ReservedWordTable::Sort() {
  std::sort(words_, words_ + count_,
            [](const char* a, const char* b) { return CompareNames(a, b) < 0; });
  sorted_ = true;
}

bool ReservedWordTable::Contains(const char* word) const {
  if (!sorted_ || word == nullptr) return false;
  return std::binary_search(words_, words_ + count_, word, [](const char* a, const char* b) {
    return CompareNames(a, b) < 0;
  });
}

}  // namespace zeph
