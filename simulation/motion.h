#ifndef MOLLIBEK_SIMULATION_MOTION_H
#define MOLLIBEK_SIMULATION_MOTION_H

// Advances every moving thing in the game by one tick.
void moveObjects();

#endif
