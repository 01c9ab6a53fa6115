#include "foundation/kvscrpres.h"

int KvScriptedPresenter::Show(const KvMessageBoxRequest& request)
{
    m_boxes.push_back({request.text != nullptr ? request.text : "", request.caption != nullptr ? request.caption : "",
                       request.style, request.owner, request.window});
    if (m_answers.empty())
        return KvDefaultButtonOf(request.style);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void KvScriptedPresenter::Clear()
{
    m_answers.clear();
    m_boxes.clear();
    m_beeps = 0;
}
