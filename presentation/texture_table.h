#ifndef MOLLIBEK_PRESENTATION_TEXTURE_TABLE_H
#define MOLLIBEK_PRESENTATION_TEXTURE_TABLE_H

// Texture slots, in load order; the drawing finds every picture by its slot.
const int boardSlot = 0;
const int platformSlot = 1;
const int shipSlot = 2;
const int discSlot = 3;
const int enemySlot = 4;
const int exhaustSlot = 5;
const int pocketRestSlot = 6;
const int pocketLitSlot = 7;
const int pocketRestingDiscSlot = 8;
const int pocketFullSlot = 9;
const int starsSlot = 10;
const int firstPlanetSlot = 11;
const int bigPlanetSlot = 12;
const int titleSlot = 13;

// Loads the fourteen textures, slot 0 first. Needs the window's GL context.
void loadTextures();

#endif
