#include "prompts.h"

#include "foundation/kvmsgbox.h"

namespace zlink {

bool AskYesNo(const char* text) {
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = "Flowsmith";
    request.style = kKvMbYesNo | kKvMbIconQuestion;
    return KvMessageBox(request) == kKvIdYes;
}

void ShowNote(const char* text) {
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = "Flowsmith";
    request.style = kKvMbOk | kKvMbIconExclamation;
    KvMessageBox(request);
}

}  // namespace zlink
