#pragma once
// The keyed records of the layout part of the application file: one line per page,
// VavurOrezo, goto block, goto line, segment and text note, each in the section of its
// class. Writers answer 1 to go on and 0 to stop (a fault was reported and the answer was
// to stop). Readers take one record line (never the section's end tag) and answer 1 to go
// on (the record was taken, or a fault was reported and the answer was to go on: the
// object is then dropped) or 0 to stop. References between records are object ids,
// resolved through the load's id index; an owner's section is always read first.

#include <cstdint>
#include <memory>
#include <string>

namespace ed {

class Goto;
class GotoBlock;
class KvTextUI;
class Page;
class Segment;
class VavurOrezo;
struct LayoutState;

// Section kinds: they choose the tags and the code of each report.
enum LayoutSection : int {
  kSectionSegments = 0,
  kSectionGotos = 1,
  kSectionGotoBlocks = 2,
  kSectionBlocks = 3,
  kSectionPages = 4,
  kSectionProgram = 5,
  kSectionTextNotes = 22,
};

// The name a VavurOrezo has in the model: bare on the main page, "Page$Block" elsewhere.
std::string ModelBlockName(const Page& page, const std::string& blockName);

int WriteRecord(LayoutState& state, Page& page);
int WriteRecord(LayoutState& state, VavurOrezo& block);
int WriteRecord(LayoutState& state, GotoBlock& gotoBlock);
int WriteRecord(LayoutState& state, Goto& line);
int WriteRecord(LayoutState& state, Segment& segment);
int WriteRecord(LayoutState& state, KvTextUI& note);

int ReadPageRecord(LayoutState& state, const std::string& line);
int ReadBlockRecord(LayoutState& state, const std::string& line);
int ReadGotoBlockRecord(LayoutState& state, const std::string& line);
int ReadGotoRecord(LayoutState& state, const std::string& line);
int ReadSegmentRecord(LayoutState& state, const std::string& line);
int ReadTextNoteRecord(LayoutState& state, const std::string& line);

}  // namespace ed

namespace ed {

struct OutputEntry;

// The first (or, with last, the final) output of the block whose bit index is bit.
const OutputEntry* OutputByBit(const VavurOrezo& block, std::int32_t bit, bool last);
// Types whose records carry a custom type name.
bool HasCustomTypeName(int code);

// A block read from the file joins the page: its model block is found by name (none:
// the block is deleted and null comes back), its icon and record are set from the type
// (custom and imported types from the model), the id is registered and the flags a load
// clears are cleared.
VavurOrezo* AttachLoadedBlock(LayoutState& state, std::unique_ptr<VavurOrezo> block, Page& page, int type,
                              const std::string& customTypeName, std::int32_t id);
// A line read from the file joins its owner: the output is the first of the bit (none: the
// line is kept as "Obsolete", never in the model, after the warning).
Goto* AttachLoadedGoto(LayoutState& state, VavurOrezo& owner, VavurOrezo& target, std::int32_t id, std::int32_t bit,
                       std::int32_t colour, std::uint32_t flags);

// A line whose output was gone when it was loaded ("Obsolete"): it was never in the model
// and is not saved.
bool IsUnsavedObsoleteLine(const Goto& line);
}  // namespace ed
