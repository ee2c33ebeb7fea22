// The three pockets at the middles of the board's left, right and top edges:
// they take a disc shot into them and push the ship away.
#ifndef MOLLIBEK_SIMULATION_POCKETS_H
#define MOLLIBEK_SIMULATION_POCKETS_H

// Works out whether the disc moves at shot speed, then pots it in the first
// pocket, left, right or top, that takes it.
void potDisc();

// Each pocket pushes a ship within 0.25 of its centre straight away from it.
void pushShipFromPockets();

#endif
