// The load and save error question asked in the dialog TLSMsg. The model library installs
// it with KvSetLoadSaveErrorPrompt(&KvLoadSaveErrorDialogPrompt()).
#pragma once

#include "foundation/kvlserr.h"

class TModule;

class TLSMsgPrompt : public KvLoadSaveErrorPrompt {
public:
    // The dialog's template is looked up in module first (see TBaseDialog).
    explicit TLSMsgPrompt(TModule* module = nullptr) : m_module(module) {}

    // Runs the dialog without a parent window: true when it was closed with "Continue".
    // A dialog that cannot be made counts as "Abort".
    bool AskContinue(const std::string& text, bool& doNotAskAgain) override;

private:
    TModule* m_module;
};

// The prompt of the program's dialogs (template from the current program's modules).
TLSMsgPrompt& KvLoadSaveErrorDialogPrompt();
