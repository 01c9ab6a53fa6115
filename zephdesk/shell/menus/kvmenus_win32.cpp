#include "shell/menus/kvmenus.h"

#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "foundation/kvassert.h"

namespace {

constexpr UINT kMainMenuStateIds[] = {
    4132, 4131, 101,  4232, 4136, 4135, 51,   4178, 4221, 4145, 4146, 4162,
    4233, 4142, 4143, 4165, 4144, 4130, 4228, 4203, 4229, 4138, 4139, 4141,
    4140, 4150, 4202, 4154, 4174, 4222, 4237, 4238, 4239, 4240, 4249,
};

constexpr UINT kBlockMenuStateIds[] = {4138, 4139, 4141, 4150, 4202};
constexpr UINT kPageMenuStateIds[] = {4130, 4140, 4142, 4143, 4165, 4249};
constexpr UINT kCmBlockProperties = 4202;

void ShowStates(KvMenu& menu, std::span<const UINT> ids) {
    for (UINT id : ids) {
        menu.EnableItem(id, KvCmdInterface::IsEnabled(WORD(id)) ? MF_ENABLED : MF_GRAYED);
        menu.CheckItem(id, KvCmdInterface::IsChecked(WORD(id)) ? MF_CHECKED : MF_UNCHECKED);
    }
}

}  // namespace

std::span<const UINT> MainMenuStateIds() { return kMainMenuStateIds; }

void KvMainMenu::Update() { ShowStates(*this, kMainMenuStateIds); }

std::vector<OutputFacts> BlockOutputFacts(ed::VavurOrezo& block) {
    std::vector<OutputFacts> outputs;
    const ed::TypeRecord* record = block.Record();
    if (!record) return outputs;
    ed::Program* program = block.GetProgram();
    for (std::size_t i = 0; i < record->outputs.size(); ++i) {
        const char* name = block.GetExitLabel(int(i));
        OutputFacts output;
        output.name = name ? name : "";
        output.optionalApplicable =
            program && (program->Model().IsOutputOptionalApplicable(block.TypeCode(), block.Handle(), name) &
                        kOutputOptionalApplicable) != 0;
        output.shown = block.IsExitGotoShown(int(i));
        outputs.push_back(std::move(output));
    }
    return outputs;
}

void AppendMenuItems(KvMenu& menu, const std::vector<MenuItemSpec>& items) {
    for (const MenuItemSpec& item : items) {
        if (item.kind == MenuItemSpec::Separator) {
            menu.Append(MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (item.checked) flags |= MF_CHECKED;
        if (item.greyed) flags |= MF_GRAYED;
        menu.Append(flags, UINT_PTR(UINT(item.id)), item.text.c_str());
    }
}

KvGotoMenu::KvGotoMenu(ed::VavurOrezo* block) : m_pPB(block) { KV_ASSERT(m_pPB!=0); }

void KvGotoMenu::Build() {
    if (!KV_ASSERT(m_hMenu!=0) || !m_pPB) return;
    AppendMenuItems(*this, BuildGotoMenuItems(BlockOutputFacts(*m_pPB)));
}

KvPBCtxtMenu::KvPBCtxtMenu(ed::VavurOrezo* block) : m_pPB(block) { KV_ASSERT(m_pPB!=0); }

// The outputs pop-up goes first; then the menu that holds it.
KvPBCtxtMenu::~KvPBCtxtMenu() {
    if (m_pGotoMenu && m_hMenu) {
        // The pop-up is destroyed with the outputs menu object, not again with this menu.
        const int count = ::GetMenuItemCount(m_hMenu);
        for (int i = 0; i < count; ++i)
            if (::GetSubMenu(m_hMenu, i) == m_pGotoMenu->GetHandle()) {
                ::RemoveMenu(m_hMenu, UINT(i), MF_BYPOSITION);
                break;
            }
    }
    m_pGotoMenu.reset();
}

void KvPBCtxtMenu::Build() {
    if (!KV_ASSERT(m_hMenu!=0) || !m_pPB) return;
    m_pGotoMenu = std::make_unique<KvGotoMenu>(m_pPB);
    KV_ASSERT(m_pGotoMenu!=0);
    m_pGotoMenu->CreatePopup();
    m_pGotoMenu->Build();
    Append(MF_STRING, 4138, "Cu&t");
    Append(MF_STRING, 4139, "&Copy");
    Append(MF_STRING, 4141, "&Delete");
    Append(MF_STRING, 4150, "&Rename");
    Append(MF_SEPARATOR, 0, nullptr);
    Append(MF_POPUP, reinterpret_cast<UINT_PTR>(m_pGotoMenu->GetHandle()), "Hide/Show Outputs");
    Append(MF_SEPARATOR, 0, nullptr);
    Append(MF_STRING, kCmBlockProperties, "P&roperties");
    ::SetMenuDefaultItem(m_hMenu, kCmBlockProperties, FALSE);
}

void KvPBCtxtMenu::Update() { ShowStates(*this, kBlockMenuStateIds); }

void KvUserAppCtxtMenu::Build() {
    if (!KV_ASSERT(m_hMenu!=0)) return;
    Append(MF_STRING, 4130, "Save");
    Append(MF_SEPARATOR, 0, nullptr);
    Append(MF_STRING, 4142, "Zoom In");
    Append(MF_STRING, 4143, "Zoom Out");
    Append(MF_STRING, 4165, "Zoom Normal");
    Append(MF_SEPARATOR, 0, nullptr);
    Append(MF_STRING, 4140, "Paste");
    Append(MF_SEPARATOR, 0, nullptr);
    Append(MF_STRING, 4221, "Create Text Note");
    Append(MF_STRING, 4249, "Edit Text Note");
}

void KvUserAppCtxtMenu::Update() { ShowStates(*this, kPageMenuStateIds); }
