// The three background planets, each shown only within its range of levels.
#ifndef MOLLIBEK_PRESENTATION_PLANETS_H
#define MOLLIBEK_PRESENTATION_PLANETS_H

const int planetCount = 3;

struct Planet {
    double lowestLevel;  // shown while enemyspeed lies strictly between
    double highestLevel; // these two levels
    const float *x;
    const float *y;
    int slot;
    float halfSize;
};

extern const Planet planets[planetCount];

// Whether planet number (0 to 2) shows at the current level.
bool planetShows(int planet);

#endif
