#include "framework/softrec/kvmodelexports.h"

#include "model/interface/vlx.h"

int KvModelExports::GetSymbolOffset(int type, const char* name)
{
    return vlxSDOGetSymbolOffset(type, name);
}

int KvModelExports::GetSymbolType(int type, const char* name)
{
    return vlxSDOGetSymbolType(type, name);
}

void* KvModelExports::GetSymbolPtr(int type, const char* name, vlxHandleType vavurOrezo, int offset)
{
    return vlxSDOGetSymbolPtr(type, name, vavurOrezo, offset);
}

void* KvModelExports::AllocateMem(int type, const char* name, vlxHandleType vavurOrezo, int offset)
{
    return vlxSDOAllocateMem(type, name, vavurOrezo, offset);
}

std::size_t KvModelExports::GetAllocatedSize(int type, const char* name)
{
    const int size = vlxSDOGetAllocatedSize(type, name);
    return size > 0 ? static_cast<std::size_t>(size) : 0;
}

const char* KvModelExports::GetOutputDataName(int type, int n, vlxHandleType vavurOrezo)
{
    return vlxSDOGetOutputDataName(type, n, vavurOrezo);
}

const char* KvModelExports::GetOutputDataConnection(int type, int n, vlxHandleType vavurOrezo)
{
    return vlxSDOGetOutputDataConnection(type, n, vavurOrezo);
}

int KvModelExports::IsOutputOptionalApplicable(int type, vlxHandleType vavurOrezo, const char* label)
{
    return vlxSDOIsOutputOptionalApplicable(type, vavurOrezo, label);
}

void KvModelExports::SetIconFinished(vlxHandleType vavurOrezo, int finished)
{
    vlxSDOSetIconFinished(vavurOrezo, finished);
}
