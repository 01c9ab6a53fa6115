#include "foundation/kvlsmsgprompt.h"

#include "foundation/kvlsmsg.h"

bool TLSMsgPrompt::AskContinue(const std::string& text, bool& doNotAskAgain)
{
    short mode = kKvLoadSaveAsk;
    TLSMsg dialog(nullptr, &mode, text.c_str(), m_module);
    const bool goOn = dialog.Execute() == IDOK;
    doNotAskAgain = mode == kKvLoadSaveLogAndContinue;
    return goOn;
}

TLSMsgPrompt& KvLoadSaveErrorDialogPrompt()
{
    static TLSMsgPrompt prompt;
    return prompt;
}
