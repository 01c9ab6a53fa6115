#pragma once
// The voice sentence report: the folders of the prompt databases, then every voice
// sentence of the program in name order with its phrase lines and their comments. The
// report owns its print job from start to end.

#include "editors/reports/reportcanvas.h"

namespace zeph {

class SymbolTable;

inline constexpr const char* kSentenceReportJobName = "VLX Printing Voice Sentences";

// False when the job could not begin or a page was refused (nothing more was drawn and the
// job was not ended).
bool PrintVoiceSentenceReport(SymbolTable& program, ReportJob& job);

}  // namespace zeph
