// The lines of the page dialogs' lists: a SuperBlock's name padded to 16 characters, a tab
// and "Export" or "Internal" as the model reports it; a Verification Block's name alone.
#pragma once

#include <string>
#include <vector>

namespace ed {
class Page;
class Program;
}

std::string PageListLine(ed::Page& page);
// The program's pages of the type, in the program's order.
std::vector<ed::Page*> PagesOfType(const ed::Program& program, int pageType);
