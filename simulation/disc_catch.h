// The ship catches the disc by touching it, and holds it until the shot.
#ifndef MOLLIBEK_SIMULATION_DISC_CATCH_H
#define MOLLIBEK_SIMULATION_DISC_CATCH_H

// A ship within 0.09375 of the disc holds it, stops, and may pot it again.
void catchDisc();

#endif
