// The frame-rate measurement and the time scale derived from it.
#ifndef MOLLIBEK_CORE_FRAME_RATE_H
#define MOLLIBEK_CORE_FRAME_RATE_H

// Counts one frame at elapsedMs milliseconds since start. A measuring window
// closes at the first frame more than 100 ms after it began and sets fps from
// the frames it counted; the first window, which begins at timebase -1,
// yields no value.
void measureFrameRate(int elapsedMs);

// gamespeed := changeGameSpeed / fps, done on every frame of play.
void renewGameSpeed();

#endif
