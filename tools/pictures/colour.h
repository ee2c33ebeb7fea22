// Colours as red, green and blue from 0 to 1; the channels may run over 1
// while light is added up, and are clipped when the picture is written.
#ifndef MOLLIBEK_TOOLS_COLOUR_H
#define MOLLIBEK_TOOLS_COLOUR_H

struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

// From 8-bit channels, as a paint program would give them.
inline Rgb rgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

inline Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }

#endif
