// The ship's exhaust flames, which follow the held engine keys and the fuel.
#ifndef MOLLIBEK_PRESENTATION_EXHAUST_FLAMES_H
#define MOLLIBEK_PRESENTATION_EXHAUST_FLAMES_H

const int flameCount = 3;

struct Flame {
    float step; // along the ship's y axis, on top of the flames drawn before
    float halfWidth;
    float halfHeight;
};

// Small, medium and large, in drawing order.
extern const Flame flames[flameCount];

// Whether flame number (0 small, 1 medium, 2 large) shows on this frame.
bool flameShows(int flame);

#endif
