// The fault handler: every user-facing error, warning or question raised outside a
// dialog goes through the current KvFaultHandlerObj, which shows it in a message box
// titled with the product name and answers with a portable button code. A second,
// diagnostic sink shows a log box with cause, severity, log text, action, file and line.
#pragma once

#include "foundation/kvobjroot.h"
#include "foundation/kvstring.h"

// Portable button codes: the results of Report and the values of its default argument.
enum KvFaultButton : int {
    kKvFaultOk = 0,
    kKvFaultCancel = 1,
    kKvFaultRetry = 2,
    kKvFaultYes = 3,
    kKvFaultNo = 4,
    kKvFaultAbort = 5,
    kKvFaultIgnore = 6,
};

// Button sets (the nButtons argument of Report).
enum KvFaultButtons : int {
    kKvButtonsOk = 0,
    kKvButtonsOkCancel = 1,
    kKvButtonsRetryCancel = 2,
    kKvButtonsYesNo = 3,
    kKvButtonsYesNoCancel = 4,
    kKvButtonsAbortRetryIgnore = 5,
};

// Severities (the nSeverity argument of Report): the icon of the box.
enum KvFaultSeverity : int {
    kKvSeverityStop = 0,
    kKvSeverityWarning = 1,
    kKvSeverityInfo = 2,
    kKvSeverityQuestion = 3,
    kKvSeverityNote = 4,
};

// The string-table id of the product name, the caption of every report.
constexpr UINT kKvProductNameId = 8002;

// A message made from a string-table text with the inserts "%1", "%2", ... (texts unless
// an insert names another printf form between exclamation marks). A missing text or a
// failing format gives an empty message.
class KvFaultMessage {
public:
    KvFaultMessage(UINT nID, ...);
    ~KvFaultMessage() = default;

    // A message whose text is given as it stands (used for diagnostics).
    static KvFaultMessage FromText(UINT nID, const char* text);

    UINT GetID() const { return m_nID; }
    const char* GetText() const { return m_text; }

private:
    KvFaultMessage() : m_nID(0) {}

    UINT m_nID;
    CString m_text;
};

class KvFaultHandlerObj : public KvObject {
public:
    KvFaultHandlerObj() = default;
    ~KvFaultHandlerObj() override = default;

    HWND GetParent() const { return Parent; }
    void SetParent(HWND hParent);
    const char* GetTitle() const { return m_title; }
    void SetTitle(const char* title);
    // Loads the caption: the product name of the string table (empty when missing).
    virtual void LoadTitle();

    // Shows pMsg in a message box (when given) and pLog in a log box (when given);
    // returns the portable code of the button pressed in the message box, 0 without one.
    int Report(int nCause, int nSeverity, int nButtons, int nDefault, const KvFaultMessage* pMsg,
               const KvFaultMessage* pLog, int nOther, const char* file, int line);

private:
    int ShowMessageBox(int nSeverity, int nButtons, int nDefault, const char* text);
    void ShowLogBox(int nCause, int nSeverity, int nAction, const char* text, const char* file, int line);

    HWND Parent = nullptr;
    CString m_title;
};

// The process's current handler (null until one is set).
KvFaultHandlerObj* KvGetFaultHandler();
// Makes p current; the previous handler is neither destroyed nor kept.
void KvSetFaultHandler(KvFaultHandlerObj* p);
