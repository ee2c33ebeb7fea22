// The disc's rebounds off the four straight and four corner walls that keep
// it on the board.
#ifndef MOLLIBEK_SIMULATION_DISC_REBOUNDS_H
#define MOLLIBEK_SIMULATION_DISC_REBOUNDS_H

// Damps and turns the disc's velocity at the wall whose line it has crossed,
// then advances the corner walls' timers.
void reboundDisc();

#endif
