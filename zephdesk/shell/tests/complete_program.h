// Program files for tests: a complete program (a new program without its Attendant block,
// whose other blocks lead to its End block, so that every VavurOrezo is finished) and a
// broken copy of the sample, whose goodbye no longer leads to the End block.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/programfile.h"
#include "editor/samples/sampleprograms.h"
#include "editor/support/headlesshost.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"

// The model's palette, made the host's as the designer does; null when the model has none.
inline std::unique_ptr<ed::PaletteIconList> LoadPalette(ed::HeadlessHost& host)
{
    zeph::EnsureLibraryStarted();
    std::unique_ptr<ed::PaletteIconList> palette;
    zeph::IconInfoTable table;
    if (vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0) == 0)
        palette = std::make_unique<ed::PaletteIconList>(table, &host);
    for (auto*& group : table.Groups) {
        delete group;
        group = nullptr;
    }
    host.SetPalette(palette.get());
    return palette;
}

// Every block of the page but its End block leads to the End block on each output.
inline void LeadEveryBlockToEnd(ed::Page& main)
{
    ed::VavurOrezo* end = main.FindVavurOrezo("End");
    for (const auto& block : main.Blocks()) {
        if (block.get() == end)
            continue;
        for (const auto& output : block->Record()->outputs)
            block->CreateGoto(end, output.name.c_str(), 0);
        vlxUpdatePBInfo(block->Handle());
    }
}

// Writes a program file with write, loads it, lets edit change the program and saves it
// again; host answers the editor while it is made. finished: whether the edited program
// has no unfinished block.
inline void WriteEditedProgram(const std::string& path, ed::EditorHost& host,
                               int (*write)(const std::string&, std::ostream&),
                               const std::function<void(ed::Program&)>& edit, bool finished)
{
    std::ostringstream made;
    ASSERT_EQ(write(path, made), 1) << made.str();
    ed::VlxModel model;
    ed::VlxImports imports;
    std::unique_ptr<ed::Program> program = ed::ProgramFile::Load(path, &made, host, model, &imports);
    ASSERT_NE(program, nullptr) << made.str();
    edit(*program);
    EXPECT_EQ(program->SearchPages(0), finished ? 1 : 0) << "unfinished blocks";
    EXPECT_EQ(ed::ProgramFile::Save(path, *program, &made, ""), 1) << made.str();
}

inline void WriteCompleteProgram(const std::string& path, ed::EditorHost& host)
{
    WriteEditedProgram(path, host, &ed::WriteNewProgramFile, [](ed::Program& program) {
        ed::Page* main = program.GetMainPage();
        main->RemoveVavurOrezo(main->FindVavurOrezo("Attendant"));
        LeadEveryBlockToEnd(*main);
    }, true);
}

// The sample without the line from its Goodbye block to End: the block is unfinished, so
// the build asks before it starts, and the script of an unconditional build does not compile.
inline void WriteBrokenSample(const std::string& path, ed::EditorHost& host)
{
    WriteEditedProgram(path, host, &ed::WriteSampleProgramFile, [](ed::Program& program) {
        ed::VavurOrezo* goodbye = program.GetMainPage()->FindVavurOrezo("Goodbye");
        ASSERT_NE(goodbye, nullptr);
        ASSERT_NE(goodbye->FindGoto("Completed"), nullptr);
        goodbye->DeleteGoto(goodbye->FindGoto("Completed"));
        vlxUpdatePBInfo(goodbye->Handle());
    }, false);
}
