#include "model/interface/library.h"

#ifdef _WIN32
#include "editors/win32/serviceforms.h"
#include "forms/win32/formregistry.h"
#endif

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>

#include "foundation/kvflthnd.h"
#include "foundation/kvmsgbox.h"
#include "model/interface/vlx.h"
#include "model/pbaccess_msgtext.h"
#include "model/pbcat.h"
#include "model/program/notify.h"
#include "model/program/program.h"
#include "model/superblk.h"

extern "C" {
std::int32_t _appErrorExists = 0;
std::int32_t _clbFailure = 0;
std::int32_t _UnconditionalBuild = 0;
std::int32_t _IgnoreVoiceSentenceError = 0;
}

namespace zeph {
namespace {

void* g_libraryModule = nullptr;

std::unique_ptr<TProgram>& Clipboard() {
  static std::unique_ptr<TProgram> program;
  return program;
}

}  // namespace

void EnsureLibraryStarted() {
  static bool started = false;
  if (started) return;
  started = true;
  TheCatalogue();   // registers the slots and sorts the reserved words
  InstallSuperBlockLookups();
#ifdef _WIN32
  RegisterPropertyForms();   // the forms of the catalogue's dialog kinds and own-form types
  RegisterServiceForms();    // the service blocks with voice file and fax item fields
#endif
  static ProgramNotifier notifier;
  if (!PBNotifierIsSet()) SetPBNotifier(&notifier);
  // Failed assertions of the model are reported in a box, unless a handler is in place.
  static KvFaultHandlerObj faults;
  if (KvGetFaultHandler() == nullptr) KvSetFaultHandler(&faults);
  // The clipboard's program sees every page and keeps names as they are.
  Clipboard() = std::make_unique<TProgram>(nullptr, g_libraryModule);
  Clipboard()->Symbols().SymbolPageCheck = 0;
  Clipboard()->Symbols().NamesUnqualified = 1;
}

void SetLibraryModule(void* module) { g_libraryModule = module; }
void* LibraryModule() { return g_libraryModule; }

TProgram& ClipboardProgram() {
  EnsureLibraryStarted();
  return *Clipboard();
}

void ReportModelError(int code, std::ostream* log) {
  std::string text = PBMessageText(code);
  if (text.empty()) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Model error %d", code);
    text = buffer;
  }
  if (log != nullptr) {
    *log << "ERROR: " << text << '\n';
    _appErrorExists = 1;
    _clbFailure = 1;
    return;
  }
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "";
  request.style = kKvMbOk | kKvMbIconHand;
  if (TProgram* current = TProgram::Current(); current != nullptr && current->OwnerWindow() != nullptr) {
    request.owner = KvBoxOwner::Window;
    request.window = current->OwnerWindow();
  }
  KvMessageBox(request);
}

}  // namespace zeph
