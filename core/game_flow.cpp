#include "core/game_flow.h"

#include "core/game_state.h"

void leaveTitleScreen()
{
    if (KeyDown[' '])
        intro = false;
}

bool doublePowerShows()
{
    return double(enemyspeed) > 5.5 && double(enemyspeed) < 5.56 && frame % 20 <= 9 && !gameover;
}

void countDownLostShip()
{
    gameOverCountDown = gameOverCountDown - 1;
    shipangle = double(shipangle) + gamespeed;
}

void finishLostGame()
{
    // A countdown started at a gamespeed above 1000 begins at 0 and would
    // never come back to exactly 0, leaving the game lost for good.
    if (gameOverCountDown > 0)
        return;
    for (volatile int pause = 0; pause < 1000000; pause = pause + 1) {
    }
    resetVars();
}
