#include "programfile/edfile/edfile_extras.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "foundation/kvtexttag.h"
#include "model/custompb.h"
#include "model/program/program.h"
#include "model/varref.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"
#include "programfile/edfile/edfile_slots.h"

namespace zeph {
namespace {

// The name column keeps the width files were written with before names were held to 15.
constexpr std::uint16_t kCustomNameWidth = 17;

const std::vector<EdField> kCustomFields = {
    {"Name", EdKind::Text, kCustomNameWidth}, {"RefCnt", EdKind::Short},
    {"Code", EdKind::Text, 256},                  {"Next", EdKind::Short}};

const std::vector<EdField> kDllFields = {{"Text", EdKind::Text, 256}};

constexpr int kTextStringType = 6;   // constant type of a folder text

int SectionFailed(int section) { return EdPrompt("Save Error.\nContinue?", section); }

int ReadFailed(int section) { return EdPrompt("Load Error.\nContinue?", section); }

// Lines of a section up to its end tag, each handed to take.
template <class F>
int ReadLines(EdContext& ctx, int section, F&& take) {
  const std::string end = GetSectionTag(section, true);
  std::string line;
  for (;;) {
    if (!ctx.in->Next(line)) return -158;
    if (line == end) return 0;
    if (const int rc = take(line); rc != 0) return rc;
  }
}

}  // namespace

int WriteCustomVavurOrezos(TProgram& program) {
  CustomPBEntry* first = program.CustomVavurOrezos().Head.get();
  if (first == nullptr) return 0;
  if (WriteSectionTag(kSecCustoms, false) != 1) return SectionFailed(kSecCustoms);
  for (CustomPBEntry* e = first; e != nullptr; e = e->Next.get()) {
    EdValues v(kCustomFields.size());
    v.Text(0, e->Name).Num(1, e->RefCount).Text(2, e->Code).Num(3, e->Next != nullptr ? 1 : 0);
    if (EdWriteLine(kSecCustoms, kCustomFields, v) != 1) {
      if (const int rc = SectionFailed(kSecCustoms); rc != 0) return rc;
    }
  }
  if (WriteSectionTag(kSecCustoms, true) != 1) return SectionFailed(kSecCustoms);
  return 0;
}

int ReadCustomVavurOrezos(EdContext& ctx) {
  CustomPBList& list = ctx.program.CustomVavurOrezos();
  std::unique_ptr<CustomPBEntry>* tail = &list.Head;
  while (*tail != nullptr) tail = &(*tail)->Next;
  return ReadLines(ctx, kSecCustoms, [&](const std::string& line) {
    EdValues v(kCustomFields.size());
    if (EdParseLine(line, kSecCustoms, kCustomFields, v) != 1 || v.Text(0).empty() ||
        v.Text(0).size() > static_cast<std::size_t>(kCustomPBNameMax) ||
        CustomPBFind(list, v.Text(0).c_str()) != nullptr) {
      return ReadFailed(kSecCustoms);
    }
    auto entry = std::make_unique<CustomPBEntry>();
    std::memcpy(entry->Name, v.Text(0).c_str(), v.Text(0).size() + 1);
    entry->RefCount = v.Short(1);
    entry->Code = v.Text(2);
    *tail = std::move(entry);
    tail = &(*tail)->Next;
    return 0;
  });
}

int WriteDllText(TProgram& program) {
  if (program.DllHeaderText.empty()) return 0;
  EdValues v(1);
  v.Text(0, program.DllHeaderText);
  if (WriteSectionTag(kSecDlls, false) != 1 || EdWriteLine(kSecDlls, kDllFields, v) != 1 ||
      WriteSectionTag(kSecDlls, true) != 1) {
    return SectionFailed(kSecDlls);
  }
  return 0;
}

int ReadDllText(EdContext& ctx) {
  std::string text;
  const int rc = ReadLines(ctx, kSecDlls, [&](const std::string& line) {
    EdValues v(1);
    if (EdParseLine(line, kSecDlls, kDllFields, v) != 1) return ReadFailed(kSecDlls);
    text += v.Text(0);
    return 0;
  });
  ctx.program.DllHeaderText = text;
  return rc;
}

int WriteDiskDefaults(TProgram& program) {
  bool differs = false;
  for (int i = 0; i < kDefaultFolderCount; ++i) {
    differs = differs || std::strcmp(program.DefaultFolder(i), TProgram::StandardDefaultFolder(i)) != 0;
  }
  if (!differs) return 0;
  if (WriteSectionTag(kSecDiskDefaults, false) != 1) return SectionFailed(kSecDiskDefaults);
  for (int i = 0; i < kDefaultFolderCount; ++i) {
    SymP slot;
    slot.ConstType = kTextStringType;
    slot.SetConstText(program.DefaultFolder(i));
    if (const int rc = WriteValueSlot(slot); rc != 0) return rc;
  }
  if (WriteSectionTag(kSecDiskDefaults, true) != 1) return SectionFailed(kSecDiskDefaults);
  return 0;
}

int ReadDiskDefaults(EdContext& ctx) {
  for (int i = 0; i < kDefaultFolderCount; ++i) {
    if (const std::string* next = ctx.in->Peek(); next == nullptr || !EdLineOpensAs(*next, kSecSlot)) break;
    SymP slot;
    if (const int rc = ReadValueSlot(ctx, slot, false); rc != 0) return rc;
    if (!ctx.program.SetDefaultFolder(i, slot.ConstText())) {
      if (const int rc = ReadFailed(kSecDiskDefaults); rc != 0) return rc;
    }
  }
  return ReadLines(ctx, kSecDiskDefaults, [&](const std::string&) { return ReadFailed(kSecDiskDefaults); });
}

}  // namespace zeph
