#include "foundation/kvlsmsg.h"

#include "foundation/kvassert.h"
#include "foundation/kvlserr.h"
#include "pane/lsmsgids.h"

DEFINE_RESPONSE_TABLE(TLSMsg, TBaseDialog)
    EV_BN_CLICKED(IDC_LSMSG_LOGONLY, ToggleLogOnly),
END_RESPONSE_TABLE;

TLSMsg::TLSMsg(TWindow* parent, short* mode, const char* text, TModule* module)
    : TBaseDialog(parent, "ULVO_LS_MSG", module),
      m_text(text),
      m_mode(mode),
      m_textControl(this, IDC_LSMSG_TEXT),
      m_logOnlyBox(this, IDC_LSMSG_LOGONLY)
{
    if (!KV_ASSERT(m_mode != nullptr))
        m_mode = &m_ownMode;
    *m_mode = kKvLoadSaveAsk;
}

void TLSMsg::SetupWindow()
{
    TBaseDialog::SetupWindow();
    m_textControl.SetText(m_text != nullptr ? m_text : "");
    m_logOnlyBox.Uncheck();
}

void TLSMsg::ToggleLogOnly()
{
    *m_mode = *m_mode == kKvLoadSaveLogAndContinue ? kKvLoadSaveAsk : kKvLoadSaveLogAndContinue;
}
