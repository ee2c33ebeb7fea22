#ifndef MOLLIBEK_PRESENTATION_SCENE_H
#define MOLLIBEK_PRESENTATION_SCENE_H

// The title picture; leaves blending and texturing off for the text.
void drawTitleScreen();

// The play scene, back to front; leaves blending and texturing off.
void drawScene();

#endif
