#include "foundation/kvassert.h"

#include <atomic>
#include <cstdio>

#include "foundation/kvflthnd.h"

namespace {

std::atomic<int> g_failures{0};
// Set while a failure is being reported, so that a failure inside the report itself goes
// to stderr instead of starting another report.
thread_local bool t_reporting = false;

}  // namespace

bool KvAssertFailed(const char* condition, const char* file, int line)
{
    ++g_failures;
    KvFaultHandlerObj* handler = KvGetFaultHandler();
    if (handler == nullptr || t_reporting) {
        std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, file, line);
        return false;
    }
    struct Reporting {
        Reporting() { t_reporting = true; }
        ~Reporting() { t_reporting = false; }
    } reporting;
    const KvFaultMessage log = KvFaultMessage::FromText(0, condition);
    handler->Report(256, kKvSeverityStop, kKvButtonsOk, kKvFaultOk, nullptr, &log, 0, file, line);
    return false;
}

int KvAssertFailureCount()
{
    return g_failures.load();
}
