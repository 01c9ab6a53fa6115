// A responder for the tests against a stand-in server that also takes pictures: every box
// is recorded and answered as the scripted responder answers it, except the one box named
// for a picture, which is shown for real, saved as a picture and answered with its button.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "foundation/kvscrpres.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"

class PicturingPresenter : public KvMessagePresenter {
public:
    // The next box whose text starts with textStart is shown, saved as name and answered
    // with button.
    void Picture(const std::string& textStart, const std::string& name, int button)
    {
        m_textStart = textStart;
        m_name = name;
        m_button = button;
    }
    // The picture's path once taken, else empty.
    const std::string& Saved() const { return m_saved; }

    int Show(const KvMessageBoxRequest& request) override
    {
        const std::string text = request.text != nullptr ? request.text : "";
        if (m_name.empty() || text.rfind(m_textStart, 0) != 0)
            return scripted.Show(request);
        const std::string name = m_name;
        m_name.clear();
        const int button = m_button;
        DialogDriver driver([&](HWND box) {
            m_saved = SaveWindowPicture(box, name);
            PostClick(box, button);
        });
        const int answer = KvPlatformMessagePresenter().Show(request);
        // Recorded with the others; its own answer is the one the real box gave.
        scripted.Answer(answer);
        scripted.Show(request);
        return answer;
    }
    void ErrorBeep() override { scripted.ErrorBeep(); }

    // The texts of every box shown, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : scripted.Boxes())
            texts.push_back(box.text);
        return texts;
    }

    KvScriptedPresenter scripted;

private:
    std::string m_textStart;
    std::string m_name;
    int m_button = IDOK;
    std::string m_saved;
};
