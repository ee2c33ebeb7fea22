// A picture being drawn: colour and coverage per pixel, with colours kept
// premultiplied by their coverage so that layers stack like paint.
#ifndef MOLLIBEK_TOOLS_CANVAS_H
#define MOLLIBEK_TOOLS_CANVAS_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pictures/colour.h"
#include "pictures/geometry.h"
#include "pictures/steady_math.h"

// How much of each pixel a shape covers, 0 to 1. Shapes added to a mask
// join without darkening where they overlap, unlike shapes laid on a canvas
// one after another.
class Mask {
public:
    Mask(int width, int height) : width_(width), height_(height), cover_(std::size_t(width) * height) {}
    double at(int row, int col) const { return cover_[std::size_t(row) * width_ + col]; }

    template <class Shape> void add(const Shape& shape) { apply(shape, [](double old, double c) { return std::max(old, c); }); }
    template <class Shape> void cut(const Shape& shape) { apply(shape, [](double old, double c) { return std::min(old, 1 - c); }); }
    // Keeps only what lies inside the shape as well.
    template <class Shape> void keep(const Shape& shape)
    {
        apply(shape, [](double old, double c) { return std::min(old, c); }, Box{0, 0, double(width_), double(height_)});
    }

private:
    template <class Shape, class Combine> void apply(const Shape& shape, Combine combine) { apply(shape, combine, shape.bounds()); }

    template <class Shape, class Combine> void apply(const Shape& shape, Combine combine, Box box)
    {
        int row0 = std::max(0, int(std::floor(box.top)) - 1);
        int row1 = std::min(height_ - 1, int(std::ceil(box.bottom)) + 1);
        int col0 = std::max(0, int(std::floor(box.left)) - 1);
        int col1 = std::min(width_ - 1, int(std::ceil(box.right)) + 1);
        for (int row = row0; row <= row1; ++row)
            for (int col = col0; col <= col1; ++col) {
                double c = clamp01(0.5 - shape.distance({col + 0.5, row + 0.5}));
                double& old = cover_[std::size_t(row) * width_ + col];
                old = combine(old, c);
            }
    }

    int width_, height_;
    std::vector<double> cover_;
};

// Builds a mask of one shape.
template <class Shape> Mask mask_of(int width, int height, const Shape& shape)
{
    Mask mask(width, height);
    mask.add(shape);
    return mask;
}

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), colour_(std::size_t(width) * height), cover_(colour_.size()) {}
    int width() const { return width_; }
    int height() const { return height_; }

    // Lays paint over a pixel at the given coverage.
    void lay(int row, int col, Rgb colour, double coverage);
    // Adds light to a pixel without covering what is there.
    void glow(int row, int col, Rgb light);

    // Lays paint(centre of the pixel) over every pixel the mask covers,
    // thinned to the given opacity.
    template <class Paint> void paint(const Mask& mask, Paint paint, double opacity = 1)
    {
        for (int row = 0; row < height_; ++row)
            for (int col = 0; col < width_; ++col) {
                double c = mask.at(row, col) * opacity;
                if (c > 0)
                    lay(row, col, paint(Point{col + 0.5, row + 0.5}), c);
            }
    }
    // Lays paint(centre of the pixel) over the whole canvas.
    template <class Paint> void paint_all(Paint paint)
    {
        for (int row = 0; row < height_; ++row)
            for (int col = 0; col < width_; ++col)
                lay(row, col, paint(Point{col + 0.5, row + 0.5}), 1);
    }
    template <class Shape> void fill(const Shape& shape, Rgb colour)
    {
        paint(mask_of(width_, height_, shape), [colour](Point) { return colour; });
    }

    Rgb colour(int row, int col) const { return colour_[index(row, col)]; }

    // The picture as the game reads it: rows top first, three bytes a
    // pixel. Drawn without blending, the colours are shown as they are.
    std::vector<std::uint8_t> opaque_rgb() const;
    // For pictures blended over others, where pure black is see-through:
    // pixels less than half covered become black, every other pixel keeps
    // at least a trace of colour.
    std::vector<std::uint8_t> cutout_rgb() const;
    // Four bytes a pixel with straight (not premultiplied) colour.
    std::vector<std::uint8_t> rgba() const;

private:
    std::size_t index(int row, int col) const { return std::size_t(row) * width_ + col; }

    int width_, height_;
    std::vector<Rgb> colour_;
    std::vector<double> cover_;
};

#endif
