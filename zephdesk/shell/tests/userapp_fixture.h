// Documents in tests: the definitions compiled into the program, a shell that answers
// nothing, and boxes and assertion reports captured by a scripted responder.
#pragma once

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvsoftobj.h"

class UserAppTest : public ::testing::Test {
protected:
    UserAppTest()
    {
        KvSetDefinitionStore(&m_definitions);
        KvSoftObj::SetApplication(&m_shell);
    }
    ~UserAppTest() override
    {
        KvSoftObj::SetApplication(nullptr);
        KvSetDefinitionStore(nullptr);
    }

    std::vector<std::string> Assertions() const { return m_capture.Assertions(); }
    // The boxes' scripted answers.
    KvScriptedPresenter& Responder() { return m_capture.presenter; }
    const std::vector<KvScriptedPresenter::Box>& Boxes() const { return m_capture.presenter.Boxes(); }
    // Answers of the boxes to come.
    KvScriptedPresenter& Presenter() { return m_capture.presenter; }
    // Texts of the message boxes shown so far (assertion reports left out).
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_capture.presenter.Boxes()) {
            if (box.caption != "Output Log Message")
                texts.push_back(box.text);
        }
        return texts;
    }

private:
    KvBuiltinDefinitionStore m_definitions;
    ShellServices m_shell;
    FaultCapture m_capture;
};
