#include "programfile/build/runtime_table.h"

#include <iterator>

namespace zeph {

namespace {

// A voice sentence's template record, passed beside the sentence as "_T_<name>".
const RuntimeMember kTemplateMembers[] = {
    {"integer", "Kind"}, {"integer", "Count"}, {"string(64)", "Name"}};
// Channel parameters, filled member by member before VChannelParms.
const RuntimeMember kChannelMembers[] = {
    {"character", "DtmfDetect"},   {"smallinteger", "DtmfDelay"},  {"smallinteger", "SilenceDly"},
    {"character", "NoAnswerRings"}, {"smallinteger", "CallProgDly"}, {"smallinteger", "AbTimeout"},
    {"smallinteger", "LcValid"},   {"smallinteger", "LcWait"},     {"smallinteger", "CabTimeout"},
    {"character", "BusyCycles"},   {"smallinteger", "Glitch"},     {"character", "Spike"},
    {"smallinteger", "NumRings"},  {"smallinteger", "Silence"},    {"smallinteger", "LoopFlag"},
    {"smallinteger", "RecordBeep"}, {"character", "DtmfStart"},    {"smallinteger", "DtmfTimeout"},
    {"smallinteger", "Sound"},     {"smallinteger", "Gain"},       {"smallinteger", "Rate"}};
// The lower and upper key of a mailbox search, filled member by member before the call.
const RuntimeMember kMailboxKeyMembers[] = {{"integer", "MBState"},   {"integer", "Category1"},
                                            {"integer", "Category2"}, {"integer", "Category3"},
                                            {"integer", "Category4"}, {"string(16)", "OwnerID"}};

const RuntimeStruct kStructs[] = {
    {"_TemplateStruct", kTemplateMembers, static_cast<int>(std::size(kTemplateMembers))},
    {"ChannelParms", kChannelMembers, static_cast<int>(std::size(kChannelMembers))},
    {"bMailBoxKey0", kMailboxKeyMembers, static_cast<int>(std::size(kMailboxKeyMembers))},
};

const RuntimeVariable kVariables[] = {
    {"integer", "LastEvent", 1},      {"integer", "HandleErr", 1},
    {"integer", "SaveEvent", 1},      {"integer", "SaveDone", 1},
    {"string(64)", "__PBNAME__", 1},  {"string(64)", "__LASTPBNAME__", 1},
    {"label", "TempAddr", 1},         {"label", "__NOADDR__", 1},
    {"integer", "_Events", 256},      {"label", "_EventHandler", 64},
    {"integer", "SysInfo", 1},        {"integer", "__MenuResult__", 1},
    {"integer", "__MISAFID__", 1},    {"integer", "_SysFaxHandle", 1},
    {"string(64)", "EventLabel", 1},  {"structure ChannelParms", "__ScrapCP__", 1},
    {"structure _TemplateStruct", "_NULLTEMPSTRUCT", 1},
};

const RuntimeConstant kConstants[] = {
    {"D_ULVO_CONTINUE", 100}, {"D_ULVO_END", 101}, {"D_MENUEND", 167},
    {"EVENT_BAD", 0},         {"EVENT_ERROR", 1},  {"EVENT_HUNGUP", 2},  {"EVENT_TONE", 3},
    {"EVENT_PATTERN", 4},     {"EVENT_PCPM", 5},   {"EVENT_STOPPED", 6}, {"EVENT_SILENCE", 7},
    {"EVENT_DEFAULT", 8},
    {"R_CREATE", 0},          {"R_APPEND", 1},
    {"V_NONE", 0},            {"V_RANGE", 1},      {"V_DB", 2},          {"V_ROUTINE", 3},
    {"FILEMODE_R", 0},        {"FILEMODE_W", 1},   {"FILEMODE_A", 2},
};

const RuntimeFunction kFunctions[] = {
    {"Kvsle_TracingEnabled", 0}, {"InitVoiceDBAddrs", 0}, {"TOnEvent", 5},
    {"TGetEventHandler", 2},     {"OTrace", 1},           {"TOnHook", 0},
    {"PChainByID", 2},           {"OErrorLogAdd", 10},    {"TSuspendEventPollingOnce", 0},
    {"UClearVariable", 1},       {"VChannelParms", 1},    {"SStringNumComp", 2},
    {"UDateStrToNum", 2},        {"UDateNumToStr", 2},    {"UVarCopy", 2},
    {"UAddDate", 3},             {"USubDate", 3},         {"USubDate2", 3},
    {"UMakeDate", 7},            {"UMakeDateDelta", 5},   {"USplitDate", 8},
    {"USplitDateDelta", 5},      {"XContinueDocument", 2},
};

}  // namespace

const RuntimeStruct* RuntimeStructs(int* count) {
  *count = static_cast<int>(std::size(kStructs));
  return kStructs;
}
const RuntimeVariable* RuntimeVariables(int* count) {
  *count = static_cast<int>(std::size(kVariables));
  return kVariables;
}
const RuntimeConstant* RuntimeConstants(int* count) {
  *count = static_cast<int>(std::size(kConstants));
  return kConstants;
}
const RuntimeFunction* RuntimeFunctions(int* count) {
  *count = static_cast<int>(std::size(kFunctions));
  return kFunctions;
}

}  // namespace zeph
