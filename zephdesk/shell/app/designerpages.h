// What the page windows ask of the designer: showing a page, the frame's drag object and
// closing flag, the save prompt and the save of the program's file. The name dialog of a
// dropped block, the context menus, the printed sheet's size and closing the application
// on the server belong to the frame, the print commands and the user-application
// document; until those install theirs (SetBlockNamer and the others below), a drop asks
// for no name (the block is not placed), no menu opens, no print grid is drawn and closing
// leaves the server as it is.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editor/page/pageservices.h"

class UIApp;
namespace ed {
class EditWindows;
}

class DesignerPageServices : public ed::PageServices {
public:
    explicit DesignerPageServices(UIApp& app) : m_app(app) {}

    void SetWindows(ed::EditWindows* windows) { m_pWindows = windows; }

    using BlockNamer = std::function<bool(HWND owner, const std::string& caption, std::string& name)>;
    using MenuShower = std::function<void(HWND owner, ed::VavurOrezo* block, std::int32_t x, std::int32_t y)>;
    using SheetMeasure = std::function<void(int firstBuild, std::int32_t& width, std::int32_t& height)>;
    using ApplicationCloser = std::function<void(ed::Program& program)>;
    void SetBlockNamer(BlockNamer namer) { m_namer = std::move(namer); }
    // block null: the page's menu.
    void SetMenuShower(MenuShower menus) { m_menus = std::move(menus); }
    void SetSheetMeasure(SheetMeasure measure) { m_measure = std::move(measure); }
    void SetApplicationCloser(ApplicationCloser closer) { m_closer = std::move(closer); }
    // Called after the closer (auto-save stops once no application is open).
    void SetApplicationClosed(std::function<void()> closed) { m_closed = std::move(closed); }

    void ShowPage(ed::Page* page) override;
    bool AskBlockName(HWND owner, const std::string& caption, std::string& name) override;
    void ShowBlockMenu(HWND owner, ed::VavurOrezo& block, std::int32_t x, std::int32_t y) override;
    void ShowPageMenu(HWND owner, std::int32_t x, std::int32_t y) override;
    void PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) override;
    KvMainFrame* MainFrame() override;
    bool IsFrameClosing() override;
    bool HasApplication() override;
    int SaveApplication(ed::Program& program) override;
    void CloseApplication(ed::Program& program) override;
    int AskSaveChanges(HWND owner, const std::string& fileTitle) override;

private:
    UIApp& m_app;
    ed::EditWindows* m_pWindows = nullptr;
    BlockNamer m_namer;
    MenuShower m_menus;
    SheetMeasure m_measure;
    ApplicationCloser m_closer;
    std::function<void()> m_closed;
};
