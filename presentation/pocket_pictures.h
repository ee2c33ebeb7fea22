// Which picture each pocket shows: at rest, lit, lit with a potted disc
// resting, or full after two pots in a row.
#ifndef MOLLIBEK_PRESENTATION_POCKET_PICTURES_H
#define MOLLIBEK_PRESENTATION_POCKET_PICTURES_H

// The pockets light up, blinking, while the ship holds the disc, and
// steadily while the disc moves at shot speed.
bool pocketsLit();

// The texture slot of a pocket with the given hit count.
int pocketSlot(int hitCount);

#endif
