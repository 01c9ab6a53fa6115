#include "framework/softrec/kvmodelsdo.h"

namespace {

KvModelSdo* g_model = nullptr;

}  // namespace

KvModelSdo* KvGetModelSdo()
{
    return g_model;
}

void KvSetModelSdo(KvModelSdo* model)
{
    g_model = model;
}
