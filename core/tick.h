#ifndef MOLLIBEK_CORE_TICK_H
#define MOLLIBEK_CORE_TICK_H

// One step of the game: the title screen's exit, the motion and collisions
// of play, then the held keys unless the ship is lost.
void tick();

// The toolkit's idle callback: a tick, then a request for the next frame.
void idle();

#endif
