#ifndef MOLLIBEK_CORE_FRAME_H
#define MOLLIBEK_CORE_FRAME_H

// One frame drawn at elapsedMs milliseconds since start: the frame count, the
// frame-rate measurement, the title screen or the scene with its texts, the
// time scale, double power and the lost ship's countdown. Everything but the
// buffer swap, so that the frame's rules run without a window too.
void drawFrame(int elapsedMs);

// The toolkit's display callback: a frame at the toolkit's clock, then the swap.
void display();

#endif
