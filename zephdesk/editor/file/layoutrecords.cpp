#include "editor/file/layoutrecords.h"

#include <memory>
#include <ostream>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/typerecord.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/columns.h"
#include "editor/file/filemessages.h"
#include "editor/file/loadstate.h"
#include "editor/notes/textnote.h"
#include "editor/support/editorhost.h"
#include "foundation/kvwintypes.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"

namespace ed {
namespace {

constexpr const char* kBlockSaveFault = ". This VavurOrezo was found to be invalid.\n Continue Saving?";
constexpr const char* kBlockLoadFault = ". Could not load this VavurOrezo.  It may be dropped.\n Continue Loading?";
constexpr const char* kConnectionSaveFault = "Invalid connection found between two blocks.\n Continue Saving?";
constexpr const char* kConnectionLoadFault = "Could not connect two blocks properly. \n Continue Loading?";
constexpr const char* kObsoleteOutput = "Obsolete";

}  // namespace

const OutputEntry* OutputByBit(const VavurOrezo& block, std::int32_t bit, bool last) {
  const TypeRecord* record = block.Record();
  if (record == nullptr) return nullptr;
  const OutputEntry* found = nullptr;
  for (const auto& output : record->outputs) {
    if (output.bitIndex != bit) continue;
    found = &output;
    if (!last) break;
  }
  return found;
}

bool HasCustomTypeName(int code) { return code <= kTypeCustom || code == kTypeImported; }

namespace {

Page* OwnerPage(ProgramObject& object) {
  ProgramObject* owner = object.Owner();
  return owner != nullptr && owner->isA() == kClassPage ? static_cast<Page*>(owner) : nullptr;
}

VavurOrezo* OwnerBlock(ProgramObject& object) {
  ProgramObject* owner = object.Owner();
  return owner != nullptr && owner->isA() == kClassVavurOrezo ? static_cast<VavurOrezo*>(owner) : nullptr;
}

// Type codes of files before 8.04 are moved past the types added since.
int ConvertOldTypeCode(int code, int version) {
  if (version < 701 && code > 361) code += 11;
  if (version < 801 && code > 372) code += 18;
  if (version < 803 && code > 390) code += 1;
  if (version < 804 && code > 391) code += 1;
  return code;
}

}  // namespace

std::string ModelBlockName(const Page& page, const std::string& blockName) {
  if (page.PageType() == kPageMain) return blockName;
  return page.Name() + "$" + blockName;
}

bool IsUnsavedObsoleteLine(const Goto& line) {
  const VavurOrezo* owner = line.Block();
  return line.OutputName() == kObsoleteOutput && (owner == nullptr || owner->FindOutput(kObsoleteOutput) == nullptr);
}

// ---- Pages ------------------------------------------------------------------------------

int WriteRecord(LayoutState& state, Page& page) {
  const std::string fault = page.Name() + "Save Error.\nContinue?";
  Columns c;
  c.Long("ID", page.GetID()).Text("Name", 16, page.Name()).Long("TYPE", page.PageType());
  if (!c.Write(kSectionPages)) return state.Report(fault.c_str(), kSectionPages);
  vlxHandleType handle = vlxFindPage(page.Name().c_str());
  page.SetHandle(handle);
  if (handle == nullptr) return state.Report(fault.c_str(), kSectionPages);
  return 1;
}

int ReadPageRecord(LayoutState& state, const std::string& line) {
  Columns c(line);
  c.Long("ID").Text("Name").Long("TYPE");
  if (!c.Parse(kSectionPages)) return state.Report("Load Error.\nContinue?", kSectionPages);
  auto page = std::make_unique<Page>();
  const std::int32_t id = c.LongAt(0);
  page->SetID(id);
  page->SetName(c.TextAt(1).c_str());
  page->SetPageType(c.LongAt(2));
  vlxHandleType handle = vlxFindPage(page->Name().c_str());
  if (handle == nullptr) {
    // Never registered: the records that name the page find none.
    const std::string fault = page->Name() + ". Could not load this page.  It will be dropped.\n Continue Loading?";
    return state.Report(fault.c_str(), kSectionPages);
  }
  page->SetHandle(handle);
  Page* taken = page.release();
  state.program->AddPage(taken);
  state.ids.Add(id, taken);
  return 1;
}

// ---- VavurOrezos --------------------------------------------------------------------------

int WriteRecord(LayoutState& state, VavurOrezo& block) {
  const std::string fault = block.Name() + kBlockSaveFault;
  // The shown set follows the goto blocks, each found by its output's name.
  if (const TypeRecord* record = block.Record()) {
    for (const auto& output : record->outputs) {
      if (const GotoBlock* gotoBlock = block.FindGotoBlock(output.name.c_str())) {
        block.Shown().Set(output.bitIndex, gotoBlock->IsShownFlag() != 0);
      }
    }
  }
  Page* page = OwnerPage(block);
  const OutputBitSet& shown = block.Shown();
  const OutputBitSet& expanded = block.Expanded();
  auto low4 = [](const OutputBitSet& set) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(set.Byte(0)) | static_cast<std::uint32_t>(set.Byte(1)) << 8 |
                                     static_cast<std::uint32_t>(set.Byte(2)) << 16 | static_cast<std::uint32_t>(set.Byte(3)) << 24);
  };
  Columns c;
  c.Long("ID", block.GetID())
      .Text("Name", 31, block.Name())
      .Text("Description", 512, block.GetDescription())
      .Long("X", block.X())
      .Long("Y", block.Y())
      .Long("Flags", static_cast<std::int32_t>(block.Flags()))
      .Long("VisibleFlags4", low4(shown))
      .Byte("VisibleFlags5", shown.Byte(4))
      .Long("ExpandedFlags4", low4(expanded))
      .Byte("ExpandedFlags5", expanded.Byte(4))
      .Long("Owner", page != nullptr ? page->GetID() : 0)
      .Long("Type", block.TypeCode())
      .Text("CustomType", 256, HasCustomTypeName(block.TypeCode()) ? block.CustomTypeName() : std::string());
  if (!c.Write(kSectionBlocks) || page == nullptr) return state.Report(fault.c_str(), kSectionBlocks);
  vlxHandleType handle = state.program->Model().FindVavurOrezo(ModelBlockName(*page, block.Name()).c_str(), 1, 0);
  block.SetHandle(handle);
  if (handle == nullptr) return state.Report(fault.c_str(), kSectionBlocks);
  return 1;
}

int ReadBlockRecord(LayoutState& state, const std::string& line) {
  Columns c(line);
  c.Long("ID").Text("Name").Text("Description").Long("X").Long("Y").Long("Flags");
  c.Long("VisibleFlags4").Byte("VisibleFlags5").Long("ExpandedFlags4").Byte("ExpandedFlags5");
  c.Long("Owner").Long("Type").Text("CustomType");
  if (!c.Parse(kSectionBlocks)) return state.Report(kBlockLoadFault, kSectionBlocks);
  auto block = std::make_unique<VavurOrezo>();
  const std::int32_t id = c.LongAt(0);
  block->SetID(id);
  block->SetName(c.TextAt(1).c_str());
  if (const std::string description = c.TextAt(2); !description.empty()) block->SetDescription(description.c_str());
  block->SetPosition(c.LongAt(3) < 0 ? 0 : c.LongAt(3), c.LongAt(4) < 0 ? 0 : c.LongAt(4));
  block->SetFlags(static_cast<std::uint32_t>(c.LongAt(5)) & ~static_cast<std::uint32_t>(kBlockMarked | kBlockLocated));
  auto fill = [](OutputBitSet& set, std::int32_t low, std::uint8_t high) {
    const auto bits = static_cast<std::uint32_t>(low);
    for (int i = 0; i < 4; ++i) set.SetByte(i, static_cast<std::uint8_t>(bits >> (8 * i)));
    set.SetByte(4, high);
  };
  fill(block->Shown(), c.LongAt(6), c.ByteAt(7));
  fill(block->Expanded(), c.LongAt(8), c.ByteAt(9));
  const std::string fault = block->Name() + kBlockLoadFault;
  auto* page = static_cast<Page*>(state.ids.Find(c.LongAt(10), kClassPage));
  if (page == nullptr) return state.Report(fault.c_str(), kSectionBlocks);
  const int type = ConvertOldTypeCode(c.LongAt(11), state.version);
  if (AttachLoadedBlock(state, std::move(block), *page, type, c.TextAt(12), id) == nullptr) {
    return state.Report(fault.c_str(), kSectionBlocks);
  }
  return 1;
}

VavurOrezo* AttachLoadedBlock(LayoutState& state, std::unique_ptr<VavurOrezo> block, Page& page, int type,
                              const std::string& customTypeName, std::int32_t id) {
  // The model block first: a block it does not know is dropped before it joins the page.
  vlxHandleType handle = state.program->Model().FindVavurOrezo(ModelBlockName(page, block->Name()).c_str(), 1, 0);
  if (handle == nullptr) return nullptr;
  block->SetHandle(handle);
  VavurOrezo* taken = block.release();
  page.AddVavurOrezo(taken);
  if (type <= kTypeCustom) {
    taken->SetTypeCode(type);
    taken->SetCustomTypeName(customTypeName.c_str());
    taken->UpdateFromModel(false);
  } else if (!state.icons.Has(type)) {
    zeph::VavurOrezoInfo info;
    if (type != kTypeObsoleted && static_cast<const zeph::PBInstance*>(handle)->Type == type &&
        state.program->Model().GetVavurOrezoInfo(handle, &info) != nullptr) {
      // A standard block the palette does not offer (a page's Begin, a subflow's end):
      // the model still describes it, so it keeps its type and takes its outputs from there.
      auto record = std::make_shared<TypeRecord>();
      record->typeCode = static_cast<std::int16_t>(type);
      taken->SetTypeCode(type);
      taken->SetRecord(record);
      taken->UpdateFromModel(false);
    } else {
      std::shared_ptr<VavurOrezoIcon> icon = state.icons.Find(type);
      taken->SetTypeCode(type);
      taken->SetIcon(icon);
      taken->SetRecord(icon->Record());
    }
  } else {
    std::shared_ptr<VavurOrezoIcon> icon = state.icons.Find(type);
    taken->SetTypeCode(type);
    taken->SetIcon(icon);
    taken->SetRecord(icon->Record());
    if (type == kTypeImported) {
      taken->SetCustomTypeName(customTypeName.c_str());
      taken->UpdateFromModel(false);
    }
  }
  state.ids.Add(id, taken);
  if (type == kTypeObsoleted) vlxTurnObsoletePBPink(handle);
  taken->SetFlags(taken->Flags() & ~static_cast<std::uint32_t>(kBlockOwnsRecord));
  if (type > kTypeCustom && !vlxUsesDefaultVavurOrezoInfo(handle)) taken->UpdateFromModel(false);
  return taken;
}

// ---- Goto blocks --------------------------------------------------------------------------

int WriteRecord(LayoutState& state, GotoBlock& gotoBlock) {
  VavurOrezo* owner = OwnerBlock(gotoBlock);
  if (owner == nullptr) return state.Report(kConnectionSaveFault, kSectionGotoBlocks);
  const std::string fault = owner->Name() + "\n" + kConnectionSaveFault;
  const OutputEntry* output = owner->FindOutput(gotoBlock.OutputName().c_str());
  if (output == nullptr) return state.Report(fault.c_str(), kSectionGotoBlocks);
  Columns c;
  c.Long("GotoBit", output->bitIndex).Long("Offset", gotoBlock.GetOffset()).Long("Owner", owner->GetID());
  if (!c.Write(kSectionGotoBlocks)) return state.Report(fault.c_str(), kSectionGotoBlocks);
  return 1;
}

int ReadGotoBlockRecord(LayoutState& state, const std::string& line) {
  Columns c(line);
  c.Long("GotoBit").Long("Offset").Long("Owner");
  if (!c.Parse(kSectionGotoBlocks)) return state.Report(kConnectionLoadFault, kSectionGotoBlocks);
  auto* owner = static_cast<VavurOrezo*>(state.ids.Find(c.LongAt(2), kClassVavurOrezo));
  if (owner == nullptr) return state.Report(kConnectionLoadFault, kSectionGotoBlocks);
  auto* gotoBlock = new GotoBlock();
  gotoBlock->SetOffset(c.LongAt(1));
  owner->AddGotoBlock(gotoBlock);
  // The last output of the bit names the goto block; none leaves it unnamed.
  if (const OutputEntry* output = OutputByBit(*owner, c.LongAt(0), true)) {
    gotoBlock->SetOutputName(output->name.c_str());
    gotoBlock->SetShown(owner->Shown().Test(output->bitIndex) ? 1 : 0);
  }
  return 1;
}

// ---- Goto lines ---------------------------------------------------------------------------

int WriteRecord(LayoutState& state, Goto& line) {
  VavurOrezo* owner = line.Block();
  if (owner == nullptr) return state.Report(kConnectionSaveFault, kSectionGotos);
  const std::string fault = owner->Name() + "\n" + kConnectionSaveFault;
  const OutputEntry* output = owner->FindOutput(line.OutputName().c_str());
  // A line that lost its output when it was loaded was never in the model: not written.
  if (output == nullptr && IsUnsavedObsoleteLine(line)) return 1;
  if (output == nullptr || line.EndBlock() == nullptr) return state.Report(fault.c_str(), kSectionGotos);
  Columns c;
  c.Long("ID", line.GetID())
      .Long("GotoBit", output->bitIndex)
      .Long("Color", line.Colour())
      .Long("Flags", static_cast<std::int32_t>(line.Flags()))
      .Long("StartPB", owner->GetID())
      .Long("EndPB", line.EndBlock()->GetID());
  if (!c.Write(kSectionGotos)) return state.Report(fault.c_str(), kSectionGotos);
  return 1;
}

int ReadGotoRecord(LayoutState& state, const std::string& text) {
  Columns c(text);
  c.Long("ID").Long("GotoBit").Long("Color").Long("Flags").Long("StartPB").Long("EndPB");
  if (!c.Parse(kSectionGotos)) return state.Report(kConnectionLoadFault, kSectionGotos);
  auto* owner = static_cast<VavurOrezo*>(state.ids.Find(c.LongAt(4), kClassVavurOrezo));
  auto* target = static_cast<VavurOrezo*>(state.ids.Find(c.LongAt(5), kClassVavurOrezo));
  if (owner == nullptr || target == nullptr) return state.Report(kConnectionLoadFault, kSectionGotos);
  AttachLoadedGoto(state, *owner, *target, c.LongAt(0), c.LongAt(1), c.LongAt(2), static_cast<std::uint32_t>(c.LongAt(3)));
  return 1;
}

Goto* AttachLoadedGoto(LayoutState& state, VavurOrezo& owner, VavurOrezo& target, std::int32_t id, std::int32_t bit,
                       std::int32_t colour, std::uint32_t flags) {
  auto* line = new Goto();
  line->SetID(id);
  line->SetColour(colour);
  line->SetFlags(flags);
  owner.AddGoto(line);
  line->SetEndBlock(&target);
  state.ids.Add(id, line);
  if (const OutputEntry* output = OutputByBit(owner, bit, false)) {
    line->SetOutputName(output->name.c_str());
    line->CreateInModel(output, 0);
  } else {
    // Kept on the page, but never in the model.
    line->SetOutputName(kObsoleteOutput);
    line->SetFlags(kGotoNoModel);
    if (state.log != nullptr) {
      *state.log << "ERROR: Unknown or obsolete goto encountered in VavurOrezo " << owner.Name() << "\n";
      _appErrorExists = 1;
    } else {
      ShowFileMessage(nullptr, FileTask::Load, "Unknown or obsolete goto encountered in VavurOrezo " + owner.Name() + ".",
                      kKvMbIconExclamation);
    }
  }
  if (owner.TypeCode() == kTypeObsoleted) vlxTurnObsoletePBPink(owner.Handle());
  return line;
}

// ---- Segments -----------------------------------------------------------------------------

int WriteRecord(LayoutState& state, Segment& segment) {
  Goto* line = segment.Line();
  Columns c;
  c.Long("From_X", segment.fromX)
      .Long("From_Y", segment.fromY)
      .Long("To_X", segment.toX)
      .Long("To_Y", segment.toY)
      .Long("GotoID", line != nullptr ? line->GetID() : 0);
  if (line == nullptr || !c.Write(kSectionSegments)) return state.Report(kConnectionSaveFault, kSectionSegments);
  return 1;
}

int ReadSegmentRecord(LayoutState& state, const std::string& line) {
  Columns c(line);
  c.Long("From_X").Long("From_Y").Long("To_X").Long("To_Y").Long("GotoID");
  if (!c.Parse(kSectionSegments)) return state.Report(kConnectionLoadFault, kSectionSegments);
  auto* owner = static_cast<Goto*>(state.ids.Find(c.LongAt(4), kClassGoto));
  if (owner == nullptr) return state.Report(kConnectionLoadFault, kSectionSegments);
  auto* segment = new Segment();
  segment->fromX = c.LongAt(0);
  segment->fromY = c.LongAt(1);
  segment->toX = c.LongAt(2);
  segment->toY = c.LongAt(3);
  owner->AppendSegment(segment);
  return 1;
}

// ---- Text notes ---------------------------------------------------------------------------

int WriteRecord(LayoutState& state, KvTextUI& note) {
  Page* page = OwnerPage(note);
  std::int32_t left = 0, right = 0, top = 0, bottom = 0;
  note.GetRect(left, right, top, bottom);
  const NoteFontSpec& font = note.FontSpec();
  Columns c;
  c.Long("Owner", page != nullptr ? page->GetID() : 0)
      .Long("Left", left)
      .Long("Right", right)
      .Long("Top", top)
      .Long("Bottom", bottom)
      .Text("FontName", 128, font.face)
      .Long("FontSize", font.height)
      .Long("FontWeight", font.weight)
      .Text("Text", 2048, note.Base().Text())
      .Long("FontItalic", font.italic);
  if (!c.Write(kSectionTextNotes)) return state.Report("Error Saving Text Note.\n Continue?", kSectionTextNotes);
  return 1;
}

int ReadTextNoteRecord(LayoutState& state, const std::string& line) {
  constexpr const char* kFault = "Error Loading Text Note.\n Continue?";
  Columns c(line);
  c.Long("Owner").Long("Left").Long("Right").Long("Top").Long("Bottom");
  c.Text("FontName").Long("FontSize").Long("FontWeight").Text("Text");
  // The italic column came with version 9.0.
  const bool hasItalic = state.version >= 900;
  if (hasItalic) c.Long("FontItalic");
  if (!c.Parse(kSectionTextNotes)) return state.Report(kFault, kSectionTextNotes);
  auto* page = static_cast<Page*>(state.ids.Find(c.LongAt(0), kClassPage));
  if (page == nullptr) return state.Report(kFault, kSectionTextNotes);
  auto* note = new KvTextUI();
  page->AddTextNote(note);
  note->SetRect(c.LongAt(1), c.LongAt(2), c.LongAt(3), c.LongAt(4));
  NoteFontSpec font;
  font.face = c.TextAt(5);
  font.height = c.LongAt(6);
  font.weight = c.LongAt(7);
  font.italic = static_cast<std::uint8_t>(hasItalic ? c.LongAt(9) & 0xFF : 0);
  note->SetFontSpec(std::move(font));
  state.program->Host().MakeNoteFont(*note);
  note->SetText(c.TextAt(8).c_str());
  return 1;
}

}  // namespace ed
