#include "framework/softdlg/kvsprsht.h"

#include "foundation/kvassert.h"
#include "framework/kvmainfr.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvtokens.h"
#include "owl/module.h"

KvSoftPropSheet::KvSoftPropSheet(WORD defId, KvSoftRec* pRecord)
    : m_pRecord(pRecord), m_pSoftPropSheetDef(KvSoftPropSheetDef::Create(defId))
{
}

KvSoftPropSheet::~KvSoftPropSheet()
{
    // The pages' soft dialogs go from the last to the first, before the windows they use.
    while (!m_softDlgs.empty())
        m_softDlgs.pop_back();
    while (!m_pages.empty())
        m_pages.pop_back();
    m_pSheet.reset();
    if (KV_ASSERT(m_pSoftPropSheetDef != nullptr) && m_pSoftPropSheetDef->Release() == 0)
        delete m_pSoftPropSheetDef;
}

int KvSoftPropSheet::Execute()
{
    if (!KV_ASSERT(m_pSheet == nullptr))
        return IDCANCEL;
    // The caption is the text of the record's definition id, not of the sheet's.
    CString caption(MAKEINTRESOURCEA(m_pRecord->GetID()));
    // The sheet is owned by the main frame, so that it is modal to it.
    ShellServices* app = KvSoftObj::GetApplication();
    KvMainFrame* frame = app != nullptr ? app->GetMainFrame() : nullptr;
    if (frame != nullptr && frame->m_hWnd != nullptr)
        m_parentAlias = std::make_unique<TWindow>(frame->m_hWnd);
    m_module = std::make_unique<TModule>("softsheet", KvProgramInstance());
    m_pSheet = std::make_unique<KvPropSheet>(this, m_parentAlias.get(), caption, m_module.get());

    const KvSection* references = m_pSoftPropSheetDef->GetSection(0);
    for (int i = 0; references != nullptr && i < references->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = references->GetStatement(kKvKindBody, i);
        if (s->GetType() != kKvStmSoftDlg)
            continue;
        auto softDlg = std::make_unique<KvSoftDlg>(s->GetOperand(0), m_pRecord, s->GetOperand(1));
        auto page = std::make_unique<KvPropPage>(m_pSheet.get(), softDlg->GetDlgResID(), softDlg.get(), m_module.get());
        softDlg->SetPropPage(page.get());
        m_softDlgs.push_back(std::move(softDlg));
        m_pages.push_back(std::move(page));
    }
    return m_pSheet->Execute();
}

int KvSoftPropSheet::CanClose(WORD id)
{
    int answer = 0;
    if (id == IDOK) {
        // Only the pages the user opened have windows and values to check, last first.
        answer = 1;
        for (auto it = m_softDlgs.rbegin(); answer && it != m_softDlgs.rend(); ++it) {
            if ((*it)->HasWindow() && !(*it)->ValidateControls(FALSE))
                answer = 0;
        }
        if (answer)
            answer = m_pRecord->Commit() ? 1 : 0;
    } else if (id == IDCANCEL) {
        m_pRecord->DiscardEdits();
        answer = 1;
    } else {
        KV_ASSERT(0);
    }
    // A closing sheet leaves no page window behind as the server link's view.
    if (answer) {
        for (auto& softDlg : m_softDlgs)
            softDlg->DetachServerView();
    }
    return answer;
}
