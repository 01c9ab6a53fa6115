// Argument texts by template kind.
#include "programfile/script/arguments.h"

#include <cstdlib>
#include <cstring>

#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/script/blocktypes.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/typewords.h"

namespace zeph {
namespace {

constexpr int kWrapColumn = 67;
constexpr const char* kBreak = "\n        ";

// Bit table: word i is 65536 + 2 to the power ((i + 1) mod 16).
std::uint32_t BitWord(int i) { return 0x10000u + (1u << ((i + 1) % 16)); }

int ReadNumber(const std::string& text) {
  return static_cast<int>(std::strtol(Unquoted(text).c_str(), nullptr, 10));
}

// The number before (first) or after the separator of the field's unquoted text.
std::string SplitNumber(const BlockFields& f, int field, char separator, bool before) {
  if (!f.HasValue(field)) return "0";
  const std::string text = Unquoted(f.Text(field));
  const std::size_t at = text.find(separator);
  std::string part;
  if (before) {
    part = text.substr(0, at);
  } else if (at != std::string::npos) {
    part = text.substr(at + 1);
  }
  return Format("%d", static_cast<int>(std::strtol(part.c_str(), nullptr, 10)));
}

std::string FieldOrNoValue(const BlockFields& f, int field) {
  return f.HasValue(field) ? f.Text(field) : std::string("no_value");
}

// The argument of a field as it stands (kind 0 and above).
std::string PlainArgument(const BlockFields& f, int field) {
  const PBFieldDef& e = f.Entry(field);
  if (f.HasConstant(field)) {
    const bool bare = e.ScalarType == kTypeString && e.IsGoto();
    return f.ConstantText(field, e.ScalarType, false, !bare);
  }
  if (f.HasReference(field)) return f.ReferenceText(field);
  if (e.CanFieldBeBlank != 0) return e.ScalarType == kTypeString ? "\"\"" : "no_value";
  return "!VALUE!";
}

std::string TypeWordOfReference(const BlockFields& f, int field) {
  const SymP* slot = f.Slot(field);
  if (slot == nullptr || slot->HasConst() || slot->S == nullptr) return "no_value";
  const Symbol& s = *slot->S;
  std::string word;
  const StructDef* own = s.Type >= kFirstStructureId ? FindStructureById(s.Type, &f.Program()) : nullptr;
  if (!CodeTypeText(s.Type, GetSymbolSize(&s), own, f.Program().Structures(), word)) {
    throw ScriptFailure(kScriptInternalError,
                        Format("The variable '%s' named by VavurOrezo '%s' is of structure type %d, which the "
                               "program does not define.",
                               s.Name, f.Name().c_str(), s.Type));
  }
  return "\"" + word + "\"";
}

std::string PasswordArgument(const BlockFields& f, int field) {
  if (!f.HasValue(field)) return "0";
  const std::string text = Unquoted(f.Text(field));
  unsigned char bytes[8] = {};
  const int rc = CurrentScriptServices().EncodePassword(text.c_str(), bytes);
  if (rc != 0) {
    throw ScriptFailure(kScriptInternalError,
                        Format("The password of VavurOrezo '%s' could not be encoded (result %d).",
                               f.Name().c_str(), rc));
  }
  double value = 0;
  std::memcpy(&value, bytes, sizeof value);
  return Format("%.18e", value);
}

std::string FaxSelection(const BlockFields& f) {
  const std::string a = FieldOrNoValue(f, 0), b = FieldOrNoValue(f, 1), c = FieldOrNoValue(f, 4);
  int position = -1;
  if (f.HasValue(6)) {
    const PBChoiceList* list = TheCatalogue().ChoiceList(f.Entry(6).NumRadioInArray);
    const std::string chosen = Unquoted(f.Text(6));
    for (int i = 0; list != nullptr && list->Texts != nullptr && list->Texts[i] != nullptr; ++i) {
      if (chosen == list->Texts[i]) {
        position = i;
        break;
      }
    }
  }
  const char* n = "no_value";
  switch (position) {
    case 0: case 1: case 14: case 15: case 17: case 19: case 20:
      return Format("%s, %s, %s, %s, %s, %s", a.c_str(), n, n, n, n, n);
    case 2: return Format("%s, %s, %s, %s, %s, %s", n, a.c_str(), b.c_str(), n, c.c_str(), n);
    case 6: case 8: case 9: return Format("%s, %s, %s, %s, %s, %s", n, a.c_str(), n, b.c_str(), n, n);
    case 18: return Format("%s, %s, %s, %s, %s, %s", n, n, n, b.c_str(), n, n);
    default:
      if (position >= 0 && position <= 20) return Format("%s, %s, %s, %s, %s, %s", n, a.c_str(), b.c_str(), n, n, n);
      return Format("%s, %s, %s, %s, %s, %s", n, n, n, n, n, n);
  }
}

}  // namespace

std::string ChoiceText(int field, const BlockFields& f) {
  const PBFieldDef& e = f.Entry(field);
  const PBChoiceList* list = TheCatalogue().ChoiceList(e.NumRadioInArray);
  std::string text;
  if (f.HasValue(field)) {
    text = f.Text(field);
  } else if (e.InitValue != nullptr && e.InitValue[0] != '\0') {
    text = "\"" + Unquoted(e.InitValue) + "\"";
  } else if (list != nullptr && list->Texts != nullptr && list->Texts[0] != nullptr) {
    text = "\"" + std::string(list->Texts[0]) + "\"";
  }
  const std::string chosen = Unquoted(text);
  for (int i = 0; list != nullptr && list->Texts != nullptr && list->Texts[i] != nullptr; ++i) {
    if (chosen != list->Texts[i]) continue;
    const char* word = list->Values != nullptr && list->Values[i] != nullptr ? list->Values[i] : list->Texts[i];
    const int type = f.Block().Type;
    if (type == blocks::kPlayVoice || type == blocks::kRecordEdit || type == blocks::kRecordVoice) {
      return "\"" + std::string(word) + "^\"";
    }
    return word;
  }
  return text;
}

std::string EntryFlagList(const BlockFields& f) {
  std::string out;
  for (int i = 0; i < 12; ++i) {
    if (i > 0) out += ',';
    out += f.Text(i) == "!VALUE!" ? '0' : '1';
  }
  return out;
}

std::string ArgumentText(int kind, int field, const BlockFields& f, const ScriptContext& context) {
  if (kind >= 0) return PlainArgument(f, field);
  ScriptCounters& counters = GeneratorCounters();
  const int word = f.Word(field);
  switch (kind) {
    case -270: return word != 0 ? "1" : "0";
    case -272: return word != 0 ? "R_APPEND" : "R_CREATE";
    case -284: return Format("%d", word);
    case -282: return Format("%d", word * 100 + 100);
    case -303: return Format("%d", word + 5100);
    case -292: return Format("%d", word + f.Entry(field).RadioCheckBase);
    case -273: {
      static const char* const kVerify[] = {"V_NONE", "V_RANGE", "V_DB", "V_ROUTINE"};
      return word >= 0 && word <= 3 ? kVerify[word] : kVerify[0];
    }
    case -285: {
      static const char* const kModes[] = {"FILEMODE_R", "FILEMODE_W", "FILEMODE_A"};
      return word >= 0 && word <= 2 ? kModes[word] : kModes[0];
    }
    case -300:
    case -301:
    case -302:
      if (!f.HasValue(field)) return "\"\"";
      return Format("%d", ReadNumber(f.Text(field)) + (kind == -300 ? 0 : kind == -301 ? 10000 : 20000));
    case -311: return SplitNumber(f, field, ':', true);
    case -312: return SplitNumber(f, field, ':', false);
    case -313: return SplitNumber(f, field, '/', true);
    case -314: return SplitNumber(f, field, '/', false);
    case -309:
    case -310: return f.HasValue(field) && f.Text(field) != "\"\"" ? "1" : "0";
    case -315: return PasswordArgument(f, field);
    case -304: return "CurAddress";
    case -305: return "CurMailbox";
    case -306: return "CurMessage";
    case -307: return "CurBody";
    case -299: return "__MISAFID__";
    case -290: return "_SysFaxHandle";
    case -275: return "__MenuResult__";
    case -297: return f.HasValue(field) ? "_T_" + f.Text(field) : std::string("_NULLTEMPSTRUCT");
    case -296:
      if (!f.HasValue(field)) return "\"\"";
      return Format("\"_F1\\cust\\cust1\\flowsmith\\%s\\_R%s\"", context.FileName.c_str(),
                    Unquoted(f.Text(field)).c_str());
    case -295: return TypeWordOfReference(f, field);
    case -294: return f.Entry(field).ScalarType == kTypeVerificationBlock ? f.Text(field) : std::string("no_value");
    case -293: return ChoiceText(field, f);
    case -291:
      if (f.Entry(field).CanFieldBeBlank != 0 || f.Entry(field).ScalarType == kTypeVerificationBlock) {
        return "no_value,no_value";
      }
      return Format("%s, datadef %s", f.Text(field).c_str(), f.Text(field).c_str());
    case -289: return Format("%s, datadef %s", f.Text(field).c_str(), f.Text(field).c_str());
    case -287: {
      std::uint32_t bits = 0;
      for (int i = 0; i < 12; ++i) {
        if (f.Word(i) != 0) bits |= BitWord(i);
      }
      return Format("0x%lX", static_cast<unsigned long>(bits));
    }
    case -283: {
      unsigned bits = 0;
      for (int i = 0; i < 4; ++i) {
        if (f.Word(i) != 0) bits |= 1u << i;
      }
      return Format("0x%X", bits);
    }
    case -286: {
      unsigned long words[6] = {};
      for (int i = 0; i < 16; ++i) {
        const int selector = f.Word(13 + i) + f.Entry(13 + i).RadioCheckBase;
        if (selector >= 1 && selector <= 6) words[selector - 1] |= BitWord(i);
      }
      return Format("%#lx,%#lx,%#lx,%#lx,%#lx,%#lx", words[0], words[1], words[2], words[3], words[4], words[5]);
    }
    case -279: return Format("__ScrapMail%d__", counters.Mail);
    case -280: return Format("__ScrapMBMin%d__", counters.MailboxMin);
    case -281: return Format("__ScrapMBMax%d__", counters.MailboxMax);
    case -271: return Format("__ScrapMail%d__", ++counters.Mail);
    case -276: return EntryFlagList(f);
    case -298: return FaxSelection(f);
    default:
      throw ScriptFailure(kScriptInternalError,
                          Format("The call of VavurOrezo '%s' names the unknown argument kind %d.",
                                 f.Name().c_str(), kind));
  }
}

const PBTemplatePair* AppendArgumentList(const PBTemplatePair* list, const BlockFields& fields,
                                         const ScriptContext& context, std::size_t statementStart,
                                         std::string& out) {
  std::size_t lineStart = statementStart;
  const PBTemplatePair* p = list;
  bool first = true;
  for (; p != nullptr && !scribe::IsTemplateEnd(*p); ++p) {
    if (!first) out += ',';
    if (out.size() - lineStart > static_cast<std::size_t>(kWrapColumn)) {
      out += kBreak;
      lineStart = out.size() - 1;   // the last blank of the break
    }
    out += ArgumentText(p->Kind, p->Field, fields, context);
    first = false;
  }
  out += ")\n";
  return p != nullptr ? p + 1 : nullptr;
}

}  // namespace zeph
