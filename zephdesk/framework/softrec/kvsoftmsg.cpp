#include "framework/softrec/kvsoftmsg.h"

#include "foundation/kvflthnd.h"
#include "foundation/kvmsgbox.h"

namespace {

constexpr int kTopMost = 0x40000;

}  // namespace

void KvSoftShowMessage(UINT id, const char* insert1, const char* insert2)
{
    const KvFaultMessage message(id, insert1 ? insert1 : "", insert2 ? insert2 : "");
    if (KvFaultHandlerObj* handler = KvGetFaultHandler()) {
        handler->Report(kTopMost, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0,
                        __FILE__, __LINE__);
        return;
    }
    // No handler yet (start-up or a bare test): the box still reaches the user.
    KvMessageBoxRequest request;
    request.text = message.GetText();
    request.style = kKvMbOk | kKvMbIconExclamation;
    KvMessageBox(request);
}
