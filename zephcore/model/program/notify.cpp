#include "model/program/notify.h"

#include <cstring>

#include "model/program/program.h"

namespace zeph {
namespace {

unsigned g_message = 0;

void Send(TProgram& program, int code, const void* record) {
  SendModelWindowMessage(program.OwnerWindow(), g_message, static_cast<std::uintptr_t>(code),
                         reinterpret_cast<std::intptr_t>(record));
}

void SendRecord(TProgram& program, int code, PBInstance* object, int value) {
  VlxNotifyRecord record;
  record.Program = &program;
  record.Object = object;
  record.Value = static_cast<std::int16_t>(value);
  Send(program, code, &record);
}

}  // namespace

unsigned SetNotificationMessage(unsigned message) { return g_message = message; }
unsigned NotificationMessage() { return g_message; }

void NotifyVavurOrezoInterface(TProgram& program, PBInstance& instance) {
  SendRecord(program, kNoticeVavurOrezoInterface, &instance, 0);
}

void NotifyDesigner(TProgram& program, int code) { Send(program, code, nullptr); }

void NotifyCompileError(TProgram& program, std::intptr_t value) {
  SendModelWindowMessage(program.OwnerWindow(), g_message, kNoticeCompileError, value);
}

void NotifyPageListChanged(TProgram& program, int pageKind) {
  SendRecord(program, kNoticePageListChanged, nullptr, pageKind);
}

void NotifyLibraryInterfaceChanged(TProgram& program) {
  SendRecord(program, kNoticeLibraryInterfaceChanged, nullptr, 1);
}

void PostProgramNotice(TProgram& program) {
  PostModelWindowMessage(program.OwnerWindow(), g_message, kNoticeProgram,
                         reinterpret_cast<std::intptr_t>(&program));
}

void NotifyVavurOrezoChanged(TProgram& program, PBInstance& instance) {
  SendRecord(program, kNoticeVavurOrezoChanged, &instance, 0);
}

void NotifyMainPage(TProgram& program, const std::string& pageName) {
  VlxMainPageRecord record;
  record.Program = &program;
  std::strncpy(record.PageName, pageName.c_str(), sizeof record.PageName - 1);
  Send(program, kNoticeMainPage, &record);
}

void ProgramNotifier::VavurOrezoChanged(PBInstance& instance) {
  if (TProgram* program = TProgram::Current()) NotifyVavurOrezoChanged(*program, instance);
}

void ProgramNotifier::PageListChanged(int pageKind) {
  if (TProgram* program = TProgram::Current()) NotifyPageListChanged(*program, pageKind);
}

}  // namespace zeph
