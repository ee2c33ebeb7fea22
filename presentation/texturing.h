// Loading one image file into the next texture slot.
#ifndef MOLLIBEK_PRESENTATION_TEXTURING_H
#define MOLLIBEK_PRESENTATION_TEXTURING_H

// Reads the file and builds its RGBA pixels (width x height x 4 bytes) with
// the alpha rule of the slot. A file that cannot give every byte still
// fills the picture: what it lacks is white.
void loadImagePixels(const char *filename, int width, int height, int slot, unsigned char *rgba);

// Loads the file into texName[textureNum] and moves textureNum on to the
// next slot, whatever the file held. Needs the window's GL context.
void texturing(const char *filename, int width, int height);

#endif
