// The texts drawn over the picture, placed relative to the camera so that
// they keep their places on screen. Each needs the window (GLUT fonts).
#ifndef MOLLIBEK_PRESENTATION_HUD_H
#define MOLLIBEK_PRESENTATION_HUD_H

// Draws text in a GLUT bitmap font from the raster position (x, y).
void renderBitmapString(float x, float y, void *font, const char *string);

// The blinking " PUSH SPACE TO START!" of the title screen.
void drawTitlePrompt();

// Level and pots in yellow, boosters and frame rate in green.
void drawStatusLines();

void drawWarning();
void drawDoublePowerMessage();

// The level reached and the pots, while the ship is lost.
void drawLostTexts();

#endif
