#include "model/program/faxeditors.h"

#include <vector>

#include "model/program/program.h"

namespace zeph {

#ifdef _WIN32
bool PlatformIsWindow(HWND window);
void PlatformBringToFront(HWND window);
#endif

namespace {

struct FaxEditorEntry {
  FaxEditorData* Data;
  HWND Window;
  Symbol* Item;
};

std::vector<FaxEditorEntry>& Entries() {
  static std::vector<FaxEditorEntry> entries;
  return entries;
}

FaxEditorWindows DefaultWindows() {
  FaxEditorWindows windows;
#ifdef _WIN32
  windows.IsAlive = &PlatformIsWindow;
  windows.BringToFront = &PlatformBringToFront;
#else
  windows.IsAlive = [](HWND window) { return window != nullptr; };
  windows.BringToFront = [](HWND) {};
#endif
  return windows;
}

FaxEditorWindows& Windows() {
  static FaxEditorWindows windows = DefaultWindows();
  return windows;
}

}  // namespace

FaxEditorData::~FaxEditorData() {
  std::vector<FaxEditorEntry>& entries = Entries();
  std::erase_if(entries, [this](const FaxEditorEntry& e) { return e.Data == this; });
}

void SetFaxEditorWindows(const FaxEditorWindows& windows) {
  const FaxEditorWindows defaults = DefaultWindows();
  Windows().IsAlive = windows.IsAlive != nullptr ? windows.IsAlive : defaults.IsAlive;
  Windows().BringToFront = windows.BringToFront != nullptr ? windows.BringToFront : defaults.BringToFront;
}

FaxEditorData* OpenGFaxEditor(TProgram& program, Symbol* item) {
  if (item == nullptr) return nullptr;
  auto* data = dynamic_cast<FaxEditorData*>(item->Data.get());
  if (data == nullptr) {
    auto made = std::make_unique<FaxEditorData>();
    data = made.get();
    item->Data = std::move(made);
  } else {
    std::vector<FaxEditorEntry>& entries = Entries();
    for (auto it = entries.begin(); it != entries.end();) {
      if (!Windows().IsAlive(it->Window)) {
        it = entries.erase(it);
        continue;
      }
      if (it->Data == data) {
        Windows().BringToFront(it->Window);
        return data;
      }
      ++it;
    }
  }
  data->Program = &program;
  return data;
}

void RegisterFaxEditor(FaxEditorData* data, HWND window, Symbol* item) {
  if (data == nullptr || window == nullptr) return;
  Entries().push_back({data, window, item});
}

void CloseGFaxEditors(TProgram& program) {
  // A window that closes may take its entry with it: work on a copy.
  const std::vector<FaxEditorEntry> entries = Entries();
  for (const FaxEditorEntry& e : entries) {
    if (e.Data->Program == &program) SendModelWindowMessage(e.Window, kMsgCloseFaxEditor, 0, 0);
  }
}

void FaxEditorsIdle(std::intptr_t value) {
  const std::vector<FaxEditorEntry> entries = Entries();
  for (const FaxEditorEntry& e : entries) SendModelWindowMessage(e.Window, kMsgFaxEditorIdle, 0, value);
}

FaxEditorData* FaxEditorOfWindow(HWND window) {
  for (const FaxEditorEntry& e : Entries()) {
    if (e.Window == window) return e.Data;
  }
  return nullptr;
}

std::string FaxEditorPage(const FaxEditorData* data) {
  for (const FaxEditorEntry& e : Entries()) {
    if (e.Data != data || e.Item == nullptr) continue;
    const std::string name = e.Item->Name;
    const std::size_t dollar = name.find('$');
    return dollar == std::string::npos ? std::string("Main") : name.substr(0, dollar);
  }
  return std::string();
}

int FaxEditorCount() { return static_cast<int>(Entries().size()); }

void ClearFaxEditors() { Entries().clear(); }

}  // namespace zeph
