// A program to search: blocks "abcMain" and "Other" on Main, "abcSub" and "Tail" on the
// SuperBlock page "Sub", of two types (393 and 404); the program is the model's current.
#pragma once

#include "../../editor/tests/canvas_fixture.h"

class FindProgramTest : public ed::test::CanvasTest {
protected:
    FindProgramTest()
    {
        sub = new ed::Page(program.get(), "Sub", ed::kPageSuperBlock, 0);
        program->AddPage(sub);
        Add(main, "abcMain", 393);
        Add(main, "Other", 404);
        Add(sub, "abcSub", 393);
        Add(sub, "Tail", 404);
        program->Activate();
    }

    ed::Page* sub = nullptr;
};
