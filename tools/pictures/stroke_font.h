// The game's own lettering: a stroke font of straight lines and arcs drawn
// with round pens, so that it stays smooth at any size.
#ifndef MOLLIBEK_TOOLS_STROKE_FONT_H
#define MOLLIBEK_TOOLS_STROKE_FONT_H

#include <string>

#include "pictures/canvas.h"

struct Lettering {
    double cap_height; // pixels from the baseline to the top of a capital
    double pen;        // half the stroke's width, pixels
    double spacing;    // between letters, in tenths of the cap height
    double slant = 0;  // sideways lean of the top per unit of height
};

// Width in pixels of the text as add_text would draw it, pens included.
double text_width(const std::string& text, const Lettering& style);
// Adds the text to the mask, its baseline starting at `origin`.
void add_text(Mask& mask, const std::string& text, Point origin, const Lettering& style);

#endif
