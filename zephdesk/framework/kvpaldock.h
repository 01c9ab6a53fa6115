// The arithmetic of moving the block palette: where the feedback rectangle of a move goes
// and whether dropping there docks the palette at the frame's left edge or leaves it
// floating.
#pragma once

struct KvPaletteMove {
    // The cursor (screen) and the grab offset: the palette's top-left minus the cursor at
    // the first move. The offset may be changed so that the cursor stays inside a smaller
    // floating rectangle.
    int cursorX = 0;
    int cursorY = 0;
    int grabX = 0;
    int grabY = 0;
    // The palette's current width, the left edge (screen) and height of the frame's client
    // window, and the docked width and floating size.
    int paletteWidth = 0;
    int clientLeft = 0;
    int clientHeight = 0;
    int dockedWidth = 0;
    int floatingWidth = 0;
    int floatingHeight = 0;
};

struct KvPaletteCandidate {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool floating = true;
};

// The feedback rectangle for the move: docked when the palette's left third would lie left
// of the client window's left edge, else floating.
KvPaletteCandidate KvPaletteCandidateOf(KvPaletteMove& move);

// MulDiv(value, 1, 3): a third, rounded to the nearest integer.
int KvThirdOf(int value);
