// Exceptions of the common library: a failure's description (a string-table id or a
// system text) with the source file and line that raised it. Thrown by value.
#pragma once

#include "foundation/kvstring.h"

class KvException {
public:
    KvException(int nDescr, CString fileName, int nLine);
    KvException(const KvException& rX);
    KvException& operator=(const KvException&) = default;
    virtual ~KvException() = default;

    // "Error# <id>", the description text, and the file and line that raised it.
    virtual CString GetErrorMessage() const;
    // Shows the message in a box captioned "Exception", at most once per object.
    void ShowMessage();

    int GetDescription() const { return m_nDescr; }
    const CString& GetFileName() const { return m_FileName; }
    int GetLine() const { return m_nLine; }
    int IsMessageShown() const { return m_bMsgShown; }

protected:
    std::int32_t m_nDescr;
    CString m_FileName;
    std::int32_t m_nLine;
    std::int32_t m_bMsgShown;
};

// An allocation failure.
class KvXMem : public KvException {
public:
    KvXMem(int nDescr, CString fileName, int nLine) : KvException(nDescr, fileName, nLine) {}
};

// A failure described by a text of the system rather than by a string-table id.
class KvXSystem : public KvException {
public:
    KvXSystem(CString systemText, CString fileName, int nLine);
    KvXSystem(const KvXSystem& rX) = default;

    // The system text, then the file and line that raised it.
    CString GetSystemMessage() const;
    const CString& GetSystemText() const { return m_SystemText; }

private:
    CString m_SystemText;
};
