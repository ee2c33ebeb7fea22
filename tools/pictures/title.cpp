// The title picture: the game's name in large golden letters over a field
// of stars, a dark band where the game blinks its start prompt, and a panel
// that tells the keys and the aim of the game.
#include <string>
#include <vector>

#include "pictures/pictures.h"
#include "pictures/stroke_font.h"

namespace {

const int size = 512;

// The game writes its prompt here, in orange, 18 pixels high, its baseline
// at about x = 187 and y = 189.
const Box prompt_band = {154, 163, 434, 201};

const Box panel = {34, 212, 478, 498};

Mask lettering(const std::string& text, Point origin, const Lettering& style)
{
    Mask mask(size, size);
    add_text(mask, text, origin, style);
    return mask;
}

void write(Canvas& canvas, const std::string& text, Point origin, const Lettering& style, Rgb colour)
{
    canvas.paint(lettering(text, origin, style), [colour](Point) { return colour; });
}

Point centred(const std::string& text, const Lettering& style, double baseline)
{
    return {(size - text_width(text, style)) / 2, baseline};
}

void draw_sky(Canvas& canvas)
{
    Canvas sky(size, size);
    draw_starfield(sky, 700, 7);
    canvas.paint_all([&sky](Point p) {
        Rgb colour = sky.colour(int(p.y), int(p.x));
        double fade = smoothstep(prompt_band.top - 6, prompt_band.top + 2, p.y) * smoothstep(prompt_band.bottom + 6, prompt_band.bottom - 2, p.y);
        fade *= smoothstep(prompt_band.left - 30, prompt_band.left, p.x) * smoothstep(prompt_band.right + 30, prompt_band.right, p.x);
        return colour * (1 - 0.9 * fade);
    });
}

void draw_name(Canvas& canvas)
{
    const std::string name = "Mollibek";
    Lettering style = {70, 5.5, 3.3, 0.12};
    // Centred as it leans: the slant moves the tops of the letters right.
    Point origin = centred(name, style, 124) - Point{style.slant * style.cap_height / 2, 0};

    // A glow of thin layers, each a little wider than the one above it.
    for (int ring = 8; ring >= 1; --ring) {
        Lettering halo = style;
        halo.pen += ring * 1.2;
        canvas.paint(lettering(name, origin, halo), [](Point) { return rgb8(255, 120, 30); }, 0.07);
    }
    Lettering outline = style;
    outline.pen += 2.5;
    write(canvas, name, origin + Point{3, 4}, outline, rgb8(90, 26, 6));
    write(canvas, name, origin, outline, rgb8(60, 18, 4));
    double top = origin.y - style.cap_height * 1.05, bottom = origin.y + style.pen;
    canvas.paint(lettering(name, origin, style), [=](Point p) {
        double t = clamp01((p.y - top) / (bottom - top));
        Rgb upper = mix(rgb8(255, 252, 226), rgb8(255, 214, 90), smoothstep(0, 0.5, t));
        Rgb gold = mix(upper, rgb8(236, 128, 24), smoothstep(0.5, 1, t));
        double shine = 1 - std::abs(t - 0.48) / 0.03;
        return mix(gold, rgb8(255, 255, 255), 0.6 * clamp01(shine));
    });
}

void draw_prompt_frame(Canvas& canvas)
{
    for (double y : {prompt_band.top, prompt_band.bottom}) {
        Mask line = mask_of(size, size, Capsule{{prompt_band.left, y}, {prompt_band.right, y}, 0.8});
        canvas.paint(line, [](Point p) {
            double half = (prompt_band.right - prompt_band.left) / 2;
            double centre = 1 - std::abs(p.x - (prompt_band.left + half)) / half;
            return rgb8(255, 140, 30) * (0.25 + 0.75 * clamp01(centre * 1.6));
        });
    }
}

void draw_panel(Canvas& canvas)
{
    RoundedBox frame = {panel, 14};
    canvas.paint(mask_of(size, size, frame), [](Point p) {
        return mix(rgb8(14, 22, 44), rgb8(6, 10, 22), clamp01((p.y - panel.top) / (panel.bottom - panel.top)));
    }, 0.86);
    Mask border = mask_of(size, size, frame);
    border.cut(grown(frame, -1.6));
    canvas.paint(border, [](Point) { return rgb8(90, 200, 236); });
}

struct KeyLine {
    std::vector<std::string> keys;
    std::string action;
};

const Lettering legend = {11, 0.95, 3.2};
const Lettering key_letters = {10, 1.05, 3.4};
const Rgb text_colour = rgb8(226, 232, 244);

// A key cap with its legend; returns the x where the next cap may start.
double draw_key(Canvas& canvas, const std::string& key, Point at)
{
    double width = std::max(22.0, text_width(key, key_letters) + 12);
    RoundedBox cap = {{at.x, at.y - 16, at.x + width, at.y + 6}, 4};
    canvas.fill(cap, rgb8(40, 46, 60));
    canvas.paint(mask_of(size, size, grown(cap, -1.5)), [&cap](Point p) {
        return mix(rgb8(236, 240, 248), rgb8(176, 184, 200), clamp01((p.y - cap.box.top) / 22));
    });
    write(canvas, key, {at.x + (width - text_width(key, key_letters)) / 2, at.y}, key_letters, rgb8(30, 34, 48));
    return at.x + width + 7;
}

void draw_keys(Canvas& canvas)
{
    const KeyLine lines[] = {
        {{"I", "A"}, "THRUST"},
        {{"O", "S"}, "BOOST"},
        {{"J", "L"}, "TURN LEFT, RIGHT"},
        {{"K"}, "TURN ABOUT, REVERSE CIRCLING"},
        {{"SPACE"}, "SHOOT THE DISC"},
    };
    double baseline = 258;
    for (const KeyLine& line : lines) {
        double x = 58;
        for (const std::string& key : line.keys)
            x = draw_key(canvas, key, {x, baseline});
        write(canvas, line.action, {150, baseline - 0.5}, legend, text_colour);
        baseline += 26;
    }
}

void draw_aims(Canvas& canvas)
{
    canvas.fill(Capsule{{64, 380}, {448, 380}, 0.6}, rgb8(60, 120, 150));

    draw_disc(canvas, {{74, 404}, 12});
    write(canvas, "CATCH THE DISC AND POT IT", {100, 402}, legend, text_colour);
    write(canvas, "IN THE THREE POCKETS", {100, 418}, legend, text_colour);
    draw_enemy(canvas, {{74, 440}, 13});
    write(canvas, "KEEP OFF THE ENEMY", {100, 445}, legend, rgb8(255, 120, 100));
    draw_ship(canvas, {{74, 474}, 13});
    write(canvas, "DO NOT FLY OFF THE BOARD", {100, 470}, legend, text_colour);
    write(canvas, "WITHOUT THE DISC", {100, 486}, legend, text_colour);
}

}

Canvas title_picture()
{
    Canvas canvas(size, size);
    draw_sky(canvas);
    draw_name(canvas);
    draw_prompt_frame(canvas);
    draw_panel(canvas);
    write(canvas, "HOW TO PLAY", centred("HOW TO PLAY", legend, 234), legend, rgb8(120, 220, 250));
    draw_keys(canvas);
    draw_aims(canvas);
    return canvas;
}
