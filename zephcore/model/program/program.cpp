// Construction, destruction and the current program.
#include "model/program/program.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/pbaccess_msgtext.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/predef_structs.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"
#include "model/sysvars.h"
#include "programfile/build/declarations.h"
#include "quay/quay.h"

namespace zeph {

#ifdef _WIN32
void* LoadPaneDialogModule();   // the dialog resource library (Windows)
void PlatformWindowMessageSender(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                 bool post);
#endif

namespace {

TProgram* g_current = nullptr;
std::vector<const TProgram*> g_live;
std::uint32_t g_nextSerial = 1;
#ifdef _WIN32
DialogModuleLoader g_loader = &LoadPaneDialogModule;
#else
DialogModuleLoader g_loader = nullptr;   // no dialog library outside Windows
#endif
#ifdef _WIN32
WindowMessageSender g_sender = &PlatformWindowMessageSender;
#else
WindowMessageSender g_sender = nullptr;   // no windows outside Windows
#endif

constexpr const char* kDefaultFolders[kDefaultFolderCount] = {
    "'\\VLX\\PRMT\\", "'\\VLX\\UVOICE\\", "'\\VLX\\VOICE\\SYS.IDX", "'\\VLX\\VOICE\\"};

void ShowBox(const char* text, std::uint32_t icon) {
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = "Flowsmith";
  request.style = kKvMbOk | icon;
  KvMessageBox(request);
}

}  // namespace

void SetDialogModuleLoader(DialogModuleLoader loader) {
#ifdef _WIN32
  g_loader = loader != nullptr ? loader : &LoadPaneDialogModule;
#else
  g_loader = loader;
#endif
}

std::uint32_t NextProgramSerial() { return g_nextSerial; }

void SetWindowMessageSender(WindowMessageSender sender) {
#ifdef _WIN32
  g_sender = sender != nullptr ? sender : &PlatformWindowMessageSender;
#else
  g_sender = sender;
#endif
}

void SendModelWindowMessage(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (g_sender != nullptr) g_sender(window, message, wParam, lParam, false);
}

void PostModelWindowMessage(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (g_sender != nullptr) g_sender(window, message, wParam, lParam, true);
}

TProgram* TProgram::Current() { return g_current; }

bool TProgram::IsLive(const TProgram* program) {
  return program != nullptr && std::find(g_live.begin(), g_live.end(), program) != g_live.end();
}

void TProgram::Activate() {
  g_current = this;
  SetCurrentSymbolTable(&symbols_);
  SetActiveCustomPBList(&customs_);
}

void TProgram::Deactivate() {
  g_current = nullptr;
  SetCurrentSymbolTable(nullptr);
  SetActiveCustomPBList(nullptr);
}

TProgram::TProgram(HWND ownerWindow, void* libraryModule)
    : ownerWindow_(ownerWindow), libraryModule_(libraryModule) {
  CustomPBListInit(customs_);
  // The model's dialogs come from the dialog resource library; the program works without
  // it, but its dialogs cannot open.
  dialogModule_ = g_loader != nullptr ? g_loader() : nullptr;
  if (dialogModule_ == nullptr) ShowBox("Unable to load application dialog module", kKvMbIconHand);
  symbols_.SetHooks(&hooks_);
  // The field entries' and interface tables' notices go to the current program's window,
  // unless a sender of its own was put in place.
  static ProgramNotifier notifier;
  if (!PBNotifierIsSet()) SetPBNotifier(&notifier);
  symbols_.NamesUnqualified = 1;
  symbols_.SymbolPageCheck = 1;
  serial_ = g_nextSerial++;
  g_live.push_back(this);
  Activate();
  symbols_.Structures().First = PredefinedStructHead();
  symbols_.Structures().NextId = 100;
  for (int i = 0; i < kDefaultFolderCount; ++i) {
    std::strncpy(folders_[i], kDefaultFolders[i], kDefaultFolderTextSize - 1);
  }
  if (const int rc = SetupSystemVariables(&symbols_); rc != 0)
    ShowCode(rc);
  else
    _InitCompiler(&ProvideProgramDeclarations, nullptr);
}

TProgram::~TProgram() {
  g_live.erase(std::remove(g_live.begin(), g_live.end(), this), g_live.end());
  CloseGFaxEditors(*this);
  const bool wasCurrent = g_current == this;
  TProgram* previous = g_current;
  Activate();
  Emptying = 1;
  Reset();
  if (wasCurrent || previous == nullptr) {
    Deactivate();   // nothing of this program stays current
  } else {
    previous->Activate();
  }
}

void TProgram::Reset() {
  ResetProgram(&symbols_, &customs_);
  symbols_.SymbolPageCheck = 1;
  currentPage_ = nullptr;
  VavurOrezoCount = 0;
  DllHeaderText.clear();
  CustomEditorOpen = 0;
  DllEditorOpen = 0;
}

void TProgram::SetCurrentPage(Symbol* page) {
  currentPage_ = page;
  symbols_.SetCurrentPageName(page != nullptr ? page->Name : "");
  symbols_.NamesUnqualified = page != nullptr && std::strcmp(page->Name, "Main") == 0 ? 1 : 0;
}

const char* TProgram::DefaultFolder(int index) const {
  return index >= 0 && index < kDefaultFolderCount ? folders_[index] : nullptr;
}

void TProgram::ShowCode(int code) const { ShowBox(PBMessageText(code), kKvMbIconExclamation); }

void TProgram::ShowText(const char* text, bool stopIcon) const {
  ShowBox(text, stopIcon ? kKvMbIconHand : kKvMbIconExclamation);
}

std::string TProgram::QualifiedName(const char* name) const {
  if (symbols_.NamesUnqualified) return name;
  return symbols_.CurrentPageName() + "$" + name;
}

bool ProgramHooks::IsCustomVavurOrezo(const SymbolTable&, const char* name) {
  return name != nullptr && CustomPBFind(program_.CustomVavurOrezos(), name) != nullptr;
}

void ProgramHooks::ForEachGotoSlot(SymbolTable&, Symbol& vavurOrezo, const std::function<void(SymP&)>& visit) {
  PBInstance* instance = InstanceOf(&vavurOrezo);
  if (instance == nullptr) return;
  const PBFieldDef* table = GetFieldTable(instance->Type, instance);
  for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
    if (!table[i].IsGoto()) continue;
    if (SymP* slot = instance->Area.Slot(table[i].FieldOffset)) visit(*slot);
  }
}

void ProgramHooks::CloseFaxEditors(SymbolTable&) { CloseGFaxEditors(program_); }

void ProgramHooks::NotifyVavurOrezoChanged(SymbolTable&, Symbol& vavurOrezo) {
  if (PBInstance* instance = InstanceOf(&vavurOrezo)) NotifyVavurOrezoInterface(program_, *instance);
}

const char* ProgramHooks::DefaultFolderText(const SymbolTable&, int index) {
  const char* text = program_.DefaultFolder(index);
  return text != nullptr ? text : "";
}

TProgram::DisableSymbolPageCheck::DisableSymbolPageCheck(TProgram& program)
    : program_(program), previous_(program.symbols_.SymbolPageCheck) {
  program_.symbols_.SymbolPageCheck = 0;
}

TProgram::DisableSymbolPageCheck::~DisableSymbolPageCheck() { program_.symbols_.SymbolPageCheck = previous_; }

}  // namespace zeph
