// An open document in tests: a real program of the model library with a recording
// host, the document bound to it, and a scripted server link.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "shell/document/kvuserapp.h"
#include "fake_link.h"
#include "userapp_fixture.h"

class OpenDocumentTest : public UserAppTest {
protected:
    OpenDocumentTest()
    {
        zeph::SetDialogModuleLoader(&ed::test::FakeDialogModule);
        zeph::EnsureLibraryStarted();
        program = std::make_unique<ed::Program>(host, model, &imports, "Main", 0);
        app.SetInt(F_UA_ID, 1500);
        app.Commit();
        app.SetProgram(program.get());
        program->ClearModified();
    }
    ~OpenDocumentTest() override
    {
        app.SetProgram(nullptr);
        program.reset();
        zeph::SetDialogModuleLoader(nullptr);
    }

    ed::test::RecordingHost host;
    ed::VlxModel real;
    ed::test::RecordingModel model{real};
    ed::test::FakeImports imports;
    std::unique_ptr<ed::Program> program;
    FakeLink link;
    ScopedLink scope{&link};
    KvUserApp app{"Main.ed"};
};
