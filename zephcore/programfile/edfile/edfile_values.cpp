#include "programfile/edfile/edfile_values.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "foundation/kvtexttag.h"
#include "model/datatypes.h"
#include "model/loadsave_mode.h"
#include "model/program/faxeditors.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"
#include "records/kvvlssel.h"
#include "records/kvvlsval.h"

namespace zeph {
namespace {

constexpr int kMaxNesting = 16;   // structures may name each other; deeper is a cycle
constexpr std::size_t kPageBlockSize = 6;

bool IsPage(int type) { return type == kTypeSuperBlock || type == kTypeVerificationBlock; }

const std::vector<EdField> kFaxFields = {
    {"Word1", EdKind::Long}, {"Word2", EdKind::Long},
    {"Text1", EdKind::Text, kFaxEditorTextSize}, {"Text2", EdKind::Text, kFaxEditorTextSize}};

const std::vector<EdField> kBytesFields = {{"Bytes", EdKind::Text, 1}};

// The stored entry of an interface table; pointers are written 0, except that an exit's
// label, which is the entry's own name, is written 1.
const std::vector<EdField> kEntryFields = {
    {"Name", EdKind::Text, 33},          {"UIElement", EdKind::Uchar},      {"FieldRepresentation", EdKind::Uchar},
    {"ScalarType", EdKind::Short},       {"ControlPtr", EdKind::Long},      {"NumRadioInArray", EdKind::Uchar},
    {"RadioCheckBase", EdKind::Uchar},   {"FieldOffset", EdKind::Short},    {"Allowed1", EdKind::Long},
    {"Allowed2", EdKind::Long},          {"AddStructs", EdKind::Short},     {"StructNum", EdKind::Short},
    {"WholeArray", EdKind::Short},       {"MinNumber", EdKind::Short},      {"StrSize", EdKind::Short},
    {"MinValRange", EdKind::Double},     {"MaxValRange", EdKind::Double},   {"NeedItBeInRange", EdKind::Uchar},
    {"SpecialRange", EdKind::Uchar},     {"CanFieldBeBlank", EdKind::Uchar}, {"CanFieldBeWrong", EdKind::Uchar},
    {"SkipMe", EdKind::Uchar},           {"GotoStrs", EdKind::Long},        {"GotoNotOnIcon", EdKind::Uchar},
    {"GrayTab", EdKind::Long},           {"ControlIndex", EdKind::Short},   {"InitValue", EdKind::Long},
    {"RadioNames", EdKind::Long},
};

// Calls visit(type, offset, size) for every plain member of a structure value, nested
// structures flattened in member order.
template <class F>
bool ForEachLeaf(const StructDef* def, int base, SymbolTable& table, int depth, F&& visit) {
  if (def == nullptr || depth > kMaxNesting) return false;
  int offset = base;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    const int size = m->Type == kTypeString ? m->Size : GetTypeSize(m->Type, &table);
    if (m->Type >= kFirstStructureId) {
      if (!ForEachLeaf(FindStructureById(m->Type, &table), offset, table, depth + 1, visit)) return false;
    } else {
      visit(m->Type, offset, size);
    }
    offset += size;
  }
  return true;
}

// Byte size of one element of a value of the type.
int ElementSize(int type, int symbolSize, SymbolTable& table) {
  if (type == kTypeString) return std::max(1, symbolSize);
  if (type >= kFirstStructureId) return GetStructureSize(FindStructureById(type, &table), &table);
  return GetBuiltinTypeSize(type);
}

std::string Hex(const unsigned char* p, int size) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(static_cast<std::size_t>(size) * 2);
  for (int i = 0; i < size; ++i) {
    out += digits[p[i] >> 4];
    out += digits[p[i] & 15];
  }
  return out;
}

bool Unhex(const std::string& text, unsigned char* p, int size) {
  if (text.size() != static_cast<std::size_t>(size) * 2) return false;
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (int i = 0; i < size; ++i) {
    const int hi = nibble(text[2 * i]);
    const int lo = nibble(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    p[i] = static_cast<unsigned char>(hi * 16 + lo);
  }
  return true;
}

// One value of a plain type: its parameter record, or, for a type without one (or a
// place the record does not fit), its bytes.
int WriteElement(const char* name, int type, const unsigned char* p, int size) {
  if (size <= 0) return 0;
  if (KvvlsCurrentRecordOf(static_cast<std::int16_t>(type)) && !IsPage(type) &&
      WriteTypedValueLine(static_cast<std::int16_t>(type), p, static_cast<std::size_t>(size)) == 1) {
    return 0;
  }
  EdValues v(1);
  v.Text(0, Hex(p, size));
  if (EdWriteLine(kSecValue, kBytesFields, v) == 1) return 0;
  return EdPrompt(std::string(name) + "Save Error.\nContinue?", kSecValue);
}

int ReadElement(EdContext& ctx, const char* name, int type, unsigned char* p, int size, const std::string& line) {
  if (size <= 0) return 0;
  if (KvvlsCurrentRecordOf(static_cast<std::int16_t>(type)) && !IsPage(type)) {
    const int ok = TheLineParser().Parse(line, [&] {
      return ReadTypedValueLine(static_cast<std::int16_t>(type), ctx.parmLevel, p, static_cast<std::size_t>(size));
    });
    if (ok == 1) return 0;
  }
  EdValues v(1);
  if (EdParseLine(line, kSecValue, kBytesFields, v) == 1 && Unhex(v.Text(0), p, size)) return 0;
  return EdPrompt(std::string(name) + "Load Error.\nContinue?", kSecValue);
}

int WriteBlock(const Symbol& s, const ValueBlockData& block, SymbolTable& table) {
  const int elem = ElementSize(s.Type, s.Size, table);
  const int total = static_cast<int>(block.Size());
  if (elem <= 0) return WriteElement(s.Name, s.Type, block.Bytes(), total);
  std::vector<unsigned char> scratch(static_cast<std::size_t>(elem));
  for (int at = 0; at < total; at += elem) {
    // A last element the block only partly holds is written zero-filled.
    const unsigned char* p = block.Bytes() + at;
    if (at + elem > total) {
      std::fill(scratch.begin(), scratch.end(), 0);
      std::memcpy(scratch.data(), p, static_cast<std::size_t>(total - at));
      p = scratch.data();
    }
    if (s.Type >= kFirstStructureId) {
      int rc = 0;
      ForEachLeaf(FindStructureById(s.Type, &table), 0, table, 0, [&](int type, int offset, int size) {
        if (rc == 0) rc = WriteElement(s.Name, type, p + offset, size);
      });
      if (rc != 0) return rc;
    } else if (const int rc = WriteElement(s.Name, s.Type, p, elem); rc != 0) {
      return rc;
    }
  }
  return 0;
}

int WriteEntries(const SBPageData& page) {
  const int count = page.Count();
  if (count <= 0) return 0;
  bool ok = WriteSectionTag(kSecVerifyTables, false) == 1;
  for (int i = 0; ok && i < count; ++i) {
    const PBFieldDef& e = page.Table()[i];
    EdValues v(kEntryFields.size());
    v.Text(0, e.Name).Num(1, e.UIElement).Num(2, e.FieldRepresentation).Num(3, e.ScalarType).Num(4, 0);
    v.Num(5, static_cast<std::uint8_t>(e.NumRadioInArray)).Num(6, static_cast<std::uint8_t>(e.RadioCheckBase));
    v.Num(7, e.FieldOffset).Num(8, static_cast<std::int32_t>(e.Allowed1)).Num(9, static_cast<std::int32_t>(e.Allowed2));
    v.Num(10, e.AddStructs).Num(11, e.StructNum).Num(12, e.WholeArray).Num(13, e.MinNumber).Num(14, e.StrSize);
    v.Real(15, e.MinValRange).Real(16, e.MaxValRange).Num(17, e.NeedItBeInRange).Num(18, e.SpecialRange);
    v.Num(19, e.CanFieldBeBlank).Num(20, e.CanFieldBeWrong).Num(21, e.SkipMe).Num(22, e.GotoStrs != nullptr ? 1 : 0);
    v.Num(23, e.GotoNotOnIcon).Num(24, 0).Num(25, e.ControlIndex).Num(26, 0).Num(27, 0);
    ok = EdWriteLine(kSecVerifyTables, kEntryFields, v) == 1;
  }
  if (ok) ok = WriteSectionTag(kSecVerifyTables, true) == 1;
  if (!ok) return EdPrompt("Invalid Block table encountered.\nContinue Saving?", kSecVerifyTables);
  return 0;
}

int WritePage(const Symbol& s, const SBPageData& page) {
  unsigned char block[kPageBlockSize] = {};
  block[0] = page.Count() > 0 ? 1 : 0;
  block[4] = static_cast<unsigned char>(page.PageType & 0xFF);
  block[5] = static_cast<unsigned char>((page.PageType >> 8) & 0xFF);
  if (const int rc = SaveTypedValue(s.Name, s.Type, block, kPageBlockSize, LoadSaveErrorMode()); rc != 0) return rc;
  return WriteEntries(page);
}

int WriteFax(const Symbol& s, const FaxEditorData& fax) {
  EdValues v(kFaxFields.size());
  v.Num(0, fax.Word1).Num(1, fax.Word2).Text(2, fax.Text1).Text(3, fax.Text2);
  if (EdWriteLine(kSecValue, kFaxFields, v) == 1) return 0;
  return EdPrompt(std::string(s.Name) + "Save Error.\nContinue?", kSecValue);
}

// The lines of a value: every following line that opens as a value line.
bool TakeValueLines(EdContext& ctx, std::vector<std::string>& lines) {
  while (const std::string* next = ctx.in->Peek()) {
    if (!EdLineOpensAs(*next, kSecValue)) break;
    lines.emplace_back();
    ctx.in->Next(lines.back());
  }
  return true;
}

int ReadEntries(EdContext& ctx, std::vector<PBFieldDef>& entries) {
  std::string line;
  const std::string end = GetSectionTag(kSecVerifyTables, true);
  for (;;) {
    if (!ctx.in->Next(line)) return -158;
    if (line == end) return 0;
    EdValues v(kEntryFields.size());
    if (EdParseLine(line, kSecVerifyTables, kEntryFields, v) != 1 || v.Text(0).empty() || v.Text(0).size() > 32) {
      if (const int rc = EdPrompt("Invalid Block table encountered.\nContinue Loading?", kSecVerifyTables); rc != 0) {
        return rc;
      }
      continue;
    }
    PBFieldDef e;
    std::memcpy(e.Name, v.Text(0).c_str(), v.Text(0).size() + 1);
    e.UIElement = static_cast<std::uint8_t>(v.Num(1));
    e.FieldRepresentation = static_cast<std::uint8_t>(v.Num(2));
    e.ScalarType = v.Short(3);
    e.NumRadioInArray = static_cast<std::int8_t>(v.Num(5));
    e.RadioCheckBase = static_cast<std::int8_t>(v.Num(6));
    e.FieldOffset = v.Short(7);
    e.Allowed1 = static_cast<std::uint32_t>(v.Num(8));
    e.Allowed2 = static_cast<std::uint32_t>(v.Num(9));
    e.AddStructs = v.Short(10);
    e.StructNum = v.Short(11);
    e.WholeArray = v.Short(12);
    e.MinNumber = v.Short(13);
    e.StrSize = v.Short(14);
    e.MinValRange = v.Real(15);
    e.MaxValRange = v.Real(16);
    e.NeedItBeInRange = static_cast<std::uint8_t>(v.Num(17));
    e.SpecialRange = static_cast<std::uint8_t>(v.Num(18));
    e.CanFieldBeBlank = static_cast<std::uint8_t>(v.Num(19));
    e.CanFieldBeWrong = static_cast<std::uint8_t>(v.Num(20));
    e.SkipMe = static_cast<std::uint8_t>(v.Num(21));
    e.GotoStrs = v.Num(22) != 0 ? e.Name : nullptr;   // pointed at the entry's own name again
    e.GotoNotOnIcon = static_cast<std::uint8_t>(v.Num(23));
    e.ControlIndex = v.Short(25);
    entries.push_back(e);
  }
}

int ReadPage(EdContext& ctx, const SymbolBody& body, const std::vector<std::string>& lines,
             std::unique_ptr<SymbolData>& out) {
  auto page = std::make_unique<SBPageData>();
  if (!lines.empty()) {
    unsigned char block[kPageBlockSize] = {};
    const int ok = TheLineParser().Parse(lines.front(), [&] {
      return ReadTypedValueLine(body.Type, ctx.parmLevel, block, kPageBlockSize);
    });
    if (ok == 1) {
      page->PageType = static_cast<std::int16_t>(block[4] | (block[5] << 8));
    } else if (const int rc = EdPrompt(std::string(body.Name) + "Load Error.\nContinue?", kSecValue); rc != 0) {
      return rc;
    }
  }
  if (const std::string* next = ctx.in->Peek(); next != nullptr && *next == GetSectionTag(kSecVerifyTables, false)) {
    std::string tag;
    ctx.in->Next(tag);
    std::vector<PBFieldDef> entries;
    if (const int rc = ReadEntries(ctx, entries); rc != 0) return rc;
    page->RestoreEntries(std::move(entries));
  }
  out = std::move(page);
  return 0;
}

int ReadFax(EdContext&, const SymbolBody& body, const std::vector<std::string>& lines,
            std::unique_ptr<SymbolData>& out) {
  auto fax = std::make_unique<FaxEditorData>();
  EdValues v(kFaxFields.size());
  if (!lines.empty()) {
    if (EdParseLine(lines.front(), kSecValue, kFaxFields, v) != 1 || v.Text(2).size() >= kFaxEditorTextSize ||
        v.Text(3).size() >= kFaxEditorTextSize) {
      if (const int rc = EdPrompt(std::string(body.Name) + "Load Error.\nContinue?", kSecValue); rc != 0) return rc;
    } else {
      fax->Word1 = static_cast<std::int32_t>(v.Num(0));
      fax->Word2 = static_cast<std::int32_t>(v.Num(1));
      std::memcpy(fax->Text1, v.Text(2).c_str(), v.Text(2).size() + 1);
      std::memcpy(fax->Text2, v.Text(3).c_str(), v.Text(3).size() + 1);
    }
  }
  // Older files carry no fax record: the item gets a zeroed one.
  out = std::move(fax);
  return 0;
}

int ReadBlock(EdContext& ctx, const SymbolBody& body, const std::vector<std::string>& lines,
              std::unique_ptr<SymbolData>& out) {
  if (lines.empty()) return 0;
  const int elem = ElementSize(body.Type, body.Size, ctx.table);
  const StructDef* def = body.Type >= kFirstStructureId ? FindStructureById(body.Type, &ctx.table) : nullptr;
  int perElement = 1;
  if (def != nullptr) {
    perElement = 0;
    ForEachLeaf(def, 0, ctx.table, 0, [&](int, int, int) { ++perElement; });
  }
  if (elem <= 0 && def == nullptr) {
    // A type without a fixed size: the one line holds all its bytes.
    EdValues v(1);
    if (EdParseLine(lines.front(), kSecValue, kBytesFields, v) != 1 || v.Text(0).size() % 2 != 0) {
      return EdPrompt(std::string(body.Name) + "Load Error.\nContinue?", kSecValue);
    }
    auto block = std::make_unique<ValueBlockData>(v.Text(0).size() / 2);
    Unhex(v.Text(0), block->Bytes(), static_cast<int>(block->Size()));
    out = std::move(block);
    return 0;
  }
  if (perElement <= 0 || elem <= 0 || lines.size() % static_cast<std::size_t>(perElement) != 0) {
    return EdPrompt(std::string(body.Name) + "Load Error.\nContinue?", kSecValue);
  }
  const std::size_t count = lines.size() / static_cast<std::size_t>(perElement);
  auto block = std::make_unique<ValueBlockData>(count * static_cast<std::size_t>(elem));
  std::size_t line = 0;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned char* p = block->Bytes() + i * static_cast<std::size_t>(elem);
    int rc = 0;
    if (def != nullptr) {
      ForEachLeaf(def, 0, ctx.table, 0, [&](int type, int offset, int size) {
        if (rc == 0) rc = ReadElement(ctx, body.Name, type, p + offset, size, lines[line]);
        ++line;
      });
    } else {
      rc = ReadElement(ctx, body.Name, body.Type, p, elem, lines[line++]);
    }
    if (rc != 0) return rc;
  }
  out = std::move(block);
  return 0;
}

}  // namespace

bool HasValueLines(const Symbol& s) {
  if (s.Type == kTypeVavurOrezo || s.Type == kTypeVoiceSentence || s.Type == kTypeResPerm) return false;
  const SymbolData* data = s.Data.get();
  if (IsPage(s.Type)) return dynamic_cast<const SBPageData*>(data) != nullptr;
  if (s.Type == kTypeFaxDocument) return dynamic_cast<const FaxEditorData*>(data) != nullptr;
  return dynamic_cast<const ValueBlockData*>(data) != nullptr;
}

int WriteSymbolValue(const Symbol& s, SymbolTable& table) {
  if (!HasValueLines(s)) return 0;
  if (IsPage(s.Type)) return WritePage(s, static_cast<const SBPageData&>(*s.Data));
  if (s.Type == kTypeFaxDocument) return WriteFax(s, static_cast<const FaxEditorData&>(*s.Data));
  return WriteBlock(s, static_cast<const ValueBlockData&>(*s.Data), table);
}

int ReadSymbolValue(EdContext& ctx, const SymbolBody& body, std::unique_ptr<SymbolData>& out) {
  std::vector<std::string> lines;
  TakeValueLines(ctx, lines);
  try {
    if (IsPage(body.Type)) return ReadPage(ctx, body, lines, out);
    if (body.Type == kTypeFaxDocument) return ReadFax(ctx, body, lines, out);
    return ReadBlock(ctx, body, lines, out);
  } catch (const std::bad_alloc&) {
    return -102;
  }
}

}  // namespace zeph
