#include "kvpaldock.h"

int KvThirdOf(int value)
{
    // Rounds half away from zero, as MulDiv does.
    return value >= 0 ? (2 * value + 3) / 6 : -((-2 * value + 3) / 6);
}

KvPaletteCandidate KvPaletteCandidateOf(KvPaletteMove& move)
{
    KvPaletteCandidate candidate;
    if (move.cursorX + move.grabX + KvThirdOf(move.paletteWidth) < move.clientLeft) {
        candidate.floating = false;
        candidate.right = move.dockedWidth;
        candidate.bottom = move.clientHeight;
    } else {
        candidate.floating = true;
        candidate.right = move.floatingWidth;
        candidate.bottom = move.floatingHeight;
        if (-move.grabX > move.floatingWidth)
            move.grabX = -(move.floatingWidth / 2);
        if (-move.grabY > move.floatingHeight)
            move.grabY = -(move.floatingHeight / 2);
    }
    candidate.left = move.cursorX + move.grabX;
    candidate.top = move.cursorY + move.grabY;
    candidate.right += candidate.left;
    candidate.bottom += candidate.top;
    return candidate;
}
