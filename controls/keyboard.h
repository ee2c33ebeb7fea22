// The keys: the toolkit's callbacks keep the table of held keys, and once a
// tick keys() applies what is held to the ship.
//   i, a   thrust          j  turn anticlockwise   k      turn about, or
//   o, s   boost           l  turn clockwise              reverse the circling
//   space  shoot the held disc
#ifndef MOLLIBEK_CONTROLS_KEYBOARD_H
#define MOLLIBEK_CONTROLS_KEYBOARD_H

void keyboard(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);
// Lets go of every key: start-up begins with none held.
void releaseAllKeys();

void keys();

#endif
