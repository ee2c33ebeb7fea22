#include "pictures/canvas.h"

void Canvas::lay(int row, int col, Rgb colour, double coverage)
{
    Rgb& c = colour_[index(row, col)];
    double& a = cover_[index(row, col)];
    c = c * (1 - coverage) + colour * coverage;
    a = a * (1 - coverage) + coverage;
}

void Canvas::glow(int row, int col, Rgb light)
{
    Rgb& c = colour_[index(row, col)];
    c = c + light;
}

static std::uint8_t byte_of(double value)
{
    return std::uint8_t(clamp01(value) * 255 + 0.5);
}

std::vector<std::uint8_t> Canvas::opaque_rgb() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(colour_.size() * 3);
    for (Rgb c : colour_) {
        bytes.push_back(byte_of(c.r));
        bytes.push_back(byte_of(c.g));
        bytes.push_back(byte_of(c.b));
    }
    return bytes;
}

std::vector<std::uint8_t> Canvas::cutout_rgb() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(colour_.size() * 3);
    for (std::size_t i = 0; i < colour_.size(); ++i) {
        std::uint8_t r = 0, g = 0, b = 0;
        if (cover_[i] >= 0.5) {
            r = byte_of(colour_[i].r);
            g = byte_of(colour_[i].g);
            b = byte_of(colour_[i].b);
            if (r == 0 && g == 0 && b == 0)
                r = g = b = 1;
        }
        bytes.push_back(r);
        bytes.push_back(g);
        bytes.push_back(b);
    }
    return bytes;
}

std::vector<std::uint8_t> Canvas::rgba() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(colour_.size() * 4);
    for (std::size_t i = 0; i < colour_.size(); ++i) {
        double a = cover_[i];
        Rgb c = a > 0 ? colour_[i] * (1 / a) : Rgb{};
        bytes.push_back(byte_of(c.r));
        bytes.push_back(byte_of(c.g));
        bytes.push_back(byte_of(c.b));
        bytes.push_back(byte_of(a));
    }
    return bytes;
}
