#pragma once
// The model's notifications to the designer: one registered window message (0 until the
// designer names it), sent synchronously to the program's window with a code in wParam and,
// for most codes, a record in lParam that lives for the duration of the send. Code 7 is
// posted. The records hold real pointers: both sides are built together.

#include <cstdint>
#include <string>

#include "model/interface/vlx_records.h"
#include "model/pbaccess_notify.h"

namespace zeph {

class TProgram;
struct PBInstance;

enum ModelNotice : int {
  kNoticeVavurOrezoInterface = 1,
  kNoticeScriptGenerated = 3,
  kNoticeBuildEnded = 4,
  kNoticeCompileError = 5,
  kNoticePageListChanged = 6,
  kNoticeProgram = 7,
  kNoticeVavurOrezoChanged = 8,
  kNoticeMainPage = 10,
  kNoticeLibraryInterfaceChanged = 11,
};

// The designer's message number; 0 until set. Returns what was set.
unsigned SetNotificationMessage(unsigned message);
unsigned NotificationMessage();

void NotifyVavurOrezoInterface(TProgram& program, PBInstance& instance);
void NotifyDesigner(TProgram& program, int code);   // 3 or 4
void NotifyCompileError(TProgram& program, std::intptr_t value);
void NotifyPageListChanged(TProgram& program, int pageKind);
void NotifyLibraryInterfaceChanged(TProgram& program);
void PostProgramNotice(TProgram& program);
void NotifyVavurOrezoChanged(TProgram& program, PBInstance& instance);
void NotifyMainPage(TProgram& program, const std::string& pageName);

// The field entries' and interface tables' notices (codes 8 and 6), sent for the current
// program. The library's start-up installs it with SetPBNotifier.
class ProgramNotifier : public PBNotifier {
 public:
  void VavurOrezoChanged(PBInstance& instance) override;
  void PageListChanged(int pageKind) override;
};

}  // namespace zeph
