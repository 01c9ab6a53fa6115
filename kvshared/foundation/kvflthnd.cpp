#include "foundation/kvflthnd.h"

#include <cstdarg>
#include <iterator>

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"

namespace {

KvFaultHandlerObj* g_current = nullptr;

constexpr std::uint32_t kSeverityIcons[] = {
    kKvMbIconHand,         // 0 stop, with the error beep
    kKvMbIconExclamation,  // 1
    kKvMbIconAsterisk,     // 2
    kKvMbIconQuestion,     // 3
    kKvMbIconAsterisk,     // 4
};

// A button set, and the default codes that select its second and third button.
struct ButtonRule {
    std::uint32_t style;
    int secondDefault;  // -1: none
    int thirdDefault;   // -1: none
};
constexpr ButtonRule kButtonRules[] = {
    {kKvMbOk, -1, -1},
    {kKvMbOkCancel, kKvFaultCancel, -1},
    {kKvMbRetryCancel, kKvFaultCancel, -1},
    {kKvMbYesNo, kKvFaultNo, -1},
    {kKvMbYesNoCancel, kKvFaultNo, kKvFaultCancel},
    {kKvMbAbortRetryIgnore, kKvFaultRetry, kKvFaultIgnore},
};

// Platform button id (1..7) to portable code.
constexpr int kPortableCodes[] = {
    -1,
    kKvFaultOk,      // IDOK
    kKvFaultCancel,  // IDCANCEL
    kKvFaultAbort,   // IDABORT
    kKvFaultRetry,   // IDRETRY
    kKvFaultIgnore,  // IDIGNORE
    kKvFaultYes,     // IDYES
    kKvFaultNo,      // IDNO
};

constexpr const char* kLogFormat = "Cause:\t%1\nSeverity:\t%2\nLog:\t%3\nAction:\t%4\nFile:\t%5\nLine:\t%6";
constexpr const char* kLogCaption = "Output Log Message";

}  // namespace

KvFaultMessage::KvFaultMessage(UINT nID, ...)
    : m_nID(nID)
{
    CString format;
    if (!format.LoadString(nID))
        return;
    va_list args;
    va_start(args, nID);
    m_text.FormatMessageV(format, args);
    va_end(args);
}

KvFaultMessage KvFaultMessage::FromText(UINT nID, const char* text)
{
    KvFaultMessage message;
    message.m_nID = nID;
    message.m_text = text;
    return message;
}

void KvFaultHandlerObj::SetParent(HWND hParent)
{
    if (!KV_ASSERT(hParent != 0))
        return;
    Parent = hParent;
}

void KvFaultHandlerObj::SetTitle(const char* title)
{
    m_title = title;
}

void KvFaultHandlerObj::LoadTitle()
{
    m_title.LoadString(kKvProductNameId);
}

int KvFaultHandlerObj::Report(int nCause, int nSeverity, int nButtons, int nDefault, const KvFaultMessage* pMsg,
                              const KvFaultMessage* pLog, int nOther, const char* file, int line)
{
    LoadTitle();
    const int nAction = pMsg != nullptr ? ShowMessageBox(nSeverity, nButtons, nDefault, pMsg->GetText()) : kKvFaultOk;
    if (pLog != nullptr)
        ShowLogBox(nCause, nSeverity, nAction, pLog->GetText(), file, line);
    KV_ASSERT(nOther == 0);  // there is no third sink
    return nAction;
}

int KvFaultHandlerObj::ShowMessageBox(int nSeverity, int nButtons, int nDefault, const char* text)
{
    std::uint32_t icon = kKvMbIconHand;
    if (nSeverity >= 0 && nSeverity < static_cast<int>(std::size(kSeverityIcons)))
        icon = kSeverityIcons[nSeverity];
    else
        KV_ASSERT(0);

    ButtonRule rule = kButtonRules[0];
    if (nButtons >= 0 && nButtons < static_cast<int>(std::size(kButtonRules)))
        rule = kButtonRules[nButtons];
    else
        KV_ASSERT(0);

    std::uint32_t defButton = 0;
    if (nDefault == rule.secondDefault)
        defButton = kKvMbDefButton2;
    else if (nDefault == rule.thirdDefault)
        defButton = kKvMbDefButton3;

    KvMessagePresenter& presenter = KvGetMessagePresenter();
    if (icon == kKvMbIconHand && nSeverity == kKvSeverityStop)
        presenter.ErrorBeep();

    KvMessageBoxRequest request;
    request.text = text;
    request.caption = m_title;
    request.style = icon | rule.style | defButton;
    request.owner = KvBoxOwner::ActiveWindow;
    const int result = presenter.Show(request);
    if (result >= 1 && result < static_cast<int>(std::size(kPortableCodes)))
        return kPortableCodes[result];
    KV_ASSERT(0);
    return kKvFaultOk;
}

void KvFaultHandlerObj::ShowLogBox(int nCause, int nSeverity, int nAction, const char* text, const char* file,
                                   int line)
{
    CString cause, severity, action, lineText;
    cause.Format("%d", nCause);
    severity.Format("%d", nSeverity);
    action.Format("%d", nAction);
    lineText.Format("%d", line);
    CString message;
    message.FormatMessage(kLogFormat, static_cast<const char*>(cause), static_cast<const char*>(severity),
                          text != nullptr ? text : "", static_cast<const char*>(action), file != nullptr ? file : "",
                          static_cast<const char*>(lineText));

    KvMessageBoxRequest request;
    request.text = message;
    request.caption = kLogCaption;
    request.style = kKvMbSystemModal | kKvMbIconHand | kKvMbOk;
    request.owner = KvBoxOwner::ActiveWindow;
    KvGetMessagePresenter().Show(request);
}

KvFaultHandlerObj* KvGetFaultHandler()
{
    return g_current;
}

void KvSetFaultHandler(KvFaultHandlerObj* p)
{
    g_current = p;
}
