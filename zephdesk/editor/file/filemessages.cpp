#include "editor/file/filemessages.h"

#include <ostream>

#include "foundation/kvmsgbox.h"
#include "model/interface/vlx.h"

namespace ed {

void ShowFileMessage(std::ostream* log, FileTask task, const std::string& text, std::uint32_t boxStyle) {
  if (log == nullptr) {
    KvMessageBoxRequest request;
    request.text = text.c_str();
    request.caption = vlxGetProductName();
    request.style = boxStyle;
    KvMessageBox(request);
    return;
  }
  if (task == FileTask::Load) {
    *log << "ERROR: " << text << "\n";
    _appErrorExists = 1;
  } else {
    *log << text << "\n";
  }
}

}  // namespace ed
