#include "core/frame_rate.h"

#include "core/game_state.h"

void measureFrameRate(int elapsedMs)
{
    myframe = myframe + 1;
    mytime = elapsedMs;
    if (mytime - timebase > 100) {
        if (timebase > -1)
            fps = double(myframe) * 1000 / (mytime - timebase);
        timebase = mytime;
        myframe = 0;
    }
}

void renewGameSpeed()
{
    gamespeed = double(changeGameSpeed) / fps;
}
