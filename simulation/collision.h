#ifndef MOLLIBEK_SIMULATION_COLLISION_H
#define MOLLIBEK_SIMULATION_COLLISION_H

// The tick's collision stages, in order: the ship off the board and the loss
// flags, the disc's rebounds, the shot flag and the pots, the pockets' push,
// the ship's catch of the disc.
void collision();

#endif
