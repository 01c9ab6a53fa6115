#include "programfile/edfile/edfile_raw.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "model/datatypes.h"
#include "model/formatlevels.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbconv.h"
#include "model/pbconv_record.h"
#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"
#include "model/pbtype.h"
#include "model/program/program.h"
#include "model/structdef.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "model/vsentence.h"
#include "programfile/edfile/edfile_blocks.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_header.h"
#include "programfile/edfile/edfile_raw_input.h"
#include "programfile/edfile/edfile_repair.h"
#include "programfile/edfile/edfile_symbols.h"
#include "scribe/scribe.h"

namespace zeph {
namespace {

constexpr int kCorrupt = -158;
constexpr int kSymbolImageSize = 70;
constexpr int kBlockHeaderSize = 134;
constexpr int kEntrySize = scribe::kPBFieldDefStoredSize;
constexpr int kMaxOldEntries = 50;
constexpr std::int16_t kListEnd = -555;
constexpr int kEndBlockType = 181;

bool IsPage(int type) { return type == kTypeSuperBlock || type == kTypeVerificationBlock; }

int ImageSize(int level) {
  if (level <= 1) return 64;
  if (level == 2) return 66;
  if (level == 3) return 68;
  return kSymbolImageSize;
}

// One stored interface entry (102 bytes) as the model keeps it; pointers are dropped.
PBFieldDef EntryFromImage(const unsigned char* p) {
  PBFieldDef e;
  std::memcpy(e.Name, p, 32);
  e.Name[32] = '\0';
  e.UIElement = p[32];
  e.FieldRepresentation = p[33];
  e.ScalarType = WordAt(p + 34);
  e.NumRadioInArray = static_cast<std::int8_t>(p[40]);
  e.RadioCheckBase = static_cast<std::int8_t>(p[41]);
  e.FieldOffset = WordAt(p + 42);
  e.Allowed1 = static_cast<std::uint32_t>(LongAt(p + 44));
  e.Allowed2 = static_cast<std::uint32_t>(LongAt(p + 48));
  e.AddStructs = WordAt(p + 52);
  e.StructNum = WordAt(p + 54);
  e.WholeArray = WordAt(p + 56);
  e.MinNumber = WordAt(p + 58);
  e.StrSize = WordAt(p + 60);
  std::memcpy(&e.MinValRange, p + 62, 8);
  std::memcpy(&e.MaxValRange, p + 70, 8);
  e.NeedItBeInRange = p[78];
  e.SpecialRange = p[79];
  e.CanFieldBeBlank = p[80];
  e.CanFieldBeWrong = p[81];
  e.SkipMe = p[82];
  e.GotoStrs = LongAt(p + 83) != 0 ? e.Name : nullptr;
  e.GotoNotOnIcon = p[87];
  e.ControlIndex = WordAt(p + 92);
  return e;
}

// Entries of older widths widened to the current one: 44 bytes, 12 bytes, 4 new zero
// bytes, then 38 bytes.
std::vector<unsigned char> WidenOldEntries(const std::vector<unsigned char>& old, int level) {
  const std::size_t width = level < 2 ? 94 : 98;
  const std::size_t count = old.size() / width;
  if (count > kMaxOldEntries) ReportConversionProblem("Internal Error:  num_entries incorrect");
  std::vector<unsigned char> out(count * kEntrySize, 0);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* src = old.data() + i * width;
    unsigned char* dst = out.data() + i * kEntrySize;
    std::memcpy(dst, src, 44);
    std::memcpy(dst + 44, src + 44, 12);
    std::memcpy(dst + 60, src + 56, 38);
  }
  return out;
}

struct RawReader {
  EdContext& ctx;
  RawInput in;

  int ReadInterfaceTable(SBPageData& page) {
    const std::int16_t length = in.Word();
    if (!in.Ok() || length < 0) return kCorrupt;
    if (length == 0) return 0;
    std::vector<unsigned char> bytes;
    if (!in.Block(length, bytes)) return kCorrupt;
    if (ctx.levels.EntryRecordLevel < 3) bytes = WidenOldEntries(bytes, ctx.levels.EntryRecordLevel);
    std::vector<PBFieldDef> entries;
    for (std::size_t at = 0; at + kEntrySize <= bytes.size(); at += kEntrySize) {
      PBFieldDef e = EntryFromImage(bytes.data() + at);
      if (e.IsEnd()) break;
      if (e.GotoStrs != nullptr) e.FieldOffset = static_cast<std::int16_t>(80 + 18 * static_cast<int>(entries.size()));
      entries.push_back(e);
    }
    page.RestoreEntries(std::move(entries));
    return 0;
  }

  // A number of an item: flag 0 a 32-bit constant, flag 1 a 32-byte variable name.
  bool ReadItemNumber(std::int16_t& flag, SymP& ref) {
    flag = in.Word();
    if (!in.Ok() || (flag != 0 && flag != 1)) return false;
    if (flag == 0) {
      const std::int32_t n = in.Long();
      if (n != 0) {
        ref.SetConstBytes(&n, sizeof n);
        ref.ConstType = kTypeInteger;
      }
      return in.Ok();
    }
    unsigned char name[32];
    if (!in.Bytes(name, 32)) return false;
    ParseVariableReference(FixedText(name, 32).c_str(), ref, AllTypesMask(), nullptr, &ctx.table);
    if (ref.S == nullptr) flag = 0;
    return true;
  }

  // The items of a component: at least one item record and a word -555, after which a
  // component or the list's end must follow. The component record does not say whether
  // items follow, so the bytes are tried: when they do not read so, the input goes back
  // and the component has no items (as files without items always read).
  bool TryReadItems(ComponentDetail** head) {
    const long start = in.Tell();
    const int level = ctx.levels.SentenceRecordLevel;
    auto fail = [&] {
      for (ComponentDetail* d = *head; d != nullptr;) {
        ComponentDetail* next = d->Next;
        delete d;
        d = next;
      }
      *head = nullptr;
      in.Seek(start);
      return false;
    };
    ComponentDetail** tail = head;
    for (;;) {
      const std::int16_t itemVar = in.Word();
      if (!in.Ok()) return fail();
      if (itemVar == kListEnd) break;
      if (itemVar != 0 && itemVar != 1) return fail();
      ComponentDetail* d = NewComponentDetail();
      if (d == nullptr) return fail();
      *tail = d;
      tail = &d->Next;
      d->Flag1 = itemVar;
      if (level >= 3 && itemVar == 1) {
        if (ReadSlot(d->Area1.Ref) != 0) return fail();
        if (d->Area1.Ref.S == nullptr) d->Flag1 = 0;
      } else {
        const int width = level < 3 ? 48 : kComponentAreaSize;
        unsigned char text[kComponentAreaSize] = {};
        if (!in.Bytes(text, width)) return fail();
        const std::string value = FixedText(text, static_cast<std::size_t>(std::min(width, kComponentAreaSize - 1)));
        if (itemVar == 1) {
          ParseVariableReference(value.c_str(), d->Area1.Ref, AllTypesMask(), nullptr, &ctx.table);
          if (d->Area1.Ref.S == nullptr) d->Flag1 = 0;
        } else {
          std::memcpy(d->Area1.Path, value.c_str(), value.size() + 1);
        }
      }
      if (!ReadItemNumber(d->Flag2, d->Ref2) || !ReadItemNumber(d->Flag3, d->Ref3)) return fail();
    }
    // An empty list is the end of the components, not an item list.
    if (*head == nullptr) return fail();
    const long after = in.Tell();
    const std::int16_t next = in.Word();
    if (!in.Ok() || !(next == kListEnd || (next >= 0 && next < kComponentKindCount))) return fail();
    in.Seek(after);
    return true;
  }

  int ReadSentence(std::unique_ptr<SymbolData>& out) {
    auto data = std::make_unique<SentenceData>();
    SentenceComponent** tail = &data->First;
    const int level = ctx.levels.SentenceRecordLevel;
    for (;;) {
      const std::int16_t type = in.Word();
      if (!in.Ok()) return kCorrupt;
      if (type == kListEnd) break;
      SentenceComponent* c = NewSentenceComponent();
      if (c == nullptr) return -102;
      *tail = c;
      tail = &c->Next;
      c->Kind = type;
      c->RefFlag = in.Word();
      if (level > 3) c->Id = in.Word();
      unsigned char path[kComponentAreaSize] = {};
      in.Bytes(path, level < 3 ? 48 : kComponentAreaSize);
      const std::string text = FixedText(path, level < 3 ? 48 : kComponentAreaSize - 1);
      if (level >= 2) {
        const std::int16_t commentLength = in.Word();
        if (commentLength < 0) return kCorrupt;
        std::vector<unsigned char> comment;
        if (!in.Block(commentLength, comment)) return kCorrupt;
        if (commentLength > 0) c->Text = FixedText(comment.data(), comment.size());
      }
      if (!in.Ok()) return kCorrupt;
      if (c->RefFlag != 0) {
        ParseVariableReference(text.c_str(), c->Area.Ref, AllTypesMask(), nullptr, &ctx.table);
        if (c->Area.Ref.S == nullptr) {
          c->RefFlag = 0;
          std::strcpy(c->Area.Path, "'Bad_Symbol");
        }
      } else {
        std::memcpy(c->Area.Path, text.c_str(), text.size() + 1);
      }
      TryReadItems(&c->Detail);
    }
    out = std::move(data);
    return 0;
  }

  int ReadValue(SymbolBody& body, std::unique_ptr<SymbolData>& out) {
    const std::int16_t length = in.Word();
    if (!in.Ok() || length < 0) return kCorrupt;
    if (length == 0) {
      if (IsPage(body.Type)) out = std::make_unique<SBPageData>();
      return 0;
    }
    if (length > in.Remaining()) return kCorrupt;
    std::vector<unsigned char> bytes;
    const int typeSize = body.Type < kFirstStructureId ? GetBuiltinTypeSize(body.Type) : 0;
    bytes.assign(static_cast<std::size_t>(std::max<int>(length, typeSize)), 0);
    if (!in.Bytes(bytes.data(), length)) return kCorrupt;
    if (body.Type < kFirstStructureId) {
      if (const RecConversion* conv = RecordConversionForFile(body.Type, static_cast<float>(ctx.fileVersion))) {
        std::vector<unsigned char> converted(static_cast<std::size_t>(std::max(typeSize, 0)), 0);
        ApplyFieldMoves(*conv, bytes.data(), bytes.size(), converted.data(), converted.size());
        bytes.swap(converted);
      }
    }
    if (IsPage(body.Type)) {
      auto page = std::make_unique<SBPageData>();
      if (bytes.size() >= 6) page->PageType = WordAt(bytes.data() + 4);
      if (const int rc = ReadInterfaceTable(*page); rc != 0) return rc;
      out = std::move(page);
      return 0;
    }
    auto block = std::make_unique<ValueBlockData>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), block->Bytes());
    out = std::move(block);
    return 0;
  }

  // One symbol; *end at the record with an empty name.
  int ReadSymbol(bool* end) {
    unsigned char image[kSymbolImageSize] = {};
    if (!in.Bytes(image, ImageSize(ctx.levels.SymbolRecordLevel))) return kCorrupt;
    const std::string name = FixedText(image + 10, 32);
    if (name.empty()) {
      *end = true;
      return 0;
    }
    if (name.size() >= static_cast<std::size_t>(kSymbolNameSize)) return kCorrupt;
    SymbolBody body;
    std::memcpy(body.Name, name.c_str(), name.size() + 1);
    body.Size = WordAt(image + 42);
    body.Type = WordAt(image + 44);
    body.IsStructType = WordAt(image + 46);
    body.Invisible = WordAt(image + 48);
    body.CanDelete = WordAt(image + 50);
    body.RefCnt = WordAt(image + 52);
    body.NotInCode = LongAt(image + 54);
    body.Deleted = WordAt(image + 58);
    body.Scope = ctx.levels.SymbolRecordLevel >= 2 ? WordAt(image + 64) : 0;
    body.ArraySize = ctx.levels.SymbolRecordLevel >= 3 ? WordAt(image + 66) : 1;
    body.IsConst = ctx.levels.SymbolRecordLevel >= 4 ? WordAt(image + 68) : 0;
    if (IsInCodeRecord(body.Name)) body.NotInCode = 0;
    std::unique_ptr<SymbolData> data;
    if (body.Type == kTypeVoiceSentence) {
      if (const int rc = ReadSentence(data); rc != 0) return rc;
    } else if (body.Type == kTypeFaxDocument && body.Scope != 2) {
      return 0;
    } else if (const int rc = ReadValue(body, data); rc != 0) {
      return rc;
    }
    // A symbol of a structure the file does not define cannot be filed.
    if (ctx.table.TreeOfType(body.Type) == nullptr) return kCorrupt;
    body.Data = std::move(data);
    if (InsertSymbol(body, body.Type, false, &ctx.table) == nullptr) return kCorrupt;   // a second symbol of a name
    return 0;
  }

  int ReadSlot(SymP& slot) {
    const std::int16_t tag = in.Word();
    unsigned char image[18] = {};
    const int imageSize = ctx.levels.RefRecordLevel < 3 ? 12 : 18;
    if (!in.Bytes(image, imageSize)) return kCorrupt;
    slot.Clear();
    slot.StructMemNum = WordAt(image + 4);
    slot.ConstType = WordAt(image + 10);
    if (tag == 1) {
      std::string text;
      if (ctx.levels.RefRecordLevel < 2) {
        unsigned char name[32];
        if (!in.Bytes(name, 32)) return kCorrupt;
        text = FixedText(name, 32);
      } else {
        const std::int16_t length = in.Word();
        std::vector<unsigned char> bytes;
        if (length < 0 || !in.Block(length, bytes)) return kCorrupt;
        text = FixedText(bytes.data(), bytes.size());
      }
      const std::int16_t constType = slot.ConstType;
      ParseVariableReference(text.c_str(), slot, AllTypesMask(), nullptr, &ctx.table);
      slot.ConstType = constType;
      return 0;
    }
    const std::int16_t length = in.Word();
    std::vector<unsigned char> bytes;
    if (length < 0 || !in.Block(length, bytes)) return kCorrupt;
    if (length > 0) {
      if (slot.ConstType == 0 && bytes.size() < 48) bytes.resize(48, 0);
      slot.SetConstBytes(bytes.data(), bytes.size());
    }
    return 0;
  }

  int ReadArea(PBInstance& instance, const PBParmLayout* parts, const PBFieldDef* description) {
    for (const PBParmLayout* part = parts; part != nullptr && part->Kind != 0; ++part) {
      if (part->Kind == kLayoutPartRaw) {
        if (part->Offset < 0 || part->Length < 0 || part->Offset + part->Length > kParameterAreaSize) return kCorrupt;
        if (!in.Bytes(instance.Area.Bytes() + part->Offset, part->Length)) return kCorrupt;
      } else if (part->Kind == kLayoutPartSlots) {
        const bool byPart = ctx.levels.FieldRecordLevel < 2 || instance.Type < 0;
        const int count = byPart ? part->Length : CountFields(description);
        for (int i = 0; i < count; ++i) {
          SymP scratch;
          SymP* slot = instance.Area.Slot(part->Offset + 18 * i);
          if (const int rc = ReadSlot(slot != nullptr ? *slot : scratch); rc != 0) return rc;
          if (slot != nullptr && instance.Area.IsSlotEmpty(part->Offset + 18 * i)) {
            instance.Area.Slots().erase(part->Offset + 18 * i);
          }
        }
      }
    }
    return 0;
  }

  int ReadBlock(bool* end) {
    unsigned char header[kBlockHeaderSize];
    if (!in.Bytes(header, kBlockHeaderSize)) return kCorrupt;
    const std::string name = FixedText(header, 32);
    if (name.empty()) {
      *end = true;
      return 0;
    }
    if (name.size() >= static_cast<std::size_t>(kSymbolNameSize)) return kCorrupt;
    auto instance = std::make_unique<PBInstance>();
    instance->Name = name;
    const int type = RenumberedType(WordAt(header + 32), ctx.fileVersion);
    instance->Type = static_cast<std::int16_t>(type);
    PBInstanceHeader& hd = instance->Header;
    hd.Page = WordAt(header + 34);
    instance->X = WordAt(header + 36);
    instance->Y = WordAt(header + 38);
    hd.Finished = WordAt(header + 40);
    hd.JustGotosLeft = WordAt(header + 44);
    hd.Res3 = WordAt(header + 46);
    hd.SelectedGoto = WordAt(header + 56);
    hd.NumGotos = WordAt(header + 58);
    hd.LineMask = WordAt(header + 60);
    if (type == kPBTypeCustom || type == kPBTypeSuperBlock || type == kEndBlockType) {
      const int width = ctx.fileVersion >= 3 ? 86 : 30;
      std::vector<unsigned char> comment;
      if (!in.Block(width, comment)) return kCorrupt;
      instance->Companion = FixedText(comment.data(), comment.size());
    }
    const PBConversion* conversion = type >= 0 ? ConversionForFile(type, static_cast<float>(ctx.fileVersion)) : nullptr;
    const PBParmLayout* parts = LayoutOf(type);
    const PBFieldDef* description = DescriptionOf(type);
    if (conversion != nullptr) {
      if (conversion->OldLayout != nullptr) parts = conversion->OldLayout;
      if (conversion->OldFields != nullptr) description = conversion->OldFields;
    }
    if (const int rc = ReadArea(*instance, parts, description); rc != 0) return rc;
    if (ctx.levels.FormatFlags & 1u) {
      const std::int16_t skip = in.Word();
      if (!in.Ok() || (skip > 0 && !in.Skip(skip))) return kCorrupt;
    }
    Symbol* symbol = LookupSymbol(name.c_str(), kTypeVavurOrezo, &ctx.table);
    if (symbol == nullptr) return kCorrupt;
    if (conversion != nullptr) {
      // A block that cannot be converted stays as far as it was converted; the
      // conversion has told the user.
      const int rc = ConvertReadInstance(*conversion, instance, ctx.table);
      if (rc != 0 && rc != kErrCannotConvert) return rc;
    }
    AttachReadInstance(*symbol, std::move(instance), ctx.table);
    return 0;
  }

  int Read() {
    unsigned char label[8];
    if (!in.Bytes(label, 8)) return kCorrupt;
    const std::string text(reinterpret_cast<const char*>(label), 8);
    ctx.fileVersion = VersionOfText(text);
    SetFileFormatLevels(ctx.fileVersion);
    ctx.levels = CurrentFileFormatLevels();
    ctx.parmLevel = ctx.levels.ParmRecordLevel;
    ctx.program.FileVersion = ctx.fileVersion;
    if (text.compare(0, 4, "VLXV") != 0 || ctx.fileVersion > 8.03) return -169;
    const std::int16_t nextId = in.Word();
    if (!in.Ok()) return kCorrupt;
    ctx.table.Structures().NextId = nextId;
    bool end = false;
    while (!end) {
      if (const int rc = ReadSymbol(&end); rc != 0) return rc;
    }
    end = false;
    while (!end) {
      if (const int rc = ReadBlock(&end); rc != 0) return rc;
    }
    return CompleteAfterRead(ctx.program, false);
  }
};

}  // namespace

int ReadRawProgram(EdContext& ctx, std::FILE* file) {
  if (file == nullptr) return kCorrupt;
  RawReader reader{ctx, RawInput(file)};
  if (!reader.in.Ok()) return kCorrupt;
  try {
    return reader.Read();
  } catch (const std::bad_alloc&) {
    return -102;
  }
}

}  // namespace zeph
