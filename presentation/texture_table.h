#ifndef MOLLIBEK_PRESENTATION_TEXTURE_TABLE_H
#define MOLLIBEK_PRESENTATION_TEXTURE_TABLE_H

// Loads the fourteen textures, slot 0 first. Needs the window's GL context.
void loadTextures();

#endif
