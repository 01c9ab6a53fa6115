#include "shell/dialogs/pagelines.h"

#include <cstdio>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"

std::string PageListLine(ed::Page& page)
{
    if (page.PageType() != ed::kPageSuperBlock)
        return page.Name();
    ed::Program* program = page.GetProgram();
    const bool exported =
        program != nullptr && vlxGetPageType(program->Handle(), page.Name().c_str()) == 1;
    char line[64];
    std::snprintf(line, sizeof line, "%-16.16s\t%s", page.Name().c_str(), exported ? "Export" : "Internal");
    return line;
}

std::vector<ed::Page*> PagesOfType(const ed::Program& program, int pageType)
{
    std::vector<ed::Page*> pages;
    for (const auto& page : program.Pages())
        if (page->PageType() == pageType)
            pages.push_back(page.get());
    return pages;
}
