// A scripted responder for tests: records every box and answers with the queued button
// ids in order, then with each box's default button.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"

class KvScriptedPresenter : public KvMessagePresenter {
public:
    struct Box {
        std::string text;
        std::string caption;
        std::uint32_t style;
        KvBoxOwner owner;
        HWND window;
    };

    // Queues the platform button id (KvBoxResult) for the next unanswered box.
    void Answer(int buttonId) { m_answers.push_back(buttonId); }

    int Show(const KvMessageBoxRequest& request) override;
    void ErrorBeep() override { ++m_beeps; }

    const std::vector<Box>& Boxes() const { return m_boxes; }
    int Beeps() const { return m_beeps; }
    void Clear();

private:
    std::deque<int> m_answers;
    std::vector<Box> m_boxes;
    int m_beeps = 0;
};
