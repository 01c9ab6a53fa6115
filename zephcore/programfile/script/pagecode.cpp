// Page code: handler registrations, labels, the blocks of the page and its event template.
#include "programfile/script/pagecode.h"

#include <cstring>

#include "model/pbentry_instance.h"
#include "model/pbfield_lookup.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "programfile/script/blockcode.h"
#include "programfile/script/eventtemplate.h"
#include "programfile/script/fieldvalues.h"

namespace zeph {
namespace {

struct Handler {
  const char* Word;
  const char* Lines;   // each line takes the handler's name
};

constexpr Handler kHandlers[] = {
    {"ERROR", "    Error := TOnEvent(SysInfo, EVENT_ERROR, 0, 0, %s)\n"},
    {"HUNGUP", "    Error := TOnEvent(SysInfo, EVENT_HUNGUP, 0, 0, %s)\n"},
    {"TONE",
     "    Error := TOnEvent(SysInfo, EVENT_TONE, 0, 0, %s)\n"
     "    Error := TOnEvent(SysInfo, EVENT_PATTERN, 0, 0, %s)\n"
     "    Error := TOnEvent(SysInfo, EVENT_PCPM, 0, 0, %s)\n"},
    {"STOPPED", "    _EventHandler[EVENT_STOPPED] := %s\n"},
    {"SILENCE", "    _EventHandler[EVENT_SILENCE] := %s\n"},
};

bool IsMainName(const char* name) { return std::strcmp(name, "Main") == 0; }

// The page's blocks: on Main those without "$", elsewhere those whose text before the
// first "$" is the page's name.
bool BelongsTo(const Symbol& block, const Symbol& page) {
  const char* dollar = std::strchr(block.Name, '$');
  if (IsMainName(page.Name)) return dollar == nullptr;
  if (dollar == nullptr) return false;
  const std::size_t length = static_cast<std::size_t>(dollar - block.Name);
  return length == std::strlen(page.Name) && std::strncmp(block.Name, page.Name, length) == 0;
}

void WriteHandlers(const Symbol& page, const ScriptContext& context, std::string& out) {
  const std::string prefix = IsMainName(page.Name) ? std::string() : std::string(page.Name) + "$";
  bool any = false;
  for (const Handler& h : kHandlers) {
    const std::string name = prefix + h.Word;
    Symbol* handler = SymTreeFind(*context.Symbols->TreeSlot(kTypeVavurOrezo), name.c_str());
    if (handler == nullptr || !PassesSymbolFilter(*handler)) continue;
    std::string lines = h.Lines;
    std::size_t at = 0;
    while ((at = lines.find("%s", at)) != std::string::npos) {
      lines.replace(at, 2, name);
      at += name.size();
    }
    out += lines;
    any = true;
  }
  if (any) out += "\n";
}

void WriteLabels(const Symbol& page, const ScriptContext& context, std::string& out) {
  const std::string beginName = IsMainName(page.Name) ? std::string("Begin") : std::string(page.Name) + "$Begin";
  Symbol* symbol = SymTreeFind(*context.Symbols->TreeSlot(kTypeVavurOrezo), beginName.c_str());
  const PBInstance* begin = symbol != nullptr && PassesSymbolFilter(*symbol) ? InstanceOf(symbol) : nullptr;
  if (begin == nullptr) {
    throw ScriptFailure(kScriptInternalError,
                        Format("The page '%s' has no Begin VavurOrezo ('%s').", page.Name, beginName.c_str()));
  }
  const BlockFields fields(*begin, *context.Symbols);
  if (!fields.HasTable()) return;
  std::string target = "!VALUE!";
  const SymP* slot = fields.Slot(0);
  if (slot != nullptr && slot->HasConst()) {
    target = "\"" + std::string(slot->ConstText()) + "\"";
  } else if (fields.HasReference(0)) {
    target = fields.ReferenceText(0);
  }
  out += Format("UserApp$%s:\n", begin->Name.c_str());
  out += "    goto UserApp$" + target + "\n\n";
  out += "UserApp$Continue:\n    __PBNAME__ := \"UserApp$Continue\"\n    Error := 0\n    return 100\n\n";
  out += "UserApp$End:\n    __PBNAME__ := \"UserApp$End\"\n    Error := 0\n    return 101\n\n";
}

}  // namespace

void CodeWritePage(const Symbol& page, int pageType, const ScriptContext& context, std::string& out) {
  out += "UserApp {\n\n";
  out += "    __TRACE__ := Kvsle_TracingEnabled()\n";
  WriteHandlers(page, context, out);
  if (IsMainName(page.Name)) out += "    Error := InitVoiceDBAddrs()\n\n";
  WriteLabels(page, context, out);

  ScriptPage where;
  where.Page = &page;
  where.PageType = pageType;
  where.Prefix = IsMainName(page.Name) ? std::string("UserApp$") : std::string(page.Name) + "$";
  WalkInNameOrder(*context.Symbols->TreeSlot(kTypeVavurOrezo), [&](Symbol& s) {
    if (!PassesSymbolFilter(s) || !BelongsTo(s, page)) return;
    if (const PBInstance* block = InstanceOf(&s)) CodeWriteBlock(*block, where, context, out);
  });

  if (ExpandEventTemplate(out, page.Name) != 0) {
    throw ScriptFailure(kScriptInternalError, Format("The event handling of page '%s' could not be made.", page.Name));
  }
  out += "}\n\n";
}

void CodeWritePages(Symbol* pageTree, int pageType, int isLibrary, const ScriptContext& context, std::string& out) {
  WalkInNameOrder(pageTree, [&](Symbol& page) {
    if (!PassesSymbolFilter(page)) return;
    const bool mainFlag = page.Invisible != 0;
    if (mainFlag && !(EqualsNoCase(page.Name, "Main") && isLibrary == 0)) return;
    CodeWritePage(page, pageType, context, out);
  });
}

}  // namespace zeph
