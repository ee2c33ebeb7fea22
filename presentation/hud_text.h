// The texts on screen as strings, and when the blinking ones show. Plain
// formatting, no GL or GLUT.
#ifndef MOLLIBEK_PRESENTATION_HUD_TEXT_H
#define MOLLIBEK_PRESENTATION_HUD_TEXT_H

#include <cstddef>

// Room for any line with any value of its variable: the longest is the frame
// rate at -FLT_MAX, 49 characters in %0.2f.
const std::size_t hudTextSize = 64;

// enemyspeed truncated to hundredths, never rounded up to the next one.
double shownLevel();

// booster truncated toward zero.
int shownBoosters();

void formatLevelLine(char *text, std::size_t size);
void formatPotsLine(char *text, std::size_t size);
void formatBoostersLine(char *text, std::size_t size);
void formatFpsLine(char *text, std::size_t size);
void formatLostLevelLine(char *text, std::size_t size);

// The title prompt blinks: 333 frames on, 333 off at 120 reference ticks a
// second.
bool titlePromptShows();

#endif
