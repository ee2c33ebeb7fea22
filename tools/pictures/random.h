// Fixed-seed randomness for the pictures: the same numbers on every machine
// and every run, unlike the standard library's distributions.
#ifndef MOLLIBEK_TOOLS_RANDOM_H
#define MOLLIBEK_TOOLS_RANDOM_H

#include <cstdint>

// SplitMix64.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    double between(double low, double high);

private:
    std::uint64_t state_;
};

// Value noise in [0, 1] over a lattice of unit cells, repeating every
// `period` cells in x and in y.
double tiling_noise(double x, double y, int period, std::uint64_t seed);
// Four octaves of tiling_noise, each twice as fine and half as strong.
double tiling_clouds(double x, double y, int period, std::uint64_t seed);
// Value noise in [0, 1] over a lattice in space, for surfaces of spheres.
double solid_noise(double x, double y, double z, std::uint64_t seed);
double solid_clouds(double x, double y, double z, int octaves, std::uint64_t seed);

#endif
