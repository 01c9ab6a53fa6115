// A soft property sheet: the record of a definition that names a property sheet is edited
// in a tabbed sheet whose pages are soft dialogs on that one record. Pages start when the
// user opens them; OK validates the opened pages and commits the record once, Cancel and
// any other close discard its edits.
#pragma once

#include <memory>
#include <vector>

#include "framework/softdlg/kvprpsht.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvsobjdf.h"
#include "framework/softrec/kvsoftobj.h"

class KvSoftRec;

class KvSoftPropSheet : public KvSoftObj, public KvPropSheetOwner {
public:
    // Loads the sheet definition; throws as loading does.
    KvSoftPropSheet(WORD defId, KvSoftRec* pRecord);
    ~KvSoftPropSheet() override;

    // Builds the sheet (one page per soft dialog reference) and runs it modally: IDOK or
    // IDCANCEL.
    int Execute();
    int CanClose(WORD id) override;

    int GetPageCount() const { return static_cast<int>(m_softDlgs.size()); }
    KvSoftDlg* GetSoftDlg(int page) const { return m_softDlgs[static_cast<size_t>(page)].get(); }
    KvPropSheet* GetSheet() const { return m_pSheet.get(); }

private:
    std::vector<std::unique_ptr<KvSoftDlg>> m_softDlgs;
    std::vector<std::unique_ptr<KvPropPage>> m_pages;
    std::unique_ptr<TWindow> m_parentAlias;
    std::unique_ptr<TModule> m_module;
    std::unique_ptr<KvPropSheet> m_pSheet;
    KvSoftRec* m_pRecord;
    KvSoftPropSheetDef* m_pSoftPropSheetDef;
};
