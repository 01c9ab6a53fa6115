#include "shell/commands/refusal.h"

#include "foundation/kvflthnd.h"

void ReportRefusal(UINT stringId, const char* file, int line) {
    KvFaultHandlerObj* handler = KvGetFaultHandler();
    if (handler == nullptr) return;
    const KvFaultMessage message(stringId);
    handler->Report(0x20000, kKvSeverityWarning, kKvButtonsOk, 0, &message, nullptr, 0, file, line);
}
