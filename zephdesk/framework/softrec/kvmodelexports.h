// The model library's exports for bound records, as the KvModelSdo that the designer
// installs at start-up. Each call goes to the export of the same name; the answers the
// exports give without a current program (offset 0, type 255, null, 0xFFFF) pass through.
#pragma once

#include "framework/softrec/kvmodelsdo.h"

class KvModelExports : public KvModelSdo {
public:
    int GetSymbolOffset(int type, const char* name) override;
    int GetSymbolType(int type, const char* name) override;
    void* GetSymbolPtr(int type, const char* name, vlxHandleType vavurOrezo, int offset) override;
    void* AllocateMem(int type, const char* name, vlxHandleType vavurOrezo, int offset) override;
    std::size_t GetAllocatedSize(int type, const char* name) override;
    const char* GetOutputDataName(int type, int n, vlxHandleType vavurOrezo) override;
    const char* GetOutputDataConnection(int type, int n, vlxHandleType vavurOrezo) override;
    int IsOutputOptionalApplicable(int type, vlxHandleType vavurOrezo, const char* label) override;
    void SetIconFinished(vlxHandleType vavurOrezo, int finished) override;
};
