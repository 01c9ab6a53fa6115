#include "editor/file/programfile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <ostream>

#include "bank/filebuffer.h"
#include "editor/canvas/gotoline.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/binaryrecords.h"
#include "editor/file/filemessages.h"
#include "editor/file/layoutheader.h"
#include "editor/file/layoutrecords.h"
#include "editor/file/layoutversion.h"
#include "editor/file/loadstate.h"
#include "editor/file/programrecord.h"
#include "editor/file/safesave.h"
#include "editor/notes/textnote.h"
#include "editor/support/editorhost.h"
#include "foundation/kvlserr.h"
#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"
#include "foundation/kvwintypes.h"
#include "model/interface/fstreams.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"

namespace ed {
namespace {

constexpr int kHeaderSection = 10;
constexpr const char* kKeyedStart = "{FileHeader}";
constexpr const char* kReadError = "Error reading file or unexpected end of file";

// Busy state on for the life of the object.
class Busy {
 public:
  Busy() { SetBusyState(3, 0, nullptr); }
  ~Busy() { SetBusyState(2, 0, nullptr); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;
};

// Makes a stream the shared text stream and restores the previous one after.
class CurrentTextStream {
 public:
  explicit CurrentTextStream(std::iostream* stream) : previous_(GetTextStream()) { SetTextStream(stream); }
  ~CurrentTextStream() { SetTextStream(previous_); }
  CurrentTextStream(const CurrentTextStream&) = delete;
  CurrentTextStream& operator=(const CurrentTextStream&) = delete;

 private:
  std::iostream* previous_;
};

template <class Visit>
int ForEachBlock(LayoutState& state, Visit visit) {
  for (const auto& page : state.program->Pages()) {
    for (const auto& block : page->Blocks()) {
      if (!visit(*block)) return 0;
    }
  }
  return 1;
}

int WriteSection(int section, LayoutState& state, int (*body)(LayoutState&)) {
  if (!WriteSectionTag(section, false)) return 0;
  if (!body(state)) return 0;
  return WriteSectionTag(section, true) ? 1 : 0;
}

using RecordReader = int (*)(LayoutState&, const std::string&);

// The begin tag, records up to the end tag; 0 for a wrong begin tag, the end of the
// stream before the end tag, or a reader that stops.
int ReadSection(int section, LayoutState& state, RecordReader reader) {
  std::string line;
  if (!ReadTextLine(line) || line != GetSectionTag(section, false)) return 0;
  const std::string end = GetSectionTag(section, true);
  for (;;) {
    if (!ReadTextLine(line)) return 0;
    if (line == end) return 1;
    if (!reader(state, line)) return 0;
  }
}

// The id counter line: a decimal number and nothing else.
bool ParseCounter(const std::string& line, std::int32_t& value) {
  if (line.empty() || line.size() > 11) return false;
  char* end = nullptr;
  const long long parsed = std::strtoll(line.c_str(), &end, 10);
  if (end == line.c_str() || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

// The layout and model sections after the comments, read into the program.
bool ReadKeyedBody(LayoutState& state, std::FILE* file, fstreams& stream) {
  Program& program = *state.program;
  CommentList comments;
  if (!ReadCommentSection(comments)) return false;
  program.Activate();
  if (vlxReadProgram(file, &stream, state.errorMode, nullptr) != 0) return false;
  program.Activate();
  program.Refresh();
  program.BuildImportGroups();
  std::string line;
  if (!ReadTextLine(line) || line != GetSectionTag(kSectionProgram, false)) return false;
  if (ReadProgramRecord(program, state.errorMode) != 1) return false;
  if (!ReadTextLine(line) || line != GetSectionTag(kSectionProgram, true)) return false;
  if (!ReadSection(kSectionPages, state, &ReadPageRecord)) return false;
  if (!ReadSection(kSectionBlocks, state, &ReadBlockRecord)) return false;
  if (!ReadSection(kSectionGotoBlocks, state, &ReadGotoBlockRecord)) return false;
  if (!ReadSection(kSectionGotos, state, &ReadGotoRecord)) return false;
  if (!ReadSection(kSectionSegments, state, &ReadSegmentRecord)) return false;
  if (state.version >= 600 && !ReadSection(kSectionTextNotes, state, &ReadTextNoteRecord)) return false;
  std::int32_t counter = 0;
  if (!ReadTextLine(line) || !ParseCounter(line, counter)) return false;
  // Never below an id already handed out.
  program.SetIdCounter(std::max(counter, state.ids.HighestID()));
  ApplyComments(program, comments);
  return true;
}

// The binary form after its header: the model part from the current position, then the
// layout records.
bool ReadBinaryBody(LayoutState& state, FileBuffer& file, bool& reported) {
  Program& program = *state.program;
  program.Activate();
  if (vlxReadProgram(file.File(), nullptr, state.errorMode, nullptr) != 0) return false;
  program.Activate();
  program.Refresh();
  program.BuildImportGroups();
  return ReadBinaryLayout(state, file, reported) != 0;
}

// Blocks whose outputs changed since the file was written get their goto blocks and
// lines rebuilt.
void FinalPass(LayoutState& state) {
  for (const auto& page : state.program->Pages()) {
    for (const auto& block : page->Blocks()) {
      if (!block->OutputsDiffer()) continue;
      const int type = block->TypeCode();
      if (state.version < 900 && (type == 178 || type == 11 || type == 229 || type == 309)) block->ResetOutputFlags();
      block->CreateGotoBlocks();
      block->ConnectGotos(0, 0, 1);
    }
  }
}

}  // namespace

int ProgramFile::WritePages(LayoutState& state) {
  for (const auto& page : state.program->Pages()) {
    if (!WriteRecord(state, *page)) return 0;
  }
  return 1;
}

int ProgramFile::WriteVavurOrezos(LayoutState& state) {
  return ForEachBlock(state, [&](VavurOrezo& block) { return WriteRecord(state, block); });
}

int ProgramFile::WriteGotoBlocks(LayoutState& state) {
  return ForEachBlock(state, [&](VavurOrezo& block) {
    for (const auto& gotoBlock : block.GotoBlocks()) {
      if (!WriteRecord(state, *gotoBlock)) return 0;
    }
    return 1;
  });
}

int ProgramFile::WriteGotos(LayoutState& state) {
  return ForEachBlock(state, [&](VavurOrezo& block) {
    for (const auto& line : block.Gotos()) {
      if (!WriteRecord(state, *line)) return 0;
    }
    return 1;
  });
}

int ProgramFile::WriteSegments(LayoutState& state) {
  return ForEachBlock(state, [&](VavurOrezo& block) {
    for (const auto& line : block.Gotos()) {
      // The segments of a line that is not saved would name no line.
      if (IsUnsavedObsoleteLine(*line)) continue;
      for (const auto& segment : line->GetSegments()) {
        if (!WriteRecord(state, *segment)) return 0;
      }
    }
    return 1;
  });
}

int ProgramFile::WriteTextNotes(LayoutState& state) {
  for (const auto& page : state.program->Pages()) {
    for (const auto& note : page->Notes()) {
      if (!WriteRecord(state, *note)) return 0;
    }
  }
  return 1;
}

int ProgramFile::Save(const std::string& path, Program& program, std::ostream* log, const std::string& serverVersion) {
  Busy busy;
  LayoutState state;
  state.program = &program;
  state.log = log;
  state.errorMode = log != nullptr ? kKvLoadSaveLogAndStop : kKvLoadSaveAsk;
  bool openFailed = false;
  bool declined = false;
  const SaveOutcome outcome = SaveReplacing(path, [&](const std::string& temp) {
    FileBuffer file(temp.c_str(), "w+b");
    if (file.File() == nullptr) {
      openFailed = true;
      return false;
    }
    fstreams stream(temp, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!stream.is_open()) {
      openFailed = true;
      return false;
    }
    CurrentTextStream current(&stream);
    if (!WriteLayoutHeader(LayoutVersionText(serverVersion))) {
      declined = ReportLoadSaveError(state.errorMode, "Invalid file header found.\n Continue Saving?", kHeaderSection) == 0;
      return false;
    }
    if (!WriteCommentSection(CollectComments(program))) return false;
    program.Activate();
    if (vlxWriteProgram(file.File(), &stream, state.errorMode) != 0) return false;
    SetTextStream(&stream);
    program.Activate();
    if (!WriteSectionTag(kSectionProgram, false) || !WriteProgramRecord(program, state.errorMode) ||
        !WriteSectionTag(kSectionProgram, true)) {
      return false;
    }
    if (!WriteSection(kSectionPages, state, &WritePages) || !WriteSection(kSectionBlocks, state, &WriteVavurOrezos) ||
        !WriteSection(kSectionGotoBlocks, state, &WriteGotoBlocks) || !WriteSection(kSectionGotos, state, &WriteGotos) ||
        !WriteSection(kSectionSegments, state, &WriteSegments) || !WriteSection(kSectionTextNotes, state, &WriteTextNotes)) {
      return false;
    }
    if (!WriteTextLine(std::to_string(program.IdCounter()))) return false;
    stream.flush();
    const bool written = stream.good();
    stream.close();
    return written && !stream.fail() && file.Close() != 0;
  });
  if (outcome.backupProtected) {
    ShowFileMessage(log, FileTask::Save,
                    "A backup copy of the current program cannot be made because the existing backup is write protected.",
                    kKvMbIconExclamation);
  }
  if (outcome.saved) {
    program.ClearModified();
    return 1;
  }
  if (declined) return kSaveDeclined;
  if (openFailed) {
    ShowFileMessage(log, FileTask::Save, log != nullptr ? "Error opening " + path : "Error opening selected file.",
                    kKvMbIconExclamation);
  } else {
    ShowFileMessage(log, FileTask::Save, "Error writing to file.  Program save is not complete.", kKvMbIconHand);
  }
  return 0;
}

std::unique_ptr<Program> ProgramFile::Load(const std::string& path, std::ostream* log, EditorHost& host, ModelPort& model,
                                           ImportsPort* imports) {
  FileBuffer file(path.c_str(), "rb");
  if (file.File() == nullptr) {
    ShowFileMessage(log, FileTask::Load, "Error opening selected file.", kKvMbIconExclamation);
    return nullptr;
  }
  LayoutState state;
  state.log = log;
  state.errorMode = log != nullptr ? kKvLoadSaveLogAndStop : kKvLoadSaveAsk;
  if (!state.icons.Build(host.Palette(), vlxMaxVavurOrezoType())) {
    ShowFileMessage(log, FileTask::Load, "Out of memory error. [PBIconType]", kKvMbIconHand);
    return nullptr;
  }
  auto program = std::make_unique<Program>(host, model, imports, path.c_str(), 0);
  state.program = program.get();
  Busy busy;
  char start[12] = {};
  const bool keyed = std::fread(start, 1, sizeof start, file.File()) == sizeof start &&
                     std::memcmp(start, kKeyedStart, sizeof start) == 0;
  std::rewind(file.File());
  bool quiet = false;
  bool loaded = false;
  if (keyed) {
    fstreams stream(path, std::ios::in | std::ios::binary);
    CurrentTextStream current(&stream);
    std::string versionText;
    if (!stream.is_open()) {
      ShowFileMessage(log, FileTask::Load, "Error opening selected file.", kKvMbIconExclamation);
      return nullptr;
    }
    if (!ReadLayoutHeader(versionText)) {
      quiet = ReportLoadSaveError(state.errorMode, "Invalid file header found.\n Continue Loading?", kHeaderSection) == 0;
    } else if (ReadLayoutVersion(versionText, state.version)) {
      loaded = ReadKeyedBody(state, file.File(), stream);
    }
  } else {
    unsigned char header[kBinaryHeaderSize] = {};
    if (file.read(header, sizeof header)) {
      const char* banner = reinterpret_cast<const char*>(header);
      if (strnlen(banner, kBinaryBannerSize) == kBinaryBannerSize || std::strcmp(banner, kBinaryBanner) != 0) {
        // No layout: the model's blocks are laid out anew, and the load ends here.
        if (LoadModelOnly(file, state)) {
          program->ClearModified();
          return program;
        }
      } else {
        const std::string versionText(reinterpret_cast<const char*>(header + kBinaryBannerSize),
                                      strnlen(reinterpret_cast<const char*>(header + kBinaryBannerSize),
                                              kBinaryHeaderSize - kBinaryBannerSize));
        if (ReadLayoutVersion(versionText, state.version)) loaded = ReadBinaryBody(state, file, quiet);
      }
    } else if (LoadModelOnly(file, state)) {
      // Shorter than the header: only a model part can be in it.
      program->ClearModified();
      return program;
    }
  }
  if (!loaded) {
    if (!quiet) ShowFileMessage(log, FileTask::Load, kReadError, kKvMbIconHand);
    return nullptr;
  }
  FinalPass(state);
  program->ClearModified();
  return program;
}

int ProgramFile::LoadModelOnly(FileBuffer& file, LayoutState& state) {
  Program& program = *state.program;
  if (!file.seek(0)) return 0;
  program.Activate();
  if (vlxReadProgram(file.File(), nullptr, kKvLoadSaveAsk, dynamic_cast<std::ofstream*>(state.log)) != 0) return 0;
  program.Activate();
  program.Refresh();
  auto main = std::make_unique<Page>();
  main->SetName("Main");
  main->SetPageType(kPageMain);
  main->SetHandle(vlxFindPage("Main"));
  // A model without its main page has nothing to lay the blocks out on.
  if (main->Handle() == nullptr) return 0;
  Page& page = *main;
  program.AddPage(main.release());
  program.Activate();
  while (const zeph::VlxVavurOrezoSummary* summary = vlxGetVavurOrezoInfo(program.Handle())) {
    if (!PlaceModelBlock(state, *summary, page)) return 0;
  }
  for (const auto& block : page.Blocks()) {
    if (!vlxUsesDefaultVavurOrezoInfo(block->Handle())) block->UpdateFromModel(true);
    // Nothing in the file gave the block its goto blocks: they follow its outputs.
    if (block->OutputsDiffer()) block->CreateGotoBlocks();
    block->ConnectGotos(0, 1, 0);
  }
  return 1;
}

int ProgramFile::PlaceModelBlock(LayoutState& state, const zeph::VlxVavurOrezoSummary& summary, Page& page) {
  Program& program = *state.program;
  zeph::PBInstance* handle = summary.Instance;
  if (handle == nullptr) return 1;
  int type = summary.Type;
  std::shared_ptr<VavurOrezoIcon> icon;
  const std::string library = summary.Companion != nullptr ? summary.Companion : "";
  if (type == kTypeCustom) {
    for (const auto& group : program.ImportGroups()) {
      if ((icon = group->FindIconByTypeName(library))) break;
    }
  }
  if (!icon) icon = state.icons.Find(type);
  std::unique_ptr<VavurOrezo> block;
  try {
    block = std::make_unique<VavurOrezo>();
  } catch (const std::bad_alloc&) {
    ShowFileMessage(nullptr, FileTask::Load, "Out of memory error. [VavurOrezo]", kKvMbIconHand);
    return 0;
  }
  block->SetName(handle->Name.c_str());
  block->SetHandle(handle);
  block->SetTypeCode(type);
  block->SetIcon(icon);
  block->SetRecord(icon->Record());
  if (HasCustomTypeName(type)) block->SetCustomTypeName(library.c_str());
  block->SetPosition(256 * summary.X + 50, 112 * summary.Y + 50);
  VavurOrezo* placed = block.release();
  page.AddVavurOrezo(placed);
  if (type <= kTypeCustom) placed->UpdateFromModel(false);
  if (type == kTypeObsoleted) vlxTurnObsoletePBPink(handle);
  return 1;
}

}  // namespace ed
