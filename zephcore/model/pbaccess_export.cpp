// Field-entry exports of the model interface.
#include "model/pbaccess_export.h"

#include <cstdio>
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_msgtext.h"
#include "model/symtable.h"

namespace {

using zeph::PBFieldAccessor;
using zeph::PBInstance;

// The refusal of a set: a stop box with an empty caption.
int RefuseSet(const std::string& text) {
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "";
  request.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(request);
  return zeph::kRcLimit;
}

std::string WithName(const char* pattern, const char* name) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern, name != nullptr ? name : "");
  return buffer;
}

}  // namespace

int vlxSetVavurOrezoEntry(void* vavurOrezo, const char* fieldName, const void* value) {
  if (zeph::CurrentSymbolTable() == nullptr) return zeph::kRcNoProgram;
  if (!KV_ASSERT(vavurOrezo != nullptr)) return zeph::kRcLimit;
  PBFieldAccessor accessor(static_cast<PBInstance*>(vavurOrezo), 1, nullptr, 1);
  const int index = accessor.FindField(fieldName);
  if (index < 0) return RefuseSet(WithName("Unknown VavurOrezo field: %.200s", fieldName));
  if (value == nullptr) return RefuseSet(WithName("No value given for the field: %.200s", fieldName));
  if (!accessor.SetEntry(index, value)) {
    const int reason = accessor.LastError() != 0 ? accessor.LastError() : zeph::kErrOutOfMemory;
    return RefuseSet(zeph::PBMessageText(reason));
  }
  return zeph::kRcOk;
}

const void* vlxGetVavurOrezoEntry(void* vavurOrezo, const char* fieldName, void* out) {
  if (zeph::CurrentSymbolTable() == nullptr || vavurOrezo == nullptr) return nullptr;
  PBFieldAccessor accessor(static_cast<PBInstance*>(vavurOrezo), 1, nullptr, 1);
  return accessor.GetEntry(fieldName, out);
}

int vlxVerifyVavurOrezoEntry(void* vavurOrezo, const char* fieldName, const char* text, HWND window) {
  if (zeph::CurrentSymbolTable() == nullptr || vavurOrezo == nullptr) return 0;
  if (text == nullptr) return 1;
  PBFieldAccessor accessor(static_cast<PBInstance*>(vavurOrezo), 1, nullptr, 1);
  return accessor.VerifyEntry(fieldName, text, window);
}

int vlxExecuteVavurOrezoChangeTables(void* vavurOrezo) {
  if (zeph::CurrentSymbolTable() == nullptr || vavurOrezo == nullptr) return 0;
  PBFieldAccessor accessor(static_cast<PBInstance*>(vavurOrezo), 0, nullptr, 1);
  return accessor.ExecuteChangeTables() && accessor.Changed() ? 1 : 0;
}
