// The board's edge: the ship's centre off the board loses the ship, unless it
// holds the disc, which only earns a warning.
#ifndef MOLLIBEK_SIMULATION_ARENA_BOUNDARY_H
#define MOLLIBEK_SIMULATION_ARENA_BOUNDARY_H

// Sets gameover when the ship's centre lies beyond the board's outline.
void loseShipOffBoard();

// Turns a loss into a warning while the ship holds the disc, and starts the
// countdown to the restart at the game's first loss.
void settleLossFlags();

#endif
