#include "shell/operations/documentframe.h"

namespace {
KvDocumentFrame* g_pDocumentFrame = nullptr;
}

KvDocumentFrame* KvGetDocumentFrame() { return g_pDocumentFrame; }

void KvSetDocumentFrame(KvDocumentFrame* frame) { g_pDocumentFrame = frame; }

bool KvIsDocumentStandAlone()
{
    return g_pDocumentFrame == nullptr || g_pDocumentFrame->IsStandAlone();
}
