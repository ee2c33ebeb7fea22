// The flow from the title screen through play and loss back to the title.
#ifndef MOLLIBEK_CORE_GAME_FLOW_H
#define MOLLIBEK_CORE_GAME_FLOW_H

// Tick: the space bar leaves the title screen.
void leaveTitleScreen();

// Frame: whether the double-power message shows on this frame. The frame
// that shows it also doubles the engine's power for the rest of the game.
bool doublePowerShows();

// Frame, while the ship is lost: one frame off the countdown, and the spin.
void countDownLostShip();

// Frame, while the ship is lost: at the countdown's end, a short pause with
// the last lost frame in view, then the reset to the title screen.
void finishLostGame();

#endif
