// A complete program file for tests: a new program without its Attendant block, whose
// other blocks lead to its End block, so that every VavurOrezo is finished.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/programfile.h"
#include "editor/samples/sampleprograms.h"
#include "model/interface/vlx.h"

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

// Writes the program to path; host answers the editor while it is made.
inline void WriteCompleteProgram(const std::string& path, ed::EditorHost& host)
{
    std::ostringstream made;
    ASSERT_EQ(ed::WriteNewProgramFile(path, made), 1) << made.str();
    ed::VlxModel model;
    ed::VlxImports imports;
    std::unique_ptr<ed::Program> program = ed::ProgramFile::Load(path, &made, host, model, &imports);
    ASSERT_NE(program, nullptr) << made.str();
    ed::Page* main = program->GetMainPage();
    main->RemoveVavurOrezo(main->FindVavurOrezo("Attendant"));
    LeadEveryBlockToEnd(*main);
    EXPECT_EQ(program->SearchPages(0), 1) << "a block is still unfinished";
    EXPECT_EQ(ed::ProgramFile::Save(path, *program, &made, ""), 1) << made.str();
}
