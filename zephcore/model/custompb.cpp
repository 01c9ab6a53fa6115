// The Custom VavurOrezo list of a program.
#include "model/custompb.h"

#include <cstring>

#include "model/listsink.h"
#include "model/modelcodes.h"
#include "model/symnames.h"

namespace zeph {
namespace {

CustomPBList* g_active = nullptr;

}  // namespace

void CustomPBListInit(CustomPBList& list) {
  // Unlinked one by one so that a long list does not recurse through its destructors.
  while (list.Head) list.Head = std::move(list.Head->Next);
}

CustomPBEntry* CustomPBFind(CustomPBList& list, const char* name) {
  if (name == nullptr) return nullptr;
  for (CustomPBEntry* e = list.Head.get(); e != nullptr; e = e->Next.get()) {
    if (std::strcmp(e->Name, name) == 0) return e;
  }
  return nullptr;
}

int CustomPBAdd(CustomPBList& list, const char* name, SymbolTable* program) {
  if (name == nullptr) return kErrBadName;
  int rc = CheckSymbolName(name, kCustomPBNameMax, 0, program);
  if (rc != 0) return rc;
  if (CustomPBFind(list, name) != nullptr) return kErrCustomPBExists;
  auto entry = std::make_unique<CustomPBEntry>();
  std::strncpy(entry->Name, name, kCustomPBNameMax);
  entry->Next = std::move(list.Head);
  list.Head = std::move(entry);
  return 0;
}

int CustomPBRemove(CustomPBList& list, const char* name) {
  if (name == nullptr) return -1;
  for (std::unique_ptr<CustomPBEntry>* link = &list.Head; *link; link = &(*link)->Next) {
    if (std::strcmp((*link)->Name, name) != 0) continue;
    if ((*link)->RefCount != 0) return kErrCustomPBInUse;
    *link = std::move((*link)->Next);
    return 0;
  }
  return -1;
}

int CustomPBAddRef(CustomPBList& list, const char* name) {
  CustomPBEntry* e = CustomPBFind(list, name);
  if (e == nullptr) return -1;
  ++e->RefCount;
  return 0;
}

int CustomPBRelease(CustomPBList& list, const char* name) {
  CustomPBEntry* e = CustomPBFind(list, name);
  if (e == nullptr) return -1;
  if (e->RefCount > 0) --e->RefCount;
  return 0;
}

int CustomPBEnumerate(CustomPBList& list, ListSink& sink) {
  for (const CustomPBEntry* e = list.Head.get(); e != nullptr; e = e->Next.get()) sink.AddLine(e->Name);
  return 0;
}

int CustomPBFreeAll(CustomPBList& list) {
  CustomPBListInit(list);
  return 0;
}

CustomPBList* ActiveCustomPBList() { return g_active; }
void SetActiveCustomPBList(CustomPBList* list) { g_active = list; }

}  // namespace zeph
