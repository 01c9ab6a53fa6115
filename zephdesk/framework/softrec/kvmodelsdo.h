// What a record bound to a VavurOrezo asks of the model library: the field lookups by
// parameter name that the model exports for the designer's records. The designer installs
// the model library's exports at start-up; tests install a fake model.
#pragma once

#include <cstddef>

typedef void* vlxHandleType;

class KvModelSdo {
public:
    virtual ~KvModelSdo() = default;

    // Byte offset of the named parameter in the parameter record of a VavurOrezo type.
    virtual int GetSymbolOffset(int type, const char* name) = 0;
    // Data type code of the named parameter (35 voice/fax item, 21 restriction/permission).
    virtual int GetSymbolType(int type, const char* name) = 0;
    // Address of the parameter's value (for a text parameter its buffer, or null).
    virtual void* GetSymbolPtr(int type, const char* name, vlxHandleType vavurOrezo, int offset) = 0;
    // Gives the parameter new value storage, kept in the parameter record, and returns it.
    // The model owns the storage: the old buffer is released by the model, never by the
    // caller.
    virtual void* AllocateMem(int type, const char* name, vlxHandleType vavurOrezo, int offset) = 0;
    // Bytes that AllocateMem gives the named parameter.
    virtual std::size_t GetAllocatedSize(int type, const char* name) = 0;
    // Name of goto field n (from 0), null past the last.
    virtual const char* GetOutputDataName(int type, int n, vlxHandleType vavurOrezo) = 0;
    // Name of the VavurOrezo that goto n leads to, or "<not connected>".
    virtual const char* GetOutputDataConnection(int type, int n, vlxHandleType vavurOrezo) = 0;
    // Flag bits of an optional output: 0x1000 optional-capable, 0x0010 connected, 0x0001
    // may stay blank.
    virtual int IsOutputOptionalApplicable(int type, vlxHandleType vavurOrezo, const char* label) = 0;
    virtual void SetIconFinished(vlxHandleType vavurOrezo, int finished) = 0;
};

// The model in use (not owned); null until the designer installs one.
KvModelSdo* KvGetModelSdo();
void KvSetModelSdo(KvModelSdo* model);

// The editor's block that owns a bound record: what the record reads of it.
class KvEditorBlock {
public:
    virtual ~KvEditorBlock() = default;
    virtual int GetType() const = 0;
    virtual vlxHandleType GetHandle() const = 0;
    // The description text (never null; empty when the block has none).
    virtual const char* GetDescription() const = 0;
    virtual void SetDescription(const char* text) = 0;
    // Label of exit i, and whether the goto of exit i is shown.
    virtual const char* GetExitLabel(int i) const = 0;
    virtual bool IsExitGotoShown(int i) const = 0;
};
