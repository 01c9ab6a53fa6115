// Program diagnostics: warns about blocks whose outputs lead straight back to themselves
// and, at the higher levels, about blocks that no other block of their page leads to. The
// analysis works on a read-only picture of the pages so that it needs no model or window.
#pragma once

#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"

namespace ed {
class Program;
class ModelPort;
}  // namespace ed

// Diagnostics levels of the Options menu (bits of the level word).
inline constexpr int kDiagNone = 1;
inline constexpr int kDiagLow = 2;
inline constexpr int kDiagMedium = 4;
inline constexpr int kDiagHigh = 8;

// The Menu block, which is meant to come back to itself.
inline constexpr int kMenuBlockType = 402;

struct LoopGoto {
    std::string output;
    bool applicable = false;  // the model counts the output as applicable
    bool hasEnd = false;
    std::string endName;      // the block the line leads to, when hasEnd
};

struct LoopBlock {
    std::string name;
    int type = 0;
    int exitCount = 0;
    std::vector<LoopGoto> gotos;
};

using LoopPage = std::vector<LoopBlock>;

struct DiagnosticsReport {
    std::string loopText;         // empty when no loop was found
    std::string unreachableText;  // empty when every block is reached
};

inline constexpr const char kLoopBoxCaption[] = "Flowsmith Program Diagnostics - Vavurorezo Loop Analysis";
inline constexpr const char kUnreachableBoxCaption[] = "Flowsmith Program Diagnostics";

DiagnosticsReport AnalyseLoops(const std::vector<LoopPage>& pages, int level);

// The boxes that show a report, the loops first, both owned by the active window; none for
// an empty text. The boxes point into the report.
std::vector<KvMessageBoxRequest> DiagnosticsBoxes(const DiagnosticsReport& report);

// The picture of a program's pages; the model says which outputs are applicable.
std::vector<LoopPage> DescribeProgram(const ed::Program& program, ed::ModelPort& model);

// Runs the analysis on a program at a level and shows its boxes (loops first) owned by
// the active window; 1 after the analysis, 0 without a program.
int CheckLoops(ed::Program* program, ed::ModelPort& model, int level);
