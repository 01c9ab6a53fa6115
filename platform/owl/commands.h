#pragma once
// Command ids that the layer itself answers.

// File > Exit: closes the main window.
constexpr unsigned CM_EXIT = 24310;
// Window > Cascade and Window > Tile, answered by the MDI client.
constexpr unsigned CM_CASCADECHILDREN = 24361;
constexpr unsigned CM_TILECHILDREN = 24362;
