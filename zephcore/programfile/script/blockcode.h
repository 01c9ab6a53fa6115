#pragma once
// The code of one VavurOrezo: its label, name and trace lines, its statement, the event
// test and the exit lines that turn its completion code into gotos.

#include <string>

#include "model/pbentry_instance.h"
#include "programfile/script/emitters.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {

// One pass (0 or 1) of a block's statements appended to `out`. 0 when the pass wrote its
// text, non-zero when it has nothing (more) to write.
int EmitVavurOrezoCode(const PBInstance& block, const ScriptPage& page, const ScriptContext& context, int pass,
                       std::string& out);

// The block's whole code.
void CodeWriteBlock(const PBInstance& block, const ScriptPage& page, const ScriptContext& context, std::string& out);

// The exit line of a completion code (empty when the line is left out).
std::string CompletionExitLine(int code, const std::string& target, float targetVersion);

}  // namespace zeph
