#include "pictures/random.h"

#include <cmath>

static std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t Random::next()
{
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix(state_);
}

double Random::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Random::between(double low, double high)
{
    return low + (high - low) * uniform();
}

static double lattice(std::int64_t x, std::int64_t y, std::int64_t z, std::uint64_t seed)
{
    std::uint64_t h = mix(seed ^ mix(std::uint64_t(x) + mix(std::uint64_t(y) + mix(std::uint64_t(z)))));
    return double(h >> 11) * (1.0 / 9007199254740992.0);
}

static double ease(double t)
{
    return t * t * (3 - 2 * t);
}

static std::int64_t wrap(std::int64_t cell, int period)
{
    std::int64_t m = cell % period;
    return m < 0 ? m + period : m;
}

double tiling_noise(double x, double y, int period, std::uint64_t seed)
{
    double fx = std::floor(x), fy = std::floor(y);
    std::int64_t x0 = std::int64_t(fx), y0 = std::int64_t(fy);
    double tx = ease(x - fx), ty = ease(y - fy);
    auto corner = [&](std::int64_t dx, std::int64_t dy) {
        return lattice(wrap(x0 + dx, period), wrap(y0 + dy, period), 0, seed);
    };
    double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double tiling_clouds(double x, double y, int period, std::uint64_t seed)
{
    double sum = 0, weight = 0.5, scale = 1;
    for (int octave = 0; octave < 4; ++octave) {
        sum += weight * tiling_noise(x * scale, y * scale, period * int(scale), seed + octave);
        weight /= 2;
        scale *= 2;
    }
    return sum / (1 - 1.0 / 16);
}

double solid_noise(double x, double y, double z, std::uint64_t seed)
{
    double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    std::int64_t x0 = std::int64_t(fx), y0 = std::int64_t(fy), z0 = std::int64_t(fz);
    double tx = ease(x - fx), ty = ease(y - fy), tz = ease(z - fz);
    double layers[2];
    for (int dz = 0; dz < 2; ++dz) {
        auto corner = [&](int dx, int dy) { return lattice(x0 + dx, y0 + dy, z0 + dz, seed); };
        double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
        double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
        layers[dz] = top + (bottom - top) * ty;
    }
    return layers[0] + (layers[1] - layers[0]) * tz;
}

double solid_clouds(double x, double y, double z, int octaves, std::uint64_t seed)
{
    double sum = 0, weight = 0.5, total = 0, scale = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * solid_noise(x * scale, y * scale, z * scale, seed + octave);
        total += weight;
        weight /= 2;
        scale *= 2;
    }
    return sum / total;
}
