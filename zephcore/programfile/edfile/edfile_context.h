#pragma once
// Shared state of one read or write of the model part: the program, the load/save error
// mode, the version and format levels of the file, and the line source with its one-line
// look-ahead.

#include <cstdint>
#include <istream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/formatlevels.h"

namespace scribe {
struct PBFieldDef;
}

namespace zeph {

class TProgram;
class SymbolTable;
struct Symbol;
struct SymP;

// Lines of the designer's stream without their line ends (CR LF or LF), with one line of
// look-ahead. End of stream is reported, never waited on. Lines are split from blocks taken
// out of the stream's buffer; the bytes taken and not given out as lines go back to the
// stream when the source ends, so the stream stands right after the last line read (or
// looked at) and the designer's own sections that follow stay readable.
class EdLineSource {
 public:
  explicit EdLineSource(std::istream& in) : in_(in) {}
  ~EdLineSource();
  EdLineSource(const EdLineSource&) = delete;
  EdLineSource& operator=(const EdLineSource&) = delete;
  // The next line; false at the end of the stream.
  bool Next(std::string& line);
  // The next line without taking it; null at the end of the stream.
  const std::string* Peek();
  // The next line when it opens as a record line of the kind: 1 taken; 0 the next line is
  // of another kind (a section's end, the next record) and stays; -1 the stream ended.
  // The line's content is set only when 1 is returned.
  int NextOfKind(int recordKind, std::string& line);
  // Passes over the lines of a record that is not taken: up to the next line that opens
  // a record of the section kind, or the end tag.
  void SkipToRecord(int recordKind, const std::string& endTag);

 private:
  bool Fetch(std::string& line);
  bool FetchAcrossBlocks(std::string& line);
  bool Refill();
  std::istream& in_;
  std::string block_;       // bytes taken from the stream's buffer
  std::size_t at_ = 0;      // the first of them not yet given out as a line
  std::string pending_;
  bool hasPending_ = false;
};

// A reference text read before every symbol it may name was filed; it is resolved by name
// once the symbols are complete.
struct EdPendingReference {
  SymP* Slot = nullptr;
  std::string Text;
  std::int16_t TypeCode = 0;
  std::int16_t* Flag = nullptr;  // cleared when the text names nothing
  char* Path = nullptr;          // a folder path: "'Bad_Symbol" when the text names nothing
};

struct EdContext {
  EdContext(TProgram& p, SymbolTable& t) : program(p), table(t) {}
  TProgram& program;
  SymbolTable& table;
  EdLineSource* in = nullptr;
  double fileVersion = 8.03;     // the layout version of the file being read
  FileFormatLevels levels;
  int parmLevel = 15;            // format level of the typed value records
  bool newSections = false;      // the file carries values, structures and tables
  std::vector<EdPendingReference> pendingRefs;
  // Old names of symbols renamed while reading, by their new names' old ones.
  std::vector<std::pair<std::string, std::string>> renames;
  // Entries of each description table met, counted once for the whole read: the tables
  // are the catalogue's and stay as they are while it runs.
  std::unordered_map<const scribe::PBFieldDef*, int> fieldCounts;
};

// One load/save report with the mode of the run under way: 0 to go on, 9754 to stop.
int EdPrompt(const std::string& text, int section);

// Runs fn with the line as the current text stream's only content, so that the record
// readers of the foundation parse it; the previous current stream comes back after.
class EdLineParser {
 public:
  template <class F>
  auto Parse(const std::string& line, F&& fn) {
    Begin(line);
    auto result = fn();
    End();
    return result;
  }

 private:
  void Begin(const std::string& line);
  void End();
  std::stringstream one_;
  std::iostream* previous_ = nullptr;
};

EdLineParser& TheLineParser();

}  // namespace zeph
