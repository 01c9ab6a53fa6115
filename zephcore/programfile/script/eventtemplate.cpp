// The event template and its expansion for one page.
#include "programfile/script/eventtemplate.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "bank/template.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {
namespace {

constexpr const char kTemplate[] =
    "&<PAGE>EVENT$$:\n"
    "    __LASTPBNAME__ := __PBNAME__\n"
    "    __PBNAME__ := \"&<PAGE>EVENT$$\"\n"
    "+<&<TRACE>    if (__TRACE__ = 1)\n"
    "        OTrace(__PBNAME__)\n"
    ">+    if (Error != 0) {\n"
    "        SaveErr := Error\n"
    "        SaveEvent := 0\n"
    "        TGetEventHandler(EVENT_ERROR, TempAddr)\n"
    "        if (__NOADDR__ = TempAddr)\n"
    "            goto &<PAGE>ERROR$$\n"
    "        else\n"
    "            goto TempAddr\n"
    "    }\n"
    "    else if (LastEvent != 0) {\n"
    "        SaveErr := 0\n"
    "        SaveEvent := LastEvent\n"
    "        TGetEventHandler(LastEvent, TempAddr)\n"
    "        if (__NOADDR__ = TempAddr) {\n"
    "            TGetEventHandler(EVENT_DEFAULT, TempAddr)\n"
    "            if (__NOADDR__ = TempAddr) {\n"
    "+<&<IS_PAGE>                if (LastEvent != EVENT_HUNGUP) \n"
    "                    return 0 \n"
    ">+                TGetEventHandler(EVENT_HUNGUP,TempAddr)\n"
    "                if (__NOADDR__ = TempAddr)\n"
    "                    goto &<PAGE>HUNGUP$$\n"
    "            }\n"
    "        }\n"
    "        LastEvent := 0\n"
    "        goto TempAddr\n"
    "    }\n"
    "    else {\n"
    "        SaveErr := 0\n"
    "        LastEvent := _Events[Done]\n"
    "        SaveEvent := LastEvent\n"
    "        if (LastEvent = EVENT_BAD) {\n"
    "            Error := Done + 30000\n"
    "            SaveErr := Error\n"
    "            SaveEvent := 0\n"
    "            TGetEventHandler(EVENT_ERROR, TempAddr)\n"
    "            if (__NOADDR__ = TempAddr)\n"
    "                goto &<PAGE>ERROR$$\n"
    "            else\n"
    "                goto TempAddr\n"
    "        }\n"
    "        TGetEventHandler(LastEvent,TempAddr)\n"
    "        if (__NOADDR__ = TempAddr) {\n"
    "            TGetEventHandler(EVENT_HUNGUP,TempAddr)\n"
    "            if (__NOADDR__ = TempAddr)\n"
    "                goto &<PAGE>HUNGUP$$\n"
    "        }\n"
    "        LastEvent := 0\n"
    "        goto TempAddr\n"
    "    }\n"
    "\n"
    "+<&<IS_MAIN>&<PAGE>HUNGUP$$:\n"
    "    TOnHook()\n"
    "    PChainByID(0,0)\n"
    "\n"
    "&<PAGE>ERROR$$:\n"
    "    OTrace(\"App Error Handler undefined, ULVO default error handler will chain to idleapp.\")\n"
    "    OErrorLogAdd(15005,1,1, \"\", 56008, 0,0,0,\"Event Handler\",\"\")\n"
    "    PChainByID(0,0)\n"
    ">++<&<IS_PAGE>&<PAGE>HUNGUP$$:\n"
    "    return Done\n"
    "\n"
    "&<PAGE>ERROR$$:\n"
    "    __PBNAME__ := __LASTPBNAME__\n"
    "    if (LastEvent != 0) {\n"
    "\t\tError := SaveEvent\n"
    "    }\n"
    "    else {\n"
    "\t\tError := SaveErr\n"
    "    }\n"
    "    return 0\n"
    ">+\n";

int CopyOut(const std::string& text, char* out, int outSize) {
  if (out == nullptr || outSize <= 0) return -1;
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(outSize - 1));
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace

const char* EventTemplateText() { return kTemplate; }

int EventTemplateCallback(void* userData, const char* name, int valueWanted, char* out, int outSize) {
  const auto* page = static_cast<const EventTemplatePage*>(userData);
  if (page == nullptr || name == nullptr) return -2;
  const int condition = valueWanted == 0 ? 0 : -1;
  if (std::strcmp(name, "PAGE") == 0) return CopyOut(page->Prefix, out, outSize);
  if (std::strcmp(name, "IS_PAGE") == 0) return !page->IsMain ? condition : -1;
  if (std::strcmp(name, "IS_MAIN") == 0) return page->IsMain ? condition : -1;
  if (std::strcmp(name, "TRACE") == 0) return ScriptTraceValue() == 1 ? condition : -1;
  if (std::strcmp(name, "TRACE_VALUE") == 0) return CopyOut(Format("%d", ScriptTraceValue()), out, outSize);
  return -2;
}

int ExpandEventTemplate(std::string& out, const char* pageName) {
  EventTemplatePage page;
  page.IsMain = pageName != nullptr && std::strcmp(pageName, "Main") == 0;
  page.Prefix = page.IsMain ? std::string("UserApp$") : std::string(pageName != nullptr ? pageName : "") + "$";
  // Room for the template with the prefix in every place that names it.
  const int room = static_cast<int>(sizeof kTemplate + 32 * (page.Prefix.size() + 1));
  std::vector<char> buffer(static_cast<std::size_t>(room), '\0');
  if (instantiate_template(kTemplate, buffer.data(), room, EventTemplateCallback, &page) == 0) {
    return kScriptInternalError;
  }
  out += buffer.data();
  return 0;
}

}  // namespace zeph
