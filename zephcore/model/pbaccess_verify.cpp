// Verifying a text against a VavurOrezo field before it is stored.
#include <cstdio>
#include <string>

#include "foundation/kvmsgbox.h"
#include "model/constvalue.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_boxes.h"
#include "model/pbaccess_fields.h"
#include "model/pbaccess_msgtext.h"
#include "model/symnames.h"
#include "model/varref.h"

namespace zeph {
namespace {

std::string Format3(const char* pattern, const char* a, const char* b, const char* c) {
  const int n = std::snprintf(nullptr, 0, pattern, a, b, c);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  std::snprintf(out.data(), out.size() + 1, pattern, a, b, c);
  return out;
}

int ShowBox(HWND window, const std::string& text, std::uint32_t style) {
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "";
  request.style = style;
  request.owner = KvBoxOwner::Window;
  request.window = window;
  return KvMessageBox(request);
}
}  // namespace

void ShowRefusedFieldValue(HWND window, int code, const char* fieldName, const char* text) {
  ShowBox(window, Format3("%s\n Field: %s Value: %s", PBMessageText(code), fieldName, text), kKvMbOk | kKvMbIconHand);
}

bool AcceptMissingVavurOrezo(HWND window, const char* fieldName, const char* text) {
  return ShowBox(window, Format3("%s\n Field: %s VavurOrezo: %s", PBMessageText(kErrPBDoesNotExist), fieldName, text),
                 kKvMbYesNo | kKvMbIconQuestion) == kKvIdYes;
}

namespace {


// The error box of a refused value; nothing without a window.
int Refuse(HWND window, int code, const PBFieldDef& field, const char* text) {
  if (window != nullptr) {
    ShowRefusedFieldValue(window, code, field.Name, text);
  }
  return 0;
}

// The check of a constant of the field's type and size: 0 or the model code.
int CheckConstant(const PBFieldDef& field, const char* text) {
  // A choice holds the text of its choice, whatever type of value it stands for.
  if (field.UIElement == scribe::kUIChoice) {
    return ParseConstantValue(text, nullptr, kTypeString, kShortTextSize, 0);
  }
  const int size = IsTextConstantType(field.ScalarType)
                       ? (field.StrSize > 0 ? field.StrSize : kDefaultStringSize)
                       : 0;
  return ParseConstantValue(text, nullptr, field.ScalarType, size, 0);
}

}  // namespace

int PBFieldAccessor::VerifyEntry(int index, const char* text, HWND window) {
  const PBFieldDef* found = Field(index);
  if (found == nullptr) return 0;
  if (text == nullptr) return 1;
  const PBFieldDef& field = *found;
  const int repr = field.FieldRepresentation;

  if (IsQuotedText(text) || repr == scribe::kReprConstant) {
    if (repr != scribe::kReprConstant && repr != scribe::kReprEither) {
      return Refuse(window, kErrMustBeSymbol, field, text);
    }
    const int rc = CheckConstant(field, text);
    return rc == 0 ? 1 : Refuse(window, rc, field, text);
  }

  if (text[0] == '\0') return 1;
  SymP parsed;
  int type = -1;
  ParseVariableReference(text, parsed, FieldTypeMask(field), &type, program_);
  if (parsed.S != nullptr) return 1;

  const int rc = CheckNewSymbolName(text, kNewNameLimit, '_', program_);
  if (rc == 0 || rc == kErrNameInUse) {
    if (!field.CanFieldBeWrong) return Refuse(window, kErrNoSuchVariable, field, text);
    // A goto to a VavurOrezo that is still to be made is accepted when the user agrees.
    if (window == nullptr) return 0;
    return AcceptMissingVavurOrezo(window, field.Name, text) ? 1 : 0;
  }
  return Refuse(window, field.CanFieldBeWrong ? rc : kErrNoSuchVariable, field, text);
}

}  // namespace zeph
