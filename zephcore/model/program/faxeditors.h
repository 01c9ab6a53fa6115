#pragma once
// The open fax item editors of the library: one list for all programs. A fax item's editor
// data is a record kept as the item's symbol data; an editor window registers itself with
// the data it edits. Closing a program closes its editors (message 3331); idle time reaches
// every editor (message 3332 with the idle value).

#include <cstdint>
#include <string>

#include "foundation/kvwintypes.h"
#include "model/symbol.h"

namespace zeph {

class TProgram;

inline constexpr unsigned kMsgCloseFaxEditor = 3331;
inline constexpr unsigned kMsgFaxEditorIdle = 3332;
inline constexpr int kFaxEditorTextSize = 260;

struct FaxEditorData : SymbolData {
  FaxEditorData() = default;
  // Data freed with its item leaves the list, so no editor message reaches freed data.
  ~FaxEditorData() override;
  FaxEditorData(const FaxEditorData&) = delete;
  FaxEditorData& operator=(const FaxEditorData&) = delete;

  std::int32_t Word1 = 0;
  std::int32_t Word2 = 0;
  char Text1[kFaxEditorTextSize] = {};
  char Text2[kFaxEditorTextSize] = {};
  TProgram* Program = nullptr;
};

// Whether a window still exists, and bringing one to the front: Windows by default; tests
// install their own (null restores the default).
struct FaxEditorWindows {
  bool (*IsAlive)(HWND window) = nullptr;
  void (*BringToFront)(HWND window) = nullptr;
};
void SetFaxEditorWindows(const FaxEditorWindows& windows);

// Prepares the item's editor data (made on first use) for the program; when an editor of the
// item is open its window comes to the front. Entries whose window is gone are dropped on
// the way. Returns the data, or null for a null item.
FaxEditorData* OpenGFaxEditor(TProgram& program, Symbol* item);
// An editor window made for the data of an item joins the list.
void RegisterFaxEditor(FaxEditorData* data, HWND window, Symbol* item);
// Sends 3331 to every listed editor of the program.
void CloseGFaxEditors(TProgram& program);
// Sends 3332 with the value to every listed editor.
void FaxEditorsIdle(std::intptr_t value);
// The page of the item an editor's data belongs to: its name before the first "$", "Main"
// without one; empty when the data has no listed editor.
std::string FaxEditorPage(const FaxEditorData* data);
// The data of the listed editor with that window, or null.
FaxEditorData* FaxEditorOfWindow(HWND window);
// Entries listed now (tests).
int FaxEditorCount();
// Drops every entry (the library's unload).
void ClearFaxEditors();

}  // namespace zeph
