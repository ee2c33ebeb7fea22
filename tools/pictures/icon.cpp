// The desktop icon: the ship over a large disc.
#include "pictures/pictures.h"

Canvas icon_picture()
{
    Canvas canvas(128, 128);
    draw_disc(canvas, {{64, 64}, 64});
    draw_ship(canvas, {{64, 68}, 54});
    return canvas;
}
