// The command states: for each of the 41 commands that the menus and the tool bar grey or
// check, whether it is enabled and whether it carries a check mark. One pass recomputes
// them all from a record of facts about the workspace and the active page window; the
// display objects only read them. An id outside the table reads false and ignores writes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

// What the first object of a page window's selection is.
enum class SelectionKind : std::int32_t { None = 0, Block = 1, Note = 2, Line = 3 };

// What the pass looks at. Without an active application every fact after it is false.
struct CommandFacts {
    bool paletteShown = false;  // the block palette window exists
    bool fullScreen = false;
    bool app = false;           // an active user application exists
    bool complete = false;      // every block of its program is finished
    bool exported = false;      // its export field reads other than "No"
    bool hasImports = false;    // it imports at least one application
    SelectionKind selection = SelectionKind::None;
    bool singleSelection = false;
    bool blocksHeld = false;    // the item clipboard holds blocks cut or copied from a page
    bool noteEditing = false;   // a text note is being typed in on the active page
};

// When a command is enabled.
enum class CommandRule : std::uint8_t {
    Always,
    App,
    AppWithImports,
    AppCompleteNotExported,
    AppExported,
    BlockOrNote,
    BlockNoteOrLine,
    Paste,
    SingleBlock,
    Line,
    Note,
    SingleNote,
};

struct CommandStateRow {
    std::uint16_t id;
    CommandRule rule;
};

// The 41 commands in registration order.
std::span<const CommandStateRow> CommandStateRows();
bool RuleHolds(CommandRule rule, const CommandFacts& facts);

inline constexpr std::uint16_t kCmPalette = 4162;
inline constexpr std::uint16_t kCmFullScreen = 4233;

class KvCommandHandler {
public:
    static constexpr std::size_t kCommandCount = 41;

    KvCommandHandler();

    bool IsEnabled(std::uint16_t id) const;
    bool IsChecked(std::uint16_t id) const;
    void SetEnabled(std::uint16_t id, bool enabled);
    void SetChecked(std::uint16_t id, bool checked);

    // The pass: the two check marks, then every command's enabled flag by its rule.
    void UpdateCommands(const CommandFacts& facts);

private:
    struct KvCommandObj {
        std::uint8_t enabled = 0;
        std::uint8_t checked = 0;
    };
    KvCommandObj* Find(std::uint16_t id);
    const KvCommandObj* Find(std::uint16_t id) const;

    std::array<KvCommandObj, kCommandCount> m_states{};
};
