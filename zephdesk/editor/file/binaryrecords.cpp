#include "editor/file/binaryrecords.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>

#include "bank/buffer.h"
#include "editor/canvas/gotoline.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/typerecord.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/filemessages.h"
#include "editor/file/layoutrecords.h"
#include "editor/file/loadstate.h"
#include "editor/support/editorhost.h"
#include "foundation/kvwintypes.h"
#include "model/interface/vlx.h"

namespace ed {
namespace {

constexpr int kInconsistentInput = 58;
constexpr const char* kInconsistentText = "Input file is inconsistant and can not be read.";

// Version thresholds of the binary bodies, in hundredths.
constexpr int kCountedBitSets = 202;   // above: counted sets; from here: a second set of 4
constexpr int kGotoBitMoved = 201;     // up to: goto output bits were 4 lower
constexpr int kGotoBlockNamed = 200;   // up to: goto blocks carry their output's name
constexpr int kTypeCodesMoved = 203;   // up to: codes above 335 were 1 lower

// The owner and model checks: the string-table message (its tag goes only to a log),
// after which the load ends with the read error.
int Inconsistent(LayoutState& state, const char* tag) {
  if (state.log != nullptr) {
    *state.log << "ERROR: " << kInconsistentText << " " << tag << "\n";
    _appErrorExists = 1;
  } else {
    state.program->Host().MessageBoxRes(kInconsistentInput, kKvMbIconHand);
  }
  return 0;
}

bool ReadText(Buffer& buffer, std::string& text) {
  char* read = nullptr;
  if (!buffer.read_string(read)) return false;
  std::unique_ptr<char[]> owned(read);
  text = owned.get();
  return true;
}

// A counted set: a byte n (at most the 5 bytes of a set) and n bytes.
bool ReadCountedSet(Buffer& buffer, OutputBitSet& set) {
  char count = 0;
  if (!buffer.read_byte(count)) return false;
  const int n = static_cast<unsigned char>(count);
  if (n > OutputBitSet::kBytes) return false;
  std::uint8_t bytes[OutputBitSet::kBytes] = {};
  if (n > 0 && !buffer.read(bytes, static_cast<std::size_t>(n))) return false;
  for (int i = 0; i < OutputBitSet::kBytes; ++i) set.SetByte(i, bytes[i]);
  return true;
}

bool ReadFourBytes(Buffer& buffer, OutputBitSet& set) {
  std::uint8_t bytes[4] = {};
  if (!buffer.read(bytes, sizeof bytes)) return false;
  for (int i = 0; i < 4; ++i) set.SetByte(i, bytes[i]);
  return true;
}

int WriteCountedSet(Buffer& buffer, const OutputBitSet& set) {
  if (!buffer.write_byte(static_cast<char>(OutputBitSet::kBytes))) return 0;
  std::uint8_t bytes[OutputBitSet::kBytes];
  for (int i = 0; i < OutputBitSet::kBytes; ++i) bytes[i] = set.Byte(i);
  return buffer.write(bytes, sizeof bytes);
}

int OutputBit(const VavurOrezo* owner, const std::string& output) {
  const OutputEntry* entry = owner != nullptr ? owner->FindOutput(output.c_str()) : nullptr;
  return entry != nullptr ? entry->bitIndex : -1;
}

template <class Object, class Visit>
int ForEach(const std::vector<std::unique_ptr<Object>>& objects, Visit visit) {
  for (const auto& object : objects) {
    if (!visit(*object)) return 0;
  }
  return 1;
}

}  // namespace

int WriteBinaryHeader(Buffer& buffer, const std::string& versionText) {
  unsigned char header[kBinaryHeaderSize] = {};
  std::memcpy(header, kBinaryBanner, std::strlen(kBinaryBanner));
  std::memcpy(header + kBinaryBannerSize, versionText.c_str(),
              std::min(versionText.size(), kBinaryHeaderSize - kBinaryBannerSize - 1));
  return buffer.write(header, sizeof header);
}

// ---- Writers ----------------------------------------------------------------------------

int WriteBinary(Buffer& buffer, Program& program) { return buffer.write_long(program.IdCounter()); }

int WriteBinary(Buffer& buffer, Page& page) {
  return buffer.write_long(page.GetID()) && buffer.write_string(page.Name().c_str()) && buffer.write_word(page.PageType());
}

int WriteBinary(Buffer& buffer, VavurOrezo& block) {
  Page* page = block.GetPage();
  const int type = block.TypeCode();
  return buffer.write_long(block.GetID()) && buffer.write_string(block.Name().c_str()) &&
         buffer.write_string(block.GetDescription()) && buffer.write_word(block.X()) &&
         buffer.write_word(block.Y()) && buffer.write_word(static_cast<int>(block.Flags())) &&
         WriteCountedSet(buffer, block.Shown()) && WriteCountedSet(buffer, block.Expanded()) &&
         buffer.write_long(page != nullptr ? page->GetID() : 0) && buffer.write_word(type) &&
         (!HasCustomTypeName(type) || buffer.write_string(block.CustomTypeName().c_str()));
}

int WriteBinary(Buffer& buffer, GotoBlock& gotoBlock) {
  VavurOrezo* owner = gotoBlock.Block();
  return buffer.write_word(OutputBit(owner, gotoBlock.OutputName())) && buffer.write_word(gotoBlock.GetOffset()) &&
         buffer.write_long(owner != nullptr ? owner->GetID() : 0);
}

int WriteBinary(Buffer& buffer, Goto& line) {
  VavurOrezo* owner = line.Block();
  VavurOrezo* target = line.EndBlock();
  return buffer.write_long(line.GetID()) && buffer.write_word(OutputBit(owner, line.OutputName())) &&
         buffer.write_word(line.Colour()) && buffer.write_word(static_cast<int>(line.Flags())) &&
         buffer.write_long(owner != nullptr ? owner->GetID() : 0) && buffer.write_long(target != nullptr ? target->GetID() : 0);
}

int WriteBinary(Buffer& buffer, Segment& segment) {
  Goto* line = segment.Line();
  return buffer.write_word(segment.fromX) && buffer.write_word(segment.fromY) && buffer.write_word(segment.toX) &&
         buffer.write_word(segment.toY) && buffer.write_long(line != nullptr ? line->GetID() : 0);
}

int WriteBinaryLayout(Buffer& buffer, LayoutState& state) {
  Program& program = *state.program;
  auto record = [&buffer](int type, auto& object) { return buffer.write_word(type) && WriteBinary(buffer, object); };
  if (!record(kClassProgram, program)) return 0;
  const auto& pages = program.Pages();
  auto eachBlock = [&pages](auto visit) {
    return ForEach(pages, [&](Page& page) { return ForEach(page.Blocks(), visit); });
  };
  if (!ForEach(pages, [&](Page& page) { return record(kClassPage, page); })) return 0;
  if (!eachBlock([&](VavurOrezo& block) { return record(kClassVavurOrezo, block); })) return 0;
  if (!eachBlock([&](VavurOrezo& block) {
        return ForEach(block.GotoBlocks(), [&](GotoBlock& gotoBlock) { return record(kClassGotoBlock, gotoBlock); });
      })) {
    return 0;
  }
  if (!eachBlock([&](VavurOrezo& block) {
        return ForEach(block.Gotos(), [&](Goto& line) { return IsUnsavedObsoleteLine(line) || record(kClassGoto, line); });
      })) {
    return 0;
  }
  if (!eachBlock([&](VavurOrezo& block) {
        return ForEach(block.Gotos(), [&](Goto& line) {
          if (IsUnsavedObsoleteLine(line)) return 1;
          return ForEach(line.GetSegments(), [&](Segment& segment) { return record(kClassSegment, segment); });
        });
      })) {
    return 0;
  }
  return buffer.write_word(kBinaryEnd) && buffer.write_long(program.IdCounter());
}

// ---- Readers ----------------------------------------------------------------------------

int ReadBinaryProgram(LayoutState& state, Buffer& buffer) {
  std::int32_t counter = 0;
  if (!buffer.read_long(counter)) return 0;
  state.program->SetIdCounter(counter);
  return 1;
}

int ReadBinaryPage(LayoutState& state, Buffer& buffer) {
  std::int32_t id = 0;
  std::string name;
  int type = 0;
  if (!buffer.read_long(id) || !ReadText(buffer, name) || !buffer.read_word(type)) return 0;
  vlxHandleType handle = vlxFindPage(name.c_str());
  if (handle == nullptr) return Inconsistent(state, "Error-[vlx_page]");
  auto* page = new Page();
  page->SetID(id);
  page->SetName(name.c_str());
  page->SetPageType(type);
  page->SetHandle(handle);
  state.program->AddPage(page);
  state.ids.Add(id, page);
  return 1;
}

int ReadBinaryBlock(LayoutState& state, Buffer& buffer) {
  std::int32_t id = 0, ownerId = 0;
  std::string name, description, customTypeName;
  int x = 0, y = 0, flags = 0, type = 0;
  auto block = std::make_unique<VavurOrezo>();
  if (!buffer.read_long(id) || !ReadText(buffer, name) || !ReadText(buffer, description) || !buffer.read_word(x) ||
      !buffer.read_word(y) || !buffer.read_word(flags)) {
    return 0;
  }
  if (state.version > kCountedBitSets) {
    if (!ReadCountedSet(buffer, block->Shown()) || !ReadCountedSet(buffer, block->Expanded())) return 0;
  } else {
    if (!ReadFourBytes(buffer, block->Shown())) return 0;
    if (state.version >= kCountedBitSets && !ReadFourBytes(buffer, block->Expanded())) return 0;
  }
  if (!buffer.read_long(ownerId) || !buffer.read_word(type)) return 0;
  // The name is there when the type as written carries one.
  if (HasCustomTypeName(type) && !ReadText(buffer, customTypeName)) return 0;
  if (state.version <= kTypeCodesMoved && type > 335) ++type;
  block->SetID(id);
  block->SetName(name.c_str());
  if (!description.empty()) block->SetDescription(description.c_str());
  block->SetPosition(x < 0 ? 0 : x, y < 0 ? 0 : y);
  block->SetFlags(static_cast<std::uint16_t>(flags) & ~static_cast<std::uint32_t>(kBlockMarked | kBlockLocated));
  auto* page = static_cast<Page*>(state.ids.Find(ownerId, kClassPage));
  if (page == nullptr) return Inconsistent(state, "Error -- [vavurorezo]");
  if (AttachLoadedBlock(state, std::move(block), *page, type, customTypeName, id) == nullptr) {
    return Inconsistent(state, "Error -- [vlx_pb]");
  }
  return 1;
}

int ReadBinaryGotoBlock(LayoutState& state, Buffer& buffer) {
  std::int32_t ownerId = 0;
  int bit = 0, offset = 0;
  if (state.version > kGotoBlockNamed) {
    if (!buffer.read_word(bit) || !buffer.read_word(offset) || !buffer.read_long(ownerId)) return 0;
  } else {
    std::string name;
    if (!ReadText(buffer, name) || !buffer.read_word(offset) || !buffer.read_long(ownerId)) return 0;
  }
  // Goto blocks of these versions are rebuilt from the outputs after the load.
  if (state.version <= kGotoBitMoved) return 1;
  auto* owner = static_cast<VavurOrezo*>(state.ids.Find(ownerId, kClassVavurOrezo));
  if (owner == nullptr) return Inconsistent(state, "Error -- [gotoblock]");
  auto* gotoBlock = new GotoBlock();
  gotoBlock->SetOffset(offset);
  owner->AddGotoBlock(gotoBlock);
  if (const OutputEntry* output = OutputByBit(*owner, bit, false)) {
    gotoBlock->SetOutputName(output->name.c_str());
    gotoBlock->SetShown(owner->Shown().Test(output->bitIndex) ? 1 : 0);
  }
  return 1;
}

int ReadBinaryGoto(LayoutState& state, Buffer& buffer) {
  std::int32_t id = 0, startId = 0, endId = 0;
  int bit = 0, colour = 0, flags = 0;
  if (!buffer.read_long(id) || !buffer.read_word(bit) || !buffer.read_word(colour) || !buffer.read_word(flags) ||
      !buffer.read_long(startId) || !buffer.read_long(endId)) {
    return 0;
  }
  std::uint32_t lineFlags = static_cast<std::uint16_t>(flags);
  if (state.version <= kGotoBitMoved) {
    bit += 4;
    lineFlags |= kGotoReroute;
  }
  auto* owner = static_cast<VavurOrezo*>(state.ids.Find(startId, kClassVavurOrezo));
  if (owner == nullptr) return Inconsistent(state, "Error -- [goto]");
  // The end is checked before the line joins, so that a bad record warns of nothing else.
  auto* target = static_cast<VavurOrezo*>(state.ids.Find(endId, kClassVavurOrezo));
  if (target == nullptr) return Inconsistent(state, "Error -- [connection]");
  AttachLoadedGoto(state, *owner, *target, id, bit, colour, lineFlags);
  if (owner->TypeCode() == kTypeSuperBlockCall) vlxVerifyPBEntries(owner->Handle());
  return 1;
}

int ReadBinarySegment(LayoutState& state, Buffer& buffer) {
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
  std::int32_t lineId = 0;
  if (!buffer.read_word(fromX) || !buffer.read_word(fromY) || !buffer.read_word(toX) || !buffer.read_word(toY) ||
      !buffer.read_long(lineId)) {
    return 0;
  }
  auto* line = static_cast<Goto*>(state.ids.Find(lineId, kClassGoto));
  if (line == nullptr) return Inconsistent(state, "Error -- [segment]");
  auto* segment = new Segment();
  segment->fromX = fromX;
  segment->fromY = fromY;
  segment->toX = toX;
  segment->toY = toY;
  line->AppendSegment(segment);
  return 1;
}

int ReadBinaryLayout(LayoutState& state, Buffer& buffer, bool& reported) {
  reported = false;
  int type = 0;
  if (!buffer.read_word(type) || type != kClassProgram || !ReadBinaryProgram(state, buffer)) return 0;
  for (;;) {
    if (!buffer.read_word(type)) return 0;
    if (type == kBinaryEnd) break;
    int (*reader)(LayoutState&, Buffer&) = nullptr;
    switch (type) {
      case kClassPage: reader = &ReadBinaryPage; break;
      case kClassVavurOrezo: reader = &ReadBinaryBlock; break;
      case kClassGoto: reader = &ReadBinaryGoto; break;
      case kClassSegment: reader = &ReadBinarySegment; break;
      case kClassGotoBlock: reader = &ReadBinaryGotoBlock; break;
      default:
        ShowFileMessage(state.log, FileTask::Load, "Unknown record type in file.  Can not load program.", kKvMbIconHand);
        reported = true;
        return 0;
    }
    if (!reader(state, buffer)) return 0;
  }
  std::int32_t counter = 0;
  if (!buffer.read_long(counter)) return 0;
  // Never below an id already handed out.
  state.program->SetIdCounter(std::max(counter, state.ids.HighestID()));
  return 1;
}

}  // namespace ed
