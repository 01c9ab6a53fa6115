#include "programfile/build/codeeditors.h"

#include <cstring>
#include <map>

#include "foundation/kvmsgbox.h"
#include "model/custompb.h"
#include "model/program/program.h"

namespace zeph {

namespace {

CodeEditorHost* g_host = nullptr;
CustomPBEntry* g_editedCustom = nullptr;
void* g_customBuffer = nullptr;
std::string g_editedCustomName;
std::map<const TProgram*, void*> g_dllBuffers;

void OutOfMemory(TProgram& program) {
  KvMessageBoxRequest request;
  request.text = "Out of memory";
  request.caption = "Flowsmith";
  request.style = kKvMbOk | kKvMbIconExclamation;
  if (program.OwnerWindow()) {
    request.owner = KvBoxOwner::Window;
    request.window = program.OwnerWindow();
  }
  KvMessageBox(request);
}

}  // namespace

CodeEditorHost* PlatformCodeEditorHost();  // codeeditors_win32.cpp; null natively

CodeEditorHost* CurrentCodeEditorHost() { return g_host ? g_host : PlatformCodeEditorHost(); }
void SetCodeEditorHost(CodeEditorHost* host) { g_host = host; }

CustomPBEntry* EditedCustomPB() { return g_editedCustom; }
void* CustomEditorBuffer() { return g_customBuffer; }
void* DllEditorBuffer(const TProgram& program) {
  const auto it = g_dllBuffers.find(&program);
  return it == g_dllBuffers.end() ? nullptr : it->second;
}

void OpenCustomPBEditor(TProgram& program, CustomPBEntry& entry, int line) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (!host) return;
  g_editedCustom = &entry;
  g_editedCustomName = entry.Name;
  const std::string title = std::string("Custom VavurOrezo / ") + entry.Name;
  if (host->MakeFileWindow(program.OwnerWindow(), title.c_str(), &entry.Code, &program.CustomEditorOpen,
                           &g_customBuffer, line) != 0) {
    OutOfMemory(program);
    return;
  }
  program.CustomEditorOpen = 1;
}

void OpenDLLEditor(TProgram& program, int line) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (!host) return;
  void*& buffer = g_dllBuffers[&program];
  if (host->MakeFileWindow(program.OwnerWindow(), "DLL Function Definitions", &program.DllHeaderText,
                           &program.DllEditorOpen, &buffer, line) != 0) {
    OutOfMemory(program);
    return;
  }
  program.DllEditorOpen = 1;
}

void DefineDLLProtoCommand(TProgram& program) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (program.DllEditorOpen && host) {
    host->Focus(DllEditorBuffer(program));
    return;
  }
  OpenDLLEditor(program, 0);
}

void UpdateOpenEditors(TProgram& program) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (!host) return;
  if (program.DllEditorOpen) host->UpdateBuffer(DllEditorBuffer(program));
  if (program.CustomEditorOpen) host->UpdateBuffer(g_customBuffer);
}

void ShowCustomPBLine(TProgram& program, CustomPBEntry& entry, int line) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (!host) return;
  if (program.CustomEditorOpen) {
    host->Focus(g_customBuffer);
    if (g_editedCustomName == entry.Name) host->GotoLine(g_customBuffer, line);
    return;
  }
  OpenCustomPBEditor(program, entry, line);
}

void ShowDLLLine(TProgram& program, int line) {
  CodeEditorHost* host = CurrentCodeEditorHost();
  if (!host) return;
  if (program.DllEditorOpen) {
    host->Focus(DllEditorBuffer(program));
    host->GotoLine(DllEditorBuffer(program), line);
    return;
  }
  OpenDLLEditor(program, line);
}

}  // namespace zeph
