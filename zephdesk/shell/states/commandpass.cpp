#include "shell/states/commandpass.h"

CommandFacts CommandStatePass::GatherFacts() const {
    const WorkspaceFacts workspace = m_workspace ? m_workspace() : WorkspaceFacts{};
    ActiveAppFacts app;
    const bool hasApp = m_app && m_app->GetActiveAppFacts(app);
    const PageSelectionFacts page = hasApp && m_page ? m_page() : PageSelectionFacts{};
    return MakeCommandFacts(workspace, hasApp ? &app : nullptr, page);
}

void CommandStatePass::Update() { m_handler.UpdateCommands(GatherFacts()); }
