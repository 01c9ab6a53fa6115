#pragma once
// The event dispatcher and the HUNGUP and ERROR handlers that end every page's code,
// expanded from one stored template per page.

#include <string>

namespace zeph {

// The stored template (76 lines).
const char* EventTemplateText();

// What the template's callback answers for one page.
struct EventTemplatePage {
  std::string Prefix;    // "UserApp$" for Main, else the page name and "$"
  bool IsMain = false;   // Main gets the hang-up and chain handlers, every other page the returns
};

// The callback of the expansion (userData: an EventTemplatePage).
int EventTemplateCallback(void* userData, const char* name, int valueWanted, char* out, int outSize);

// The page's dispatcher text. 0, or -157 when the expansion fails.
int ExpandEventTemplate(std::string& out, const char* pageName);

}  // namespace zeph
