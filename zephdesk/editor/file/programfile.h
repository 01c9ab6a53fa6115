#pragma once
// The application file of one program: the file header and the comments, the model part
// (written and read by the model library), the program's record, the layout sections
// (pages, VavurOrezos, goto blocks, goto lines, segments, text notes) and the id counter.
// Interactive calls pass no log and see message boxes; the command-line build passes its
// log, which gets the messages instead.

#include <iosfwd>
#include <memory>
#include <string>

#include "model/interface/vlx.h"

class FileBuffer;

namespace ed {

class EditorHost;
class ImportsPort;
class ModelPort;
class Page;
class Program;
struct LayoutState;

class ProgramFile {
 public:
  // The header declined and the save stopped.
  static constexpr int kSaveDeclined = 9754;

  // 1 written; 0 failed (after a message); kSaveDeclined. The file is replaced only after
  // a complete write; the previous one is kept as .BAK. serverVersion chooses the layout
  // version written.
  static int Save(const std::string& path, Program& program, std::ostream* log, const std::string& serverVersion);

  // The program of the file, or null after a message.
  static std::unique_ptr<Program> Load(const std::string& path, std::ostream* log, EditorHost& host, ModelPort& model,
                                       ImportsPort* imports);

  // A file that is only a model part: the model is read from the start and its blocks
  // are laid out on a "Main" page in the columns and rows the model gives. 1, or 0 when
  // the model part could not be read.
  static int LoadModelOnly(FileBuffer& file, LayoutState& state);
  // One canvas VavurOrezo on the page for the model's block of the summary, at
  // (256 column + 50, 112 row + 50); 1, or 0 after a message.
  static int PlaceModelBlock(LayoutState& state, const zeph::VlxVavurOrezoSummary& summary, Page& page);

  // The layout sections between their tags, in file order; 1, or 0 to stop.
  static int WritePages(LayoutState& state);
  static int WriteVavurOrezos(LayoutState& state);
  static int WriteGotoBlocks(LayoutState& state);
  static int WriteGotos(LayoutState& state);
  static int WriteSegments(LayoutState& state);
  static int WriteTextNotes(LayoutState& state);
};

}  // namespace ed
