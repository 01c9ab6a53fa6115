#pragma once
// The application file of one program: the file header and the comments, the model part
// (written and read by the model library), the program's record, the layout sections
// (pages, VavurOrezos, goto blocks, goto lines, segments, text notes) and the id counter.
// Interactive calls pass no log and see message boxes; the command-line build passes its
// log, which gets the messages instead.

#include <iosfwd>
#include <memory>
#include <string>

namespace ed {

class EditorHost;
class ImportsPort;
class ModelPort;
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

  // The layout sections between their tags, in file order; 1, or 0 to stop.
  static int WritePages(LayoutState& state);
  static int WriteVavurOrezos(LayoutState& state);
  static int WriteGotoBlocks(LayoutState& state);
  static int WriteGotos(LayoutState& state);
  static int WriteSegments(LayoutState& state);
  static int WriteTextNotes(LayoutState& state);
};

}  // namespace ed
