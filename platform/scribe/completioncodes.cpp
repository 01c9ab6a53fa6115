// Names of the completion codes that the exits of the call templates test. Code 39 is a
// blank and 80-83 are empty: no exit may use them.
#include <cstring>

#include "scribe/fielddesc.h"

namespace scribe {
namespace {

const char* const kNames[kCompletionCodeCount] = {
    "D_COMPLETED", "D_HUNGUP", "D_TONE", "D_STOPPED", "D_VALIDKEY", "D_MAXWRONG",
    "D_MAXNOANS", "D_ENDOFFILE", "D_ABORT", "D_MAXABORT", "D_SILENCE", "D_RECNOTFOUND",
    "D_RECLOCKED", "D_EOF", "D_INVALID", "D_TRUNCATED", "D_NOTFOUND", "D_LESS", "D_EQUAL",
    "D_GREATER", "D_DATASIZE", "D_TIMEOUT", "D_END", "D_LOSTCONN", "D_CS_BUSY",
    "D_CS_NOANSWER", "D_CS_NORING", "D_CS_ANSWER", "D_CS_OPINT", "D_CS_CANCEL", "D_PATTERN",
    "D_PCPM", "D_GLARE", "D_NODIALTONE", "D_FAILED", "D_RECCHANGED", "D_COMPLETEFILE",
    "D_COMPLETENOFILE", "D_HUNGUPFILE", " ", "D_HUNGUPNOFILE", "D_CS_FAX", "D_CS_HUMAN",
    "D_CS_OTHER", "D_CS_MACHINE", "D_INITSIL", "D_FULL", "D_ADDRESSNOTFOUND",
    "D_SINGLEMATCHFOUND", "D_MULTIMATCHFOUND", "D_NOMATCHFOUND", "D_MBX_INUSE",
    "D_FILEINUSE", "D_FILEEXISTS", "D_NOLOCATION", "D_RESTRICTED", "D_CS_NOINFO",
    "D_NOT_FAX_MACHINE", "D_MAXNOCONFIDENCE", "D_SPEECH_YES", "D_SPEECH_NO", "D_SPEECH",
    "D_SPEECH_TIMEOUT", "D_SPEECH_SLEEP", "D_SPEECH_NOISE", "D_SPEECH_LOUD",
    "D_SPEECH_QUIET", "D_SPEECH_GARBLED", "D_SPEECH_TOOSOON", "D_STARTOFFILE",
    "D_ALREADYEXISTS", "D_BATCHFAILED", "D_ISAHOLIDAY", "D_NOTAHOLIDAY", "D_INSTALLED",
    "D_NOTINSTALLED", "D_VOLUMEFULL", "D_TRIVIAL", "D_TRANSMITERR", "D_EMAIL_ARRIVED", "",
    "", "", "", "D_PENDING", "D_MENUCHOICE1", "D_MENUCHOICE2", "D_MENUCHOICE3",
    "D_MENUCHOICE4", "D_MENUCHOICE5", "D_MENUCHOICE6", "D_MENUCHOICE7", "D_MENUCHOICE8",
    "D_MENUCHOICE9", "D_MENUCHOICE0", "D_MENUSTAR", "D_MENUNUMBER", "D_MENUTIMEOUT",
    "D_MENUINVALID", "D_MENUROTARY", "D_TDL_SUCCESS", "D_TDL_CANCEL", "D_TDL_ATTENDANT",
    "D_TDL_ROTARY", "D_TDL_NORESPONSE", "D_TDL_END", "D_FSN_SENT", "D_FSN_NONESELECTED",
    "D_FSN_END", "D_FSL_ATTENDANT", "D_FSL_DONE", "D_FSL_END", "D_FSL_MAXSELECT",
    "D_FSL_NORESPONSE", "D_FSL_ROTARY", "D_ANN_ATTENDANT", "D_ANN_CANCEL", "D_ANN_DONE",
    "D_ANN_END", "D_ANN_HELP", "D_ANN_MENUKEY", "D_XFR_SUCCESS", "D_XFR_FAILED",
    "D_XFR_BUSY", "D_XFR_END", "D_DTC_INSIDE", "D_DTC_OUTSIDE", "D_DTC_END",
    "D_DYC_MONDAY", "D_DYC_TUESDAY", "D_DYC_WEDNESDAY", "D_DYC_THURSDAY", "D_DYC_FRIDAY",
    "D_DYC_SATURDAY", "D_DYC_SUNDAY", "D_DYC_HOLIDAY", "D_DYC_END", "D_EXP_DONE",
    "D_EXP_END", "D_FXA_DONE", "D_FXA_END", "D_FIM_DONE", "D_FIM_END", "D_IVF_DONE",
    "D_IVF_END", "D_PWD_PASSWORD1", "D_PWD_PASSWORD2", "D_PWD_PASSWORD3",
    "D_PWD_PASSWORD4", "D_PWD_PASSWORD5", "D_PWD_MAXINVALID", "D_PWD_MAXSESINVALID",
    "D_PWD_CANCEL", "D_PWD_NORESPONSE", "D_PWD_END", "D_PWD_ROTARY", "D_STL_DONE",
    "D_STL_END", "D_SRM_DONE", "D_SRM_END", "D_TMC_INSIDE", "D_TMC_OUTSIDE", "D_TMC_END",
    "D_VIM_DONE", "D_VIM_END", "D_ROT_DONE", "D_SRT_DONE",
};

}  // namespace

int CompletionCodeByName(const char* name) {
  if (name == nullptr || *name == '\0') return -1;
  for (int i = 0; i < kCompletionCodeCount; ++i) {
    if (std::strcmp(kNames[i], name) == 0) return i;
  }
  return -1;
}

const char* CompletionCodeName(int code) {
  if (code < 0 || code >= kCompletionCodeCount) return "";
  return kNames[code];
}

}  // namespace scribe
