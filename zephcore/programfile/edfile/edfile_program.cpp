// The frame of the model part: the order of its sections on writing, and on reading the
// dispatch on the tags met, so that files with and without the later sections read.
#include <string>

#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"
#include "model/loadsave_mode.h"
#include "model/program/program.h"
#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_blocks.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_extras.h"
#include "programfile/edfile/edfile_header.h"
#include "programfile/edfile/edfile_raw.h"
#include "programfile/edfile/edfile_repair.h"
#include "programfile/edfile/edfile_sections.h"
#include "programfile/edfile/edfile_slots.h"
#include "programfile/edfile/edfile_structs.h"
#include "programfile/edfile/edfile_symbols.h"

namespace zeph {
namespace {

EditorCopyBack g_copyBack = nullptr;

// Makes the program current for the call (field tables of SuperBlock calls are the
// current program's pages), and the previous one current again after.
class CurrentForCall {
 public:
  explicit CurrentForCall(TProgram& program) : previous_(TProgram::Current()) {
    if (previous_ != &program) program.Activate();
  }
  ~CurrentForCall() {
    if (TProgram::Current() == previous_) return;
    if (previous_ != nullptr && TProgram::IsLive(previous_)) previous_->Activate();
    else TProgram::Deactivate();
  }
  CurrentForCall(const CurrentForCall&) = delete;
  CurrentForCall& operator=(const CurrentForCall&) = delete;

 private:
  TProgram* previous_;
};

int WriteSections(TProgram& program) {
  if (const int rc = WriteFileHeader(); rc != 0) return rc;
  if (const int rc = WriteStructures(program.Symbols()); rc != 0) return rc;
  if (const int rc = WriteSymbols(program.Symbols()); rc != 0) return rc;
  if (const int rc = WriteCustomVavurOrezos(program); rc != 0) return rc;
  if (const int rc = WriteDllText(program); rc != 0) return rc;
  if (const int rc = WriteDiskDefaults(program); rc != 0) return rc;
  return WriteVavurOrezos(program);
}

int ReadSections(EdContext& ctx, bool& hadCustoms) {
  const int header = ReadFileHeader(ctx);
  ctx.program.FileVersion = ctx.fileVersion;
  if (header != 0) return header;
  for (int i = 0; i < kDefaultFolderCount; ++i) ctx.program.SetDefaultFolder(i, TProgram::StandardDefaultFolder(i));
  std::string line;
  for (;;) {
    // The file ends after the VavurOrezos; a stream that ends before is a cut file.
    if (!ctx.in->Next(line)) return -158;
    int rc = 0;
    if (line == GetSectionTag(kSecStructures, false)) {
      rc = ReadStructures(ctx);
    } else if (line == GetSectionTag(kSecSymbols, false)) {
      rc = ReadSymbols(ctx);
      if (rc == 0) rc = ResolvePendingReferences(ctx);
    } else if (line == GetSectionTag(kSecCustoms, false)) {
      hadCustoms = true;
      rc = ReadCustomVavurOrezos(ctx);
    } else if (line == GetSectionTag(kSecDlls, false)) {
      rc = ReadDllText(ctx);
    } else if (line == GetSectionTag(kSecDiskDefaults, false)) {
      rc = ReadDiskDefaults(ctx);
    } else if (line == GetSectionTag(kSecBlocks, false)) {
      return ReadVavurOrezos(ctx);
    }
    // Any other line between the sections is passed over.
    if (rc != 0) return rc;
  }
}

}  // namespace

void SetEditorCopyBack(EditorCopyBack copyBack) { g_copyBack = copyBack; }

int DiskWriteProgram(TProgram& program, std::iostream* stream, short mode) {
  LoadSaveRun run(mode);
  if (stream == nullptr) return -156;
  CurrentForCall current(program);
  TProgram::DisableSymbolPageCheck allPages(program);
  SetTextStream(stream);
  if (g_copyBack != nullptr) g_copyBack(program);
  return WriteSections(program);
}

int DiskReadProgram(TProgram& program, std::FILE* file, std::iostream* stream, short mode) {
  LoadSaveRun run(mode);
  if (file == nullptr) return -158;
  CurrentForCall current(program);
  TProgram::DisableSymbolPageCheck allPages(program);
  EdContext ctx(program, program.Symbols());
  if (stream == nullptr) return ReadRawProgram(ctx, file);
  SetTextStream(stream);
  EdLineSource source(*stream);
  ctx.in = &source;
  bool hadCustoms = false;
  int rc = ReadSections(ctx, hadCustoms);
  // References still noted point into what was read; they are resolved or dropped now.
  if (rc != 0) ctx.pendingRefs.clear();
  if (rc == 0) rc = CompleteAfterRead(program, hadCustoms);
  SetTextStream(stream);
  return rc;
}

}  // namespace zeph
