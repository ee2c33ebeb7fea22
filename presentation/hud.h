#ifndef MOLLIBEK_PRESENTATION_HUD_H
#define MOLLIBEK_PRESENTATION_HUD_H

// Draws text in a GLUT bitmap font from the raster position (x, y).
void renderBitmapString(float x, float y, void *font, const char *string);

void drawTitlePrompt();
void drawStatusLines();
void drawWarning();
void drawDoublePowerMessage();
void drawLostTexts();

#endif
