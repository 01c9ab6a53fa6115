#include "foundation/kvlserrask.h"

#include "foundation/kvmsgbox.h"

namespace {

// Asks through the current message presenter: OK goes on, Cancel stops. A plain box has
// no "Do not display further warnings" choice, so the user is asked again next time.
class MessageBoxPrompt : public KvLoadSaveErrorPrompt {
public:
    bool AskContinue(const std::string& text, bool& doNotAskAgain) override
    {
        doNotAskAgain = false;
        KvMessageBoxRequest box;
        box.text = text.c_str();
        box.caption = "LOAD AND SAVE ERROR";
        box.style = kKvMbOkCancel | kKvMbIconExclamation;
        box.owner = KvBoxOwner::None;
        return KvMessageBox(box) == kKvIdOk;
    }
};

}  // namespace

KvLoadSaveErrorPrompt& KvDefaultLoadSaveErrorPrompt()
{
    static MessageBoxPrompt prompt;
    return prompt;
}
