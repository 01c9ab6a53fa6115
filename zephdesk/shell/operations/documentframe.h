// What the document operations ask of the designer around them: the main frame's open
// and save of a program file, its current program, the model library's build and the
// program diagnostics, the auto-save timer and whether the designer works stand-alone. The designer installs
// the one over its frame; tests install a recording one over real program files.
#pragma once

#include <string>

namespace ed {
class Page;
class Program;
}  // namespace ed

class KvDocumentFrame {
public:
    virtual ~KvDocumentFrame() = default;
    // Reads the program file and shows it in page windows: 0 shown, 1 not loaded (the
    // reader has reported why).
    virtual int OpenProgramFile(const std::string& path) = 0;
    // Writes the current program to its file: 1 written, 0 not (reported).
    virtual int SaveProgramFile() = 0;
    virtual ed::Program* CurrentProgram() = 0;
    // The page the user works on in program: the active page window's when it shows the
    // program; null when no window shows it.
    virtual ed::Page* ActivePage(ed::Program& program) = 0;
    // Closes the page windows of the program without asking.
    virtual void CloseProgram(ed::Program& program) = 0;
    // Builds the current program (script and run file beside path); 0 on success.
    virtual int BuildProgram(const std::string& path, int customerId, int applicationId) = 0;
    virtual void CheckLoops(ed::Program& program) = 0;
    // The box "Incomplete applications cannot be put into service." when the diagnostics
    // level is not None.
    virtual void WarnIncomplete() = 0;
    virtual void StartAutoSave() = 0;
    virtual bool IsStandAlone() = 0;
};

KvDocumentFrame* KvGetDocumentFrame();
void KvSetDocumentFrame(KvDocumentFrame* frame);
// Whether the designer works without a server (also when no frame is installed).
bool KvIsDocumentStandAlone();
