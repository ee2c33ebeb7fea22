#include "simulation/arena_boundary.h"

#include "core/game_state.h"
#include "core/numeric.h"

// The board is an uneven octagon: straight edges at x = -1, x = 1, y = 1 and
// y = -0.8125, and a diagonal across each corner. Where a diagonal misses its
// neighbouring edge the outline takes a short step; a centre exactly on a
// line is still on the board.
static bool offBoard(double x, double y)
{
    return (-0.344 < y && y < 0.344 && (x < -1 || x > 1))
        || (-0.344 < x && x < 0.344 && y > 1)
        || (-0.5156 < x && x < 0.5156 && y < -0.8125)
        || (x < -0.344 && y > 0.344 && (1 - y) + x < -0.3444)
        || (x > 0.344 && y > 0.344 && (1 - x) + (1 - y) < 0.6888)
        || (x < -0.5156 && y < -0.344 && x + y < -1.3128)
        || (x > 0.5156 && y < -0.344 && (1 - x) + y < -0.344);
}

void loseShipOffBoard()
{
    if (offBoard(shipx, shipy))
        gameover = true;
}

void settleLossFlags()
{
    warning = false;
    // A loss left over from an earlier tick is withdrawn too: a lost ship
    // that drifts onto the disc is saved.
    if (gameover && shipAim) {
        gameover = false;
        warning = true;
    }
    if (gameover && !gameoverStart) {
        gameOverCountDown = truncToInt(1000 / double(gamespeed));
        gameoverStart = true;
    }
}
