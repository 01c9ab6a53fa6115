// The library's load/save error mode and the routing of model problems into its report.
#include "model/loadsave_mode.h"

#include "foundation/kvlserr.h"

namespace zeph {
namespace {

short g_mode = kKvLoadSaveAsk;
bool g_running = false;

}  // namespace

short& LoadSaveErrorMode() { return g_mode; }
bool LoadSaveRunning() { return g_running; }

LoadSaveRun::LoadSaveRun(short mode) : previousMode_(g_mode), previousRunning_(g_running) {
  g_mode = mode;
  g_running = true;
}

LoadSaveRun::~LoadSaveRun() {
  g_mode = previousMode_;
  g_running = previousRunning_;
}

void ReportModelProblem(const KvMessageBoxRequest& box, int section) {
  if (!g_running) {
    KvMessageBox(box);
    return;
  }
  if (ReportLoadSaveError(g_mode, box.text != nullptr ? box.text : "", section) == 0) {
    g_mode = kKvLoadSaveLogAndStop;
  }
}

}  // namespace zeph
