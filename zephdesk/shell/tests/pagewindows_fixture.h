// Real page windows in an MDI frame: a frame, its list of page windows, and a program of
// its own (deleted by its last page window) with a main page and the SuperBlock page "Sub".
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pageservices.h"
#include "owl/mdiclient.h"
#include "owl/mdiframe.h"

// Page windows that never ask: every close goes through.
class QuietServices : public ed::PageServices {
public:
    void ShowPage(ed::Page*) override {}
    bool AskBlockName(HWND, const std::string&, std::string&) override { return false; }
    void ShowBlockMenu(HWND, ed::VavurOrezo&, std::int32_t, std::int32_t) override {}
    void ShowPageMenu(HWND, std::int32_t, std::int32_t) override {}
    void PrintedPageSize(int, std::int32_t& w, std::int32_t& h) override { w = h = 0; }
    KvMainFrame* MainFrame() override { return nullptr; }
    bool IsFrameClosing() override { return false; }
    bool HasApplication() override { return true; }
    int SaveApplication(ed::Program&) override { return 0; }
    void CloseApplication(ed::Program&) override { ++closedApplications; }
    int AskSaveChanges(HWND, const std::string&) override { return IDNO; }
    int closedApplications = 0;
};

// A frame whose menu and accelerator commands go to the test's hook first.
class RoutingFrame : public TMDIFrame {
public:
    explicit RoutingFrame(TMDIClient& client) : TMDIFrame("pages", TResId(), client) {}
    LRESULT EvCommand(UINT id, HWND control, UINT code) override
    {
        if (control == nullptr && hook && hook(id)) return 0;
        return TMDIFrame::EvCommand(id, control, code);
    }
    std::function<bool(UINT)> hook;
};

class PageWindowsFixture : public ed::test::CanvasTest {
protected:
    PageWindowsFixture()
    {
        client = new TMDIClient;
        frame = new RoutingFrame(*client);
        frame->Attr.W = 800;
        frame->Attr.H = 600;
        frame->Create();
        frame->Show(SW_SHOWNORMAL);
        windows = std::make_unique<ed::EditWindows>(*client, services);
        host.onNotify = [this](ed::ProgramObject* object, int kind, int scope) {
            windows->NotifyChildren(object, kind, scope);
        };
        opened = new ed::Program(host, model, &imports, "C:\\APPS\\DEMO.ed", 0);
        openedMain = new ed::Page(opened, "Main", ed::kPageMain, 0);
        opened->AddPage(openedMain);
        superBlock = new ed::Page(opened, "Sub", ed::kPageSuperBlock, 0);
        opened->AddPage(superBlock);
    }
    ~PageWindowsFixture() override
    {
        host.onNotify = nullptr;
        windows.reset();
        delete frame;
    }

    std::size_t WindowsOf(const ed::Page* page) const
    {
        std::size_t n = 0;
        for (ed::EditMDI* window : windows->Windows()) n += window->GetPage() == page ? 1 : 0;
        return n;
    }

    QuietServices services;
    TMDIClient* client = nullptr;
    RoutingFrame* frame = nullptr;
    std::unique_ptr<ed::EditWindows> windows;
    ed::Program* opened = nullptr;  // deleted by its last page window
    ed::Page* openedMain = nullptr;
    ed::Page* superBlock = nullptr;
};
