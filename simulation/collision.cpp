#include "simulation/collision.h"

void collision()
{
}
