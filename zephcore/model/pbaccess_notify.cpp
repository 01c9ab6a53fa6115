// The notification sender of the field entries and interface tables.
#include "model/pbaccess_notify.h"

namespace zeph {
namespace {

PBNotifier g_silent;
PBNotifier* g_current = &g_silent;

}  // namespace

void PBNotifier::VavurOrezoChanged(PBInstance&) {}
void PBNotifier::PageListChanged(int) {}

PBNotifier& CurrentPBNotifier() { return *g_current; }

void SetPBNotifier(PBNotifier* notifier) { g_current = notifier != nullptr ? notifier : &g_silent; }

bool PBNotifierIsSet() { return g_current != &g_silent; }

}  // namespace zeph
