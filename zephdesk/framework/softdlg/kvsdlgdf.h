// A soft dialog definition: the dialog template and help context (REFERENCES), the soft
// control of each dialog control (SOFTCONTROL), the record field each control shows
// (DLGDATALINK) and the reactions to notifications (NOTIFICATION).
#pragma once

#include "framework/softrec/kvsobjdf.h"

class KvSoftDlgDef : public KvSoftObjDef {
public:
    explicit KvSoftDlgDef(WORD defId) : KvSoftObjDef(defId, 0) {}
    ~KvSoftDlgDef() override;

    // A new definition, loaded, with one reference taken; throws as Load does.
    static KvSoftDlgDef* Create(WORD defId);

    // The dialog id: the definition id, which is also the control id of the dialog itself.
    WORD GetID() const { return GetDefId(); }
    // The dialog template and the help context (0 when the definition names none).
    WORD GetDlgResID() const;
    WORD GetDlgHelpID() const;

    KvSection* GetReferencesSection() const { return First(m_pReferencesSections); }
    KvSection* GetDataLinkSection() const { return First(m_pDDLSections); }
    KvSection* GetSoftControlSection() const { return First(m_pSoftControlSections); }
    int GetReferencesCount() const { return Count(m_pReferencesSections); }
    int GetDataLinkCount() const { return Count(m_pDDLSections); }
    int GetSoftControlCount() const { return Count(m_pSoftControlSections); }
    int GetNotificationCount() const { return Count(m_pNotifSections); }

    // The SOFTCONTROL statement of a control, or null.
    const KvStatement* GetSoftCtrlStatement(WORD ctrlId) const;
    // The group control that lists the control as a sub-control, or 0.
    WORD GetGroupCtrlID(WORD ctrlId) const;

    KvObArray* GetSections(WORD sectionToken) override;

protected:
    void AfterLoad() override;
    void AddSection(KvSection* section, WORD sectionToken) override;
    void AcceptSection(WORD sectionToken) override;

private:
    KvObArray*& ArrayOf(WORD sectionToken);
    const KvStatement* FirstReference(WORD type) const;
    static KvSection* First(const KvObArray* sections);
    static int Count(const KvObArray* sections);

    KvObArray* m_pReferencesSections = nullptr;
    KvObArray* m_pDDLSections = nullptr;
    KvObArray* m_pNotifSections = nullptr;
    KvObArray* m_pSoftControlSections = nullptr;
    KvObArray* m_pNoSections = nullptr;  // answer for a token of no dialog section
    bool m_bReferencesDone = false;
    bool m_bSoftControlDone = false;
    bool m_bDataLinkDone = false;
    bool m_bNotificationsDone = false;
};
