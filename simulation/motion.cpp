#include "simulation/motion.h"

void moveObjects()
{
}
