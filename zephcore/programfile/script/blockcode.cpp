// Code of one VavurOrezo.
#include "programfile/script/blockcode.h"

#include <vector>

#include "model/custompb.h"
#include "model/pbcat.h"
#include "model/pbfield_lookup.h"
#include "scribe/fielddesc.h"
#include "programfile/script/arguments.h"
#include "programfile/script/blocktypes.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/codecallbacks.h"
#include "programfile/script/fieldvalues.h"
#include "programfile/script/scriptwriter.h"

namespace zeph {
namespace {

constexpr int kCallbackLimit = 16383;

// The list after the one that starts here (null for a null list).
const PBTemplatePair* SkipList(const PBTemplatePair* list) {
  if (list == nullptr) return nullptr;
  while (!scribe::IsTemplateEnd(*list)) ++list;
  return list + 1;
}

bool IsRotaryCode(int code) { return code == 103 || code == 114 || code == 155; }

bool EndsThePage(int code) {
  static const int kCodes[] = {105, 108, 111, 118, 124, 127, 136, 138, 140, 142, 144, 154, 157, 159, 162, 164, 166};
  for (int c : kCodes) {
    if (c == code) return true;
  }
  return false;
}

// The target of a goto field: the name held as text, else the reference's text, else
// "!VALUE!".
std::string GotoTarget(const BlockFields& f, int field) {
  const SymP* slot = f.Slot(field);
  if (slot != nullptr && slot->HasConst()) return slot->ConstText();
  if (f.HasReference(field)) return f.ReferenceText(field);
  return "!VALUE!";
}

void AppendExitLines(const PBTemplatePair* exits, const BlockFields& f, const ScriptPage& page,
                     const ScriptContext& context, std::string& out) {
  for (const PBTemplatePair* p = exits; p != nullptr && !scribe::IsTemplateEnd(*p); ++p) {
    const int kind = p->Kind;
    const int field = p->Field;
    if (kind == scribe::kExitGoto) {
      out += "    goto " + GotoTarget(f, field) + "\n";
    } else if (kind == -288) {
      const std::string text = f.Text(field);
      if (text != "!VALUE!") out += Format("    %s := %s\n", text.c_str(), f.Text(4).c_str());
    } else if (kind == scribe::kExitFallThrough) {
      out += Format("    if (HandleErr = 0) goto %sERROR$$\n", page.Prefix.c_str());
      out += Format("    goto %sEVENT$$\n", page.Prefix.c_str());
    } else if (kind == scribe::kExitMenuChoices) {
      out += MenuChoiceLines(f, context.TargetVersion);
    } else if (kind >= 0) {
      // An optional exit left open falls through to the page's event handling.
      if (!EndsThePage(kind) && !(IsRotaryCode(kind) && context.TargetVersion < 6.07f && context.TargetVersion != 0) &&
          f.Entry(field).CanFieldBeBlank != 0 && !f.HasValue(field)) {
        continue;
      }
      out += CompletionExitLine(kind, GotoTarget(f, field), context.TargetVersion);
    }
  }
}

}  // namespace

std::string CompletionExitLine(int code, const std::string& target, float targetVersion) {
  const char* name = scribe::CompletionCodeName(code);
  if (IsRotaryCode(code) && targetVersion < 6.07f && targetVersion != 0) {
    return Format("    if(Done = %s) goto UserApp$Rotary\n", name);
  }
  if (EndsThePage(code)) return Format("    if(Done = %s) goto UserApp$End\n", name);
  return Format("    if(Done = %s) goto UserApp$%s\n", name, target.c_str());
}

int EmitVavurOrezoCode(const PBInstance& block, const ScriptPage& page, const ScriptContext& context, int pass,
                       std::string& out) {
  const std::string continueLabel = Format("UserApp$%s_$:\n", block.Name.c_str());
  const PBTemplatePair* tpl = GetParameterTemplate(block.Type, &block);
  const BlockFields fields(block, *context.Symbols);
  if (!fields.HasTable()) {
    // A call of a page that is gone would leave the block without code, falling through.
    if (block.Type == blocks::kSuperBlockCall) {
      throw ScriptFailure(kScriptInternalError, Format("The VavurOrezo '%s' calls the page '%s', which the program does not have.",
                                                       block.Name.c_str(), block.Companion.c_str()));
    }
    return 1;
  }

  int answer = 0;
  if (block.Type >= 0) {
    const PBType* slot = TheCatalogue().Slot(block.Type);
    if (slot != nullptr && slot->CodeEmitter != nullptr) {
      std::vector<char> buffer(kCallbackLimit + 1, '\0');
      answer = slot->CodeEmitter(context.Program, const_cast<PBInstance*>(&block), const_cast<PBInstance*>(&block),
                                 context.Window, buffer.data(), kCallbackLimit, pass);
      if ((answer & kPassDone) != 0) return 1;
      out += buffer.data();
    }
  }

  // The argument lists: the call's, the exits, and the second call's.
  const PBTemplatePair* exits = nullptr;
  if ((answer & kNoCallStatement) == 0) {
    const std::size_t start = out.size();
    const char* head = FixedStatementHead(block.Type);
    if (block.Type == blocks::kSuperBlockCall) {
      if (pass != 0) return 1;
      out += SuperBlockCallText(fields);
      exits = SkipList(tpl);
    } else if (head != nullptr) {
      const char* name = TheCatalogue().InternalName(block.Type);
      exits = SkipList(tpl);
      const PBTemplatePair* second = SkipList(exits);
      if (pass == 0) {
        out += head;
        AppendArgumentList(tpl, fields, context, start, out);
      } else {
        out += Format("    %s(", name != nullptr ? name : "");
        AppendArgumentList(second, fields, context, start, out);
      }
    } else {
      if (pass != 0) return 1;
      if (EmitOwnCode(fields, page, out)) return 0;
      const char* name = TheCatalogue().InternalName(block.Type);
      out += Format("    %s(", name != nullptr ? name : "");
      exits = AppendArgumentList(tpl, fields, context, start, out);
    }
  } else {
    exits = SkipList(tpl);
  }

  if ((answer & kNoEventTest) == 0) {
    if (pass == 0) out += continueLabel;
    out += Format("    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto %sEVENT$$\n", page.Prefix.c_str());
  }
  if ((answer & kNoExitLines) == 0) AppendExitLines(exits, fields, page, context, out);
  out += "\n";
  return 0;
}

void CodeWriteBlock(const PBInstance& block, const ScriptPage& page, const ScriptContext& context, std::string& out) {
  if (block.Type == blocks::kStart || block.Type == blocks::kEndSession || block.Type == blocks::kContinue) return;
  out += Format("UserApp$%s:\n", block.Name.c_str());
  if (block.Type == blocks::kEndError && (context.Options & kBuildBlockNames) != 0) out += "    __LASTPBNAME__ := \"\" \n";
  if ((context.Options & kBuildBlockNames) != 0) out += Format("    __PBNAME__ := \"UserApp$%s\"\n", block.Name.c_str());
  if ((context.Options & kBuildTrace) != 0) out += "    if (__TRACE__ = 1) OTrace(__PBNAME__)\n";

  if (block.Type == blocks::kCustom) {
    CustomPBEntry* custom = context.Customs != nullptr ? CustomPBFind(*context.Customs, block.Companion.c_str()) : nullptr;
    if (custom == nullptr) {
      throw ScriptFailure(kScriptInternalError,
                          Format("The VavurOrezo '%s' uses the Custom VavurOrezo '%s', which the program does not have.",
                                 block.Name.c_str(), block.Companion.c_str()));
    }
    out += "    ";
    if (!custom->Code.empty()) out += NormaliseLineEnds(custom->Code);
    const BlockFields fields(block, *context.Symbols);
    out += Format("\n    goto %s\n\n", fields.Text(0).c_str());
    return;
  }

  if (block.Type == blocks::kMenu) {
    const BlockFields fields(block, *context.Symbols);
    out += "    " + EntryFlagList(fields) + "\n";
  } else if (block.Type == blocks::kMailboxFirstInRange || block.Type == blocks::kMailboxLastInRange ||
             block.Type == blocks::kMailboxRandomInRange) {
    const BlockFields fields(block, *context.Symbols);
    out += MailboxKeyLines(fields);
  }

  for (int pass = 0; pass < 2; ++pass) {
    std::string text;
    if (EmitVavurOrezoCode(block, page, context, pass, text) == 0) out += text;
  }
}

}  // namespace zeph
