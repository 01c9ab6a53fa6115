// The main menu's commands and the frame's accelerators as data: every item of the menu
// "MAINMENU" (its popup path, text and key hint) and every key of the table "KEYS". The
// resources are written from these tables and checked against them.
#pragma once

#include <cstdint>
#include <span>

struct MenuCommand {
    std::uint16_t id;
    const char* popup;    // "File", "Edit", ... or "Options|Log Level" for a submenu
    const char* text;     // with its "&" mnemonic
    const char* keyHint;  // shown after a tab; null when none
};

// Virtual-key codes the accelerators use.
enum AcceleratorKey : std::uint16_t {
    kKeyEscape = 0x1B, kKeyPageUp = 0x21, kKeyPageDown = 0x22, kKeyHome = 0x24,
    kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28, kKeyDelete = 0x2E,
    kKeyAdd = 0x6B, kKeySubtract = 0x6D, kKeyF1 = 0x70,
};

struct Accelerator {
    std::uint16_t id;
    std::uint16_t key;  // virtual key or upper-case letter
    bool control;
};

std::span<const MenuCommand> MainMenuCommands();
std::span<const Accelerator> FrameAccelerators();

// The top-level popups of the main menu, in order.
std::span<const char* const> MainMenuPopups();
