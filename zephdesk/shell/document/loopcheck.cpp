#include "shell/document/loopcheck.h"

#include <cstdio>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/typerecord.h"
#include "editor/canvas/vavurorezo.h"
#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"

namespace {

constexpr unsigned short kApplicableBit = 0x1000;

constexpr const char kLoopHead[] = "\nWARNING\tWARNING\tWARNING\tWARNING\tWARNING\n\n";
constexpr const char kMajorSummary[] =
    "%d Major Warnings  (A block has created infinite loop with its only output).\n";
constexpr const char kMinorSummary[] =
    "%d Minor Warnings  (A block may have created an infinite loop with one of its outputs).\n";
constexpr const char kLoopDescription[] =
    "Description:\nWhen building applications, each output of a block should proceed to a new block.\n"
    "Creating loops in an application can cause serious problems for the system and should be avoided.\n"
    "System problems may include system slow down, high CPU usage or ring-no-answer.\n\nDetails:\n";
constexpr const char kLoopTail[] = "\n\nTo disable program diagnostics, select Options->Program Diagnostics->None\n\n";
constexpr const char kUnreachableHead[] =
    "Description:  This analysis has determined that some blocks in your application\n"
    "are unreachable.  This could indicate that a connection to a block has been\n"
    "deleted or that an unused block is present in an application.\n\n"
    "The following blocks are unreachable in this application:\n\n";

std::string Format(const char* format, const std::string& a, const std::string& b = std::string())
{
    const int n = std::snprintf(nullptr, 0, format, a.c_str(), b.c_str());
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format, a.c_str(), b.c_str());
    return text;
}

std::string Count(const char* format, int count)
{
    char text[160];
    std::snprintf(text, sizeof text, format, count);
    return text;
}

struct LoopFindings {
    int majors = 0;
    int minors = 0;
    std::string majorText;
    std::string minorText;
};

void FindLoops(const LoopPage& page, LoopFindings& found)
{
    for (const LoopBlock& block : page) {
        if (block.type == kMenuBlockType)
            continue;
        int applicable = 0;
        for (const LoopGoto& line : block.gotos) {
            if (applicable >= 2)
                break;
            if (line.applicable)
                ++applicable;
        }
        for (const LoopGoto& line : block.gotos) {
            if (!line.applicable || !line.hasEnd || line.endName != block.name)
                continue;
            if (block.exitCount < 2 || applicable < 2) {
                ++found.majors;
                found.majorText += Format("MAJOR Warning: The block '%s' has created a loop with its only output\n",
                                          block.name);
            } else {
                ++found.minors;
                found.minorText += Format("MINOR Warning: The block '%s' has created a loop with output '%s'\n",
                                          block.name, line.output);
            }
        }
    }
}

bool IsEntryBlock(const std::string& name)
{
    return name == "Begin" || name == "Rotary" || name == "Continue";
}

bool IsReached(const LoopPage& page, const LoopBlock& block)
{
    for (const LoopBlock& other : page) {
        if (other.name == block.name)
            continue;
        for (const LoopGoto& line : other.gotos) {
            if (line.hasEnd && line.endName == block.name)
                return true;
        }
    }
    return false;
}

}  // namespace

DiagnosticsReport AnalyseLoops(const std::vector<LoopPage>& pages, int level)
{
    DiagnosticsReport report;
    if ((level & kDiagNone) != 0)
        return report;
    const bool findUnreachable = (level & (kDiagMedium | kDiagHigh)) != 0;
    LoopFindings found;
    std::string unreachable;
    for (const LoopPage& page : pages) {
        FindLoops(page, found);
        if (!findUnreachable)
            continue;
        for (const LoopBlock& block : page) {
            if (!IsEntryBlock(block.name) && !IsReached(page, block))
                unreachable += block.name + "\n";
        }
    }
    if (found.majors + found.minors > 0) {
        report.loopText = kLoopHead;
        report.loopText += "Summary:\n";
        if (found.majors > 0)
            report.loopText += Count(kMajorSummary, found.majors);
        if (found.minors > 0)
            report.loopText += Count(kMinorSummary, found.minors);
        report.loopText += "\n";
        report.loopText += kLoopDescription;
        report.loopText += found.majorText + found.minorText + kLoopTail;
    }
    if (!unreachable.empty())
        report.unreachableText = kUnreachableHead + unreachable;
    return report;
}

std::vector<LoopPage> DescribeProgram(const ed::Program& program, ed::ModelPort& model)
{
    std::vector<LoopPage> pages;
    for (const auto& page : program.Pages()) {
        LoopPage described;
        for (const auto& block : page->Blocks()) {
            LoopBlock b;
            b.name = block->Name();
            b.type = block->TypeCode();
            b.exitCount = block->Record() != nullptr ? static_cast<int>(block->Record()->outputs.size()) : 0;
            for (const auto& line : block->Gotos()) {
                LoopGoto g;
                g.output = line->OutputName();
                g.applicable = (model.IsOutputOptionalApplicable(b.type, block->Handle(), g.output.c_str()) &
                                kApplicableBit) != 0;
                g.hasEnd = line->EndBlock() != nullptr;
                if (g.hasEnd)
                    g.endName = line->EndBlock()->Name();
                b.gotos.push_back(std::move(g));
            }
            described.push_back(std::move(b));
        }
        pages.push_back(std::move(described));
    }
    return pages;
}

std::vector<KvMessageBoxRequest> DiagnosticsBoxes(const DiagnosticsReport& report)
{
    std::vector<KvMessageBoxRequest> boxes;
    if (!report.loopText.empty()) {
        KvMessageBoxRequest box;
        box.text = report.loopText.c_str();
        box.caption = kLoopBoxCaption;
        box.style = kKvMbOk | kKvMbIconExclamation;
        box.owner = KvBoxOwner::ActiveWindow;
        boxes.push_back(box);
    }
    if (!report.unreachableText.empty()) {
        KvMessageBoxRequest box;
        box.text = report.unreachableText.c_str();
        box.caption = kUnreachableBoxCaption;
        box.style = kKvMbOk;
        box.owner = KvBoxOwner::ActiveWindow;
        boxes.push_back(box);
    }
    return boxes;
}

int CheckLoops(ed::Program* program, ed::ModelPort& model, int level)
{
    KV_ASSERT(program != nullptr);
    if (program == nullptr)
        return 0;
    if ((level & kDiagNone) != 0)
        return 1;
    const DiagnosticsReport report = AnalyseLoops(DescribeProgram(*program, model), level);
    for (const KvMessageBoxRequest& box : DiagnosticsBoxes(report))
        KvMessageBox(box);
    return 1;
}
