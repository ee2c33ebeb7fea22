// Prints where one scripted game ends at 30, 60, 120 and 240 frames per
// second, and how far each ends from the game at 120.
#include <cmath>
#include <cstdio>

#include "pace_harness.h"

namespace {

double apart(float x1, float y1, float x2, float y2)
{
    return std::hypot(double(x1) - x2, double(y1) - y2);
}

} // namespace

int main()
{
    const double rates[] = {30, 60, 120, 240};
    const double seconds = 10;
    const PaceOutcome reference = playScriptedGame(120, seconds);

    std::printf("After %.0f s of play; distances from the game at 120 frames per second\n", seconds);
    std::printf("%6s %8s %-20s %-20s %-20s %8s %9s %9s %9s %11s\n", "fps", "frames", "ship", "enemy",
                "disc", "level", "ship d", "enemy d", "disc d", "level diff");
    for (double rate : rates) {
        const PaceOutcome o = playScriptedGame(rate, seconds);
        std::printf("%6.0f %8d (%8.5f,%8.5f) (%8.5f,%8.5f) (%8.5f,%8.5f) %8.5f %9.5f %9.5f %9.5f %11.6f%s\n",
                    rate, o.frames, o.shipx, o.shipy, o.enemyx, o.enemyy, o.discx, o.discy, o.level,
                    apart(o.shipx, o.shipy, reference.shipx, reference.shipy),
                    apart(o.enemyx, o.enemyy, reference.enemyx, reference.enemyy),
                    apart(o.discx, o.discy, reference.discx, reference.discy),
                    double(o.level) - reference.level, o.lost ? "  LOST" : "");
    }
    return 0;
}
