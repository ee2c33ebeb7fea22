#include "controls/keyboard.h"

#include <cmath>

#include "core/game_state.h"

void keyboard(unsigned char key, int, int)
{
    KeyDown[key] = true;
}

void keyboardUp(unsigned char key, int, int)
{
    KeyDown[key] = false;
}

void releaseAllKeys()
{
    for (bool &held : KeyDown)
        held = false;
}

static bool held(unsigned char key)
{
    return KeyDown[key];
}

void keys()
{
    if (held('i') || held('a')) {
        const double h = double(shipangle) * deg;
        shipxthrust = double(shipxthrust) + std::sin(h) / thrust * power * gamespeed;
        shipythrust = double(shipythrust) + std::cos(h) / thrust * power * gamespeed;
    }

    if (booster > 0 && !shipAim && (held('o') || held('s'))) {
        const double h = double(shipangle) * deg;
        shipxthrust = double(shipxthrust) + std::sin(h) / thrust * 3 * power * gamespeed;
        shipythrust = double(shipythrust) + std::cos(h) / thrust * 3 * power * gamespeed;
        booster = double(booster) - gamespeed;
    }

    if (held('j'))
        shipangle = double(shipangle) - gamespeed;
    if (held('l'))
        shipangle = double(shipangle) + gamespeed;

    if (held('k') && !kdown) {
        kdown = true;
        if (!shipAim)
            shipangle = double(shipangle) + 180.0f;
        else
            shipAimRotDirection = -shipAimRotDirection;
    }
    if (!held('k'))
        kdown = false;

    if (shipAim && held(' ')) {
        const double h = double(shipangle) * deg;
        shipAim = false;
        discxo = std::sin(h) * 0.006;
        discyo = std::cos(h) * 0.006;
        shipxthrust = std::sin(h) * -0.001;
        shipythrust = std::cos(h) * -0.001;
    }
}
