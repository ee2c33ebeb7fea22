#ifndef MOLLIBEK_CORE_CAMERA_H
#define MOLLIBEK_CORE_CAMERA_H

// Loads the modelview matrix that shows the 2 by 2 square around (camx, camy).
void orientMe();

#endif
