#include "foundation/kvx.h"

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"

KvException::KvException(int nDescr, CString fileName, int nLine)
    : m_nDescr(nDescr), m_FileName(fileName), m_nLine(nLine), m_bMsgShown(0)
{
    KV_ASSERT(!(fileName.IsEmpty()) && nLine != 0);
}

// A copy has not been shown yet.
KvException::KvException(const KvException& rX)
    : m_nDescr(rX.m_nDescr), m_FileName(rX.m_FileName), m_nLine(rX.m_nLine), m_bMsgShown(0)
{
    KV_ASSERT(!(rX.m_FileName.IsEmpty()) && rX.m_nLine != 0);
}

CString KvException::GetErrorMessage() const
{
    KV_ASSERT(m_nDescr != 0);
    CString text;
    text.Format("Error# %d\n", static_cast<int>(m_nDescr));
    CString description;
    description.LoadString(static_cast<UINT>(m_nDescr));
    text += description;
    text += "\n\nDEBUG info:\n\n";
    text += "   File: ";
    text += '"';
    text += m_FileName;
    text += '"';
    CString line;
    line.Format("\n   Line: %d", static_cast<int>(m_nLine));
    text += line;
    return text;
}

void KvException::ShowMessage()
{
    if (!KV_ASSERT(m_bMsgShown == 0))
        return;
    const CString text = GetErrorMessage();
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = "Exception";
    request.style = kKvMbOk;
    request.owner = KvBoxOwner::None;
    KvMessageBox(request);
    m_bMsgShown = 1;
}

KvXSystem::KvXSystem(CString systemText, CString fileName, int nLine)
    : KvException(0, fileName, nLine), m_SystemText(systemText)
{
}

CString KvXSystem::GetSystemMessage() const
{
    CString text = m_SystemText;
    text += '"';
    text += "\n\nFile: ";
    text += '"';
    text += m_FileName;
    text += '"';
    CString line;
    line.Format("\nLine: %d", static_cast<int>(m_nLine));
    text += line;
    return text;
}
