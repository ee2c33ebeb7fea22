// Blinking by the frame counter.
#ifndef MOLLIBEK_PRESENTATION_BLINK_H
#define MOLLIBEK_PRESENTATION_BLINK_H

// Whether a blink shows on this frame. Its period and lit part are given
// multiplied by changeGameSpeed: divided by it and truncated, they count
// frames, and the blink shows while frame modulo the period is below the
// lit part.
bool blinkShows(double scaledPeriod, double scaledLit);

#endif
