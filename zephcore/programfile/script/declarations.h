#pragma once
// The declaration sections of the script: structure definitions, global data in segments,
// variables with their initial values, scratch records, page prototypes and fax documents.
// Each appends its text to `out`.

#include <string>

#include "model/symbol.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {

inline constexpr int kSegmentLimit = 59999;   // bytes of global data one segment holds

// "name  {" with one line per member and "}" for every user structure.
void CodeStructureDefinitions(const ScriptContext& context, std::string& out);

// Segment base name: "L" + file name + seconds since 1970.
std::string SegmentBaseName(const std::string& fileName, long long seconds);
// Counts a global symbol into the current segment, opening a new segment (a header) when
// it does not fit. segmentSize is the running size of the segment being filled.
void CodeGlobalSegment(const Symbol& symbol, const std::string& baseName, std::int32_t& segmentSize,
                       SymbolTable& program, std::string& out);

// The declaration of one symbol (nothing when it is skipped).
void CodeDeclareVariable(const Symbol& symbol, SymbolTable& program, std::string& out);
// Every global variable of the built-in trees and of the structures' trees, in segments.
void CodeGlobalDeclarations(const ScriptContext& context, const std::string& baseName, std::string& out);

// The scratch records that the blocks' code fills.
void CodeScratchDeclarations(const ScriptContext& context, std::string& out);
// The prototypes of a page tree; returns the lines written.
int CodePagePrototypes(Symbol* pageTree, int isLibrary, std::string& out);
// The fax documents: each gets its empty ".ftl" file beside the script.
void CodeFaxDocuments(const ScriptContext& context, std::string& out);

}  // namespace zeph
