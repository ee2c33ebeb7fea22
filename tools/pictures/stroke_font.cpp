#include "pictures/stroke_font.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// Each glyph is drawn on a grid ten units high from the baseline, y up.
// Strokes are separated by ';'. A stroke is a run of points "x,y" and arcs
// "(cx,cy,rx,ry,from,to)", angles in degrees counterclockwise from +x; a
// dot is a stroke from a point to itself.
struct Glyph {
    char letter;
    double width;
    const char* strokes;
};

const Glyph glyphs[] = {
    {' ', 3.5, ""},
    {'!', 0, "0,10 0,3; 0,0 0,0"},
    {',', 0.5, "0.5,0.4 -0.2,-1.6"},
    {'-', 4, "0,4.5 4,4.5"},
    {'.', 0, "0,0 0,0"},
    {'/', 5, "0,-1 5,11"},
    {'A', 8, "0,0 4,10 8,0; 1.4,3.5 6.6,3.5"},
    {'B', 7, "0,0 0,10 4,10 (4,7.5,2.5,2.5,90,-90) 0,5; 4,5 (4.3,2.5,2.7,2.5,90,-90) 0,0"},
    {'C', 7.5, "(4.5,5,4.5,5,45,315)"},
    {'D', 7.5, "0,0 0,10 3,10 (3,5,4.5,5,90,-90) 0,0"},
    {'E', 6.5, "6.5,10 0,10 0,0 6.5,0; 0,5 5,5"},
    {'F', 6.5, "6.5,10 0,10 0,0; 0,5 5,5"},
    {'G', 9, "(4.5,5,4.5,5,45,360) 5.2,5"},
    {'H', 7, "0,0 0,10; 7,0 7,10; 0,5 7,5"},
    {'I', 0, "0,0 0,10"},
    {'J', 5.5, "5.5,10 5.5,3 (2.75,3,2.75,3,0,-165)"},
    {'K', 7, "0,0 0,10; 7,10 0,3.5; 2.3,5.6 7,0"},
    {'L', 6, "0,10 0,0 6,0"},
    {'M', 9, "0,0 0,10 4.5,3 9,10 9,0"},
    {'N', 7.5, "0,0 0,10 7.5,0 7.5,10"},
    {'O', 9, "(4.5,5,4.5,5,0,360)"},
    {'P', 7, "0,0 0,10 4.5,10 (4.5,7.5,2.5,2.5,90,-90) 0,5"},
    {'Q', 9, "(4.5,5,4.5,5,0,360); 5.5,2.5 9,-1"},
    {'R', 7, "0,0 0,10 4.5,10 (4.5,7.5,2.5,2.5,90,-90) 0,5; 4,5 7,0"},
    {'S', 7, "(3.5,7.5,3.3,2.5,30,270) (3.5,2.5,3.5,2.5,90,-150)"},
    {'T', 8, "0,10 8,10; 4,10 4,0"},
    {'U', 7.5, "0,10 0,3.5 (3.75,3.5,3.75,3.5,180,360) 7.5,10"},
    {'V', 8, "0,10 4,0 8,10"},
    {'W', 11, "0,10 2.75,0 5.5,8 8.25,0 11,10"},
    {'X', 7.5, "0,10 7.5,0; 0,0 7.5,10"},
    {'Y', 8, "0,10 4,5 8,10; 4,5 4,0"},
    {'Z', 7, "0,10 7,10 0,0 7,0"},
    {'b', 7, "0,10.5 0,0; (3.5,3.5,3.5,3.5,0,360)"},
    {'e', 7, "0,3.5 7,3.5 (3.5,3.5,3.5,3.5,0,315)"},
    {'i', 0, "0,7 0,0; 0,9.8 0,9.8"},
    {'k', 6, "0,10.5 0,0; 6,7 0,2.5; 2,4 6,0"},
    {'l', 0, "0,10.5 0,0"},
    {'o', 7, "(3.5,3.5,3.5,3.5,0,360)"},
};

const Glyph& glyph_of(char letter)
{
    for (const Glyph& g : glyphs)
        if (g.letter == letter)
            return g;
    std::fprintf(stderr, "make_assets: the lettering has no glyph for '%c'\n", letter);
    std::abort();
}

// The strokes of a glyph as runs of points in glyph units.
std::vector<std::vector<Point>> strokes_of(const Glyph& glyph)
{
    std::vector<std::vector<Point>> strokes(1);
    std::istringstream in(glyph.strokes);
    std::string token;
    while (in >> token) {
        bool ends_stroke = token.back() == ';';
        if (ends_stroke)
            token.pop_back();
        if (token.front() == '(') {
            double cx, cy, rx, ry, from, to;
            std::sscanf(token.c_str(), "(%lf,%lf,%lf,%lf,%lf,%lf)", &cx, &cy, &rx, &ry, &from, &to);
            int steps = std::max(2, int(std::abs(to - from) / 10));
            for (int i = 0; i <= steps; ++i) {
                double a = radians(from + (to - from) * i / steps);
                strokes.back().push_back({cx + rx * cosine(a), cy + ry * sine(a)});
            }
        } else {
            Point p;
            std::sscanf(token.c_str(), "%lf,%lf", &p.x, &p.y);
            strokes.back().push_back(p);
        }
        if (ends_stroke)
            strokes.emplace_back();
    }
    return strokes;
}

}

double text_width(const std::string& text, const Lettering& style)
{
    double units = 0;
    for (char c : text)
        units += glyph_of(c).width + style.spacing;
    return (units - style.spacing) * style.cap_height / 10 + 2 * style.pen;
}

void add_text(Mask& mask, const std::string& text, Point origin, const Lettering& style)
{
    double scale = style.cap_height / 10;
    double x = origin.x + style.pen;
    for (char c : text) {
        const Glyph& glyph = glyph_of(c);
        for (const auto& stroke : strokes_of(glyph)) {
            auto place = [&](Point u) { return Point{x + (u.x + u.y * style.slant) * scale, origin.y - u.y * scale}; };
            for (std::size_t i = 1; i < stroke.size(); ++i)
                mask.add(Capsule{place(stroke[i - 1]), place(stroke[i]), style.pen});
        }
        x += (glyph.width + style.spacing) * scale;
    }
}
