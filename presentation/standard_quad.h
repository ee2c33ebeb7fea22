#ifndef MOLLIBEK_PRESENTATION_STANDARD_QUAD_H
#define MOLLIBEK_PRESENTATION_STANDARD_QUAD_H

// The bound texture on a rectangle around the local origin, upright and
// unmirrored: the image's first row along the top edge.
void drawQuad(float halfWidth, float halfHeight);

#endif
