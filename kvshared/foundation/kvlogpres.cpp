#include "foundation/kvlogpres.h"

int KvLogStreamPresenter::Show(const KvMessageBoxRequest& request)
{
    m_log << "ERROR: " << (request.text != nullptr ? request.text : "") << '\n';
    return KvDefaultButtonOf(request.style);
}
