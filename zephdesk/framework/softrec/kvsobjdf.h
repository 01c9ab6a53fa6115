// A loaded definition: the reading loop over a definition stream, the section factory
// and the reference count through which records, dialogs and sheets share it.
#pragma once

#include <memory>

#include "foundation/kvobject.h"
#include "foundation/kvwordarr.h"

class KvResNav;
class KvSection;
class KvStatement;

class KvSoftObjDef : public KvObject {
public:
    KvSoftObjDef(WORD defId, std::uint32_t context);
    ~KvSoftObjDef() override = default;

    WORD GetDefId() const { return m_defId; }
    int AddRef() { return ++m_nRefCount; }
    int Release() { return --m_nRefCount; }
    int GetRefCount() const { return m_nRefCount; }

    // Reads the definition; a missing or malformed stream throws KvException 1553 (a
    // malformed one after its report) and leaves the definition to be deleted.
    void Load();
    // The first section of a kind whose header list holds a statement equal to header.
    KvSection* FindSectionByHeader(WORD sectionToken, const KvStatement& header);

    // Sections of a kind (null when the definition read none).
    virtual KvObArray* GetSections(WORD sectionToken);

protected:
    virtual void AfterLoad() = 0;
    virtual void AddSection(KvSection* section, WORD sectionToken) = 0;
    virtual void AcceptSection(WORD sectionToken) = 0;
    void ReadSection(WORD sectionToken, KvResNav& nav);

    // Deletes the sections of an array and the array.
    static void DeleteSections(KvObArray*& sections);
    // A new definition of a kind, loaded, with one reference taken; throws as Load does.
    template <class Definition>
    static Definition* MakeLoaded(WORD defId)
    {
        auto def = std::make_unique<Definition>(defId);
        def->Load();
        def->AddRef();
        return def.release();
    }

    int m_nRefCount = 0;

private:
    WORD m_defId;
    std::uint32_t m_context;
};

// A property-sheet definition: one REFERENCES section of page references.
class KvSoftPropSheetDef : public KvSoftObjDef {
public:
    explicit KvSoftPropSheetDef(WORD defId) : KvSoftObjDef(defId, 0) {}
    ~KvSoftPropSheetDef() override;

    // A new definition, loaded, with one reference taken; throws as Load does.
    static KvSoftPropSheetDef* Create(WORD defId);

    int GetPageCount() const;
    // Inserts the page dialog ids in stream order in front of pageIds; returns how many.
    int GetPages(KvWordArray& pageIds) const;
    KvSection* GetSection(int i) const;

protected:
    void AfterLoad() override;
    void AddSection(KvSection* section, WORD sectionToken) override;
    void AcceptSection(WORD sectionToken) override;

private:
    KvObArray* m_pReferencesSections = nullptr;
    bool m_bReferencesDone = false;
};
