// The designer started stand-alone (no server) opens the Sample program of its program
// folder through File > Open and shows it in its page window; the frame is saved as a
// picture for a person to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/canvas/program.h"
#include "editor/samples/sampleprograms.h"
#include "foundation/kvscrpres.h"
#include "owl/mdiclient.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/tests/scripted_picker.h"
#include "shell/workspace/kvwinapp.h"
#include "designer_surroundings.h"
#include "standin_application.h"

namespace {

constexpr UINT kCmOpen = 4129;

class StandAloneSampleTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_app && m_app->GetWorkspace() != nullptr)
            m_app->GetWorkspace()->SetAppPicker(nullptr);
        if (m_app && m_app->GetMDIFrame() != nullptr)
            ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
        m_app.reset();
        PumpPending();
        // Every file of the name that was not there before goes: a copy left in the program
        // folder is offered for recovery by every later logged-in start in the prefix.
        const std::string folder = KvProgramFolder();
        for (const std::string& file : KvFilesOfName(folder, "Sample")) {
            if (std::find(m_kept.begin(), m_kept.end(), file) == m_kept.end())
                std::remove((folder + file).c_str());
        }
    }

    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    DesignerSurroundings m_surroundings{"sample_standalone.ini"};
    ScriptedPicker m_picker;
    std::unique_ptr<UIApp> m_app;
    std::vector<std::string> m_kept;
};

TEST_F(StandAloneSampleTest, TheSampleProgramOpensInItsPageWindow)
{
    // The program folder holds the Sample program as an installation has it, written by
    // the writer the installation's own files come from.
    const std::string folder = KvProgramFolder();
    m_kept = KvFilesOfName(folder, "Sample");
    if (m_kept.empty()) {
        std::ostringstream log;
        ASSERT_EQ(ed::WriteSampleProgramFile(folder + "Sample.ed", log), 1) << log.str();
    }

    // The title the designer's entry gives the frame.
    std::snprintf(g_szAppTitle, sizeof g_szAppTitle, "%s", ModelExportCalls().ProductName());
    m_app = std::make_unique<UIApp>(g_szAppTitle, ::GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL,
                                    UIAppCalls{m_surroundings.profile, ExportLoginCalls(), ModelExportCalls()});
    m_app->InitInstance();
    UIMDIFrame* frame = m_app->GetMDIFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(m_app->GetWorkspace(), nullptr);
    m_app->GetWorkspace()->SetAppPicker(&m_picker);

    m_picker.manies = {{{1, "Sample", 1, 0}}};
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmOpen, 0);
    PumpPending();

    KvUserApp* app = m_app->GetWorkspace()->FindUserAppByName("Sample");
    ASSERT_NE(app, nullptr);
    ASSERT_NE(app->GetProgram(), nullptr);
    EXPECT_FALSE(app->GetProgram()->IsModified());
    EXPECT_TRUE(m_presenter.Boxes().empty()) << m_presenter.Boxes().front().text;
    // The page window shows the program's main page, named in its caption.
    HWND client = frame->GetClientWindow() != nullptr ? frame->GetClientWindow()->HWindow : nullptr;
    ASSERT_NE(client, nullptr);
    HWND page = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(::IsWindowVisible(page));
    char caption[256] = "";
    ::GetWindowTextA(page, caption, sizeof caption);
    EXPECT_NE(std::string(caption).find("Sample"), std::string::npos) << caption;
    EXPECT_NE(SaveWindowPicture(frame->HWindow, "sample_standalone_page_window"), "");
}

}  // namespace
