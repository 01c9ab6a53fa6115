// The code callbacks of the type slots.
#include "programfile/script/codecallbacks.h"

#include <cstring>
#include <string>

#include "model/pbcat.h"
#include "model/program/program.h"
#include "programfile/script/arguments.h"
#include "programfile/script/blocktypes.h"
#include "programfile/script/fieldvalues.h"

namespace zeph {
namespace {

// The text a callback writes and its answer in the first pass.
using CodeText = int (*)(const BlockFields& fields, std::string& out);

int EndError(const BlockFields&, std::string& out) {
  out += "    HandleErr := 1\n";
  return kNoCallStatement | kNoEventTest;
}

int BeginError(const BlockFields&, std::string& out) {
  out += "    HandleErr := 0\n";
  return kNoCallStatement | kNoEventTest;
}

int ReturnEvent(const BlockFields&, std::string& out) {
  out += "    Error := SaveErr\n    LastEvent := SaveEvent\n    __PBNAME__ := __LASTPBNAME__\n"
         "    TSuspendEventPollingOnce()\n    return SaveDone\n\n";
  return kNoCallStatement | kNoEventTest;
}

int OnEvent(const BlockFields& f, std::string& out) {
  out += "    Error := TOnEvent(SysInfo, " + ChoiceText(4, f) + "," + f.Text(0) + "," + (f.Word(3) != 0 ? "1," : "0,") +
         (f.HasValue(1) ? f.Text(1) : std::string("no_value")) + ")\n";
  return kNoCallStatement;
}

int MultiCompare(const BlockFields& f, std::string& out) {
  if (f.HasValue(0)) {
    const std::string value = f.Text(0);
    for (int i = 2; i <= 16; ++i) {
      if (f.HasValue(i) && f.HasValue(i + 15)) {
        out += "    if(" + value + " = " + f.Text(i) + ") goto " + f.Text(i + 15) + "\n";
      }
    }
    if (f.HasValue(1)) out += "    goto " + f.Text(1) + "\n\n";
  }
  return kNoCallStatement | kNoEventTest;
}

// Runs a text maker as a slot's callback: the text goes into the caller's buffer.
template <CodeText Make>
int Callback(void* program, PBInstance* block, PBInstance*, void*, char* buffer, int limit, int pass) {
  if (pass != 0) return kPassDone;
  auto* owner = static_cast<TProgram*>(program);
  if (block == nullptr || buffer == nullptr || limit <= 0 || owner == nullptr) return kPassDone;
  const BlockFields fields(*block, owner->Symbols());
  std::string text;
  const int answer = Make(fields, text);
  if (text.size() > static_cast<std::size_t>(limit)) {
    throw ScriptFailure(kScriptInternalError, "The code of VavurOrezo '" + block->Name + "' is too long.");
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return answer;
}

}  // namespace

void InstallCodeCallbacks(PBCatalogue& catalogue) {
  struct Entry {
    int Type;
    PBCodeEmitter Emit;
  };
  const Entry entries[] = {
      {blocks::kEndError, Callback<EndError>},
      {blocks::kBeginError, Callback<BeginError>},
      {blocks::kReturnEvent, Callback<ReturnEvent>},
      {blocks::kOnEvent, Callback<OnEvent>},
      {blocks::kMultiCompare, Callback<MultiCompare>},
  };
  for (const Entry& e : entries) {
    if (PBType* slot = catalogue.Slot(e.Type)) slot->CodeEmitter = e.Emit;
  }
}

}  // namespace zeph
