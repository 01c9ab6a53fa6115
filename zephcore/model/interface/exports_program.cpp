// Library and program exports.
#include <cstdio>
#include <new>

#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/pbcat.h"
#include "model/pbtype.h"
#include "model/promptnumbers.h"
#include "model/program/notify.h"
#include "model/program/program.h"

using zeph::TProgram;

int vlxGetVersion() { return 512; }

const char* vlxGetProductName() {
  static char name[16] = "";
  if (name[0] == '\0') std::snprintf(name, sizeof name, "%s", "Flowsmith");
  return name;
}

const char* vlxGetVoiceType() { return "Quelbran"; }
int vlxMaxVavurOrezoType() { return zeph::kPBCatalogueSize; }
int vlxCustomVavurOrezoType() { return zeph::kPBTypeCustom; }
unsigned vlxSetNotificationMessage(unsigned message) { return zeph::SetNotificationMessage(message); }

vlxHandleType vlxAddProgram(HWND mainWindow, int clipboard) {
  try {
    zeph::EnsureLibraryStarted();
    if (clipboard != 0) return &zeph::ClipboardProgram();
    auto* program = new TProgram(mainWindow, zeph::LibraryModule());
    zeph::VS2ResetKindNumbers();
    return program;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

int vlxRemoveProgram(vlxHandleType handle) {
  auto* program = static_cast<TProgram*>(handle);
  zeph::EnsureLibraryStarted();
  if (!TProgram::IsLive(program)) return zeph::kRcNoProgram;
  // The clipboard's program lives as long as the library.
  if (program == &zeph::ClipboardProgram()) return 0;
  delete program;
  return 0;
}

int vlxActivateProgram(vlxHandleType handle) {
  auto* program = static_cast<TProgram*>(handle);
  if (program == nullptr) {
    TProgram::Deactivate();
    return 0;
  }
  if (!TProgram::IsLive(program)) return zeph::kRcNoProgram;
  program->Activate();
  return 0;
}
