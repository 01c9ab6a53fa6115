// The command-state pass as the workspace runs it: gathers the facts from its sources
// (the workspace's flags, the user-application document, the active page window) and
// recomputes the table. Sources left unset count as absent: no application, no page window.
#pragma once

#include <functional>

#include "framework/kvcmdint.h"
#include "shell/states/commandfacts.h"
#include "shell/states/commandstates.h"

class CommandStatePass : public KvCmdInterface {
public:
    explicit CommandStatePass(KvCommandHandler& handler) : m_handler(handler) {}

    void SetWorkspaceSource(std::function<WorkspaceFacts()> source) { m_workspace = std::move(source); }
    void SetActiveAppSource(ActiveAppSource* source) { m_app = source; }
    void SetPageSource(std::function<PageSelectionFacts()> source) { m_page = std::move(source); }

    // The facts of now and the pass over the table.
    void Update() override;
    CommandFacts GatherFacts() const;

private:
    KvCommandHandler& m_handler;
    std::function<WorkspaceFacts()> m_workspace;
    ActiveAppSource* m_app = nullptr;
    std::function<PageSelectionFacts()> m_page;
};
