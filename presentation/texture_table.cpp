#include "presentation/texture_table.h"

#include "presentation/texturing.h"

// One file fills the four pocket slots, each with its own alpha rule.
void loadTextures()
{
    texturing("back.raw", 512, 512);
    texturing("backspin.raw", 512, 512);
    texturing("ship.raw", 64, 64);
    texturing("disc.raw", 32, 32);
    texturing("enemy.raw", 64, 64);
    texturing("exhaust.raw", 32, 32);
    texturing("pocketff.raw", 64, 64);
    texturing("pocketff.raw", 64, 64);
    texturing("pocketff.raw", 64, 64);
    texturing("pocketff.raw", 64, 64);
    texturing("stars.raw", 512, 512);
    texturing("planet1.raw", 128, 128);
    texturing("planet2.raw", 256, 256);
    texturing("front.raw", 512, 512);
}
