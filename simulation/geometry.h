// Plane geometry on the game's points, in the game's angle convention.
#ifndef MOLLIBEK_SIMULATION_GEOMETRY_H
#define MOLLIBEK_SIMULATION_GEOMETRY_H

// Direction from (x1, y1) to (x2, y2), degrees from -90 to 270.
float getAngle(float x1, float y1, float x2, float y2);
float getDistance(float x1, float y1, float x2, float y2);
float myfabs(float x);

#endif
