#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

namespace tavo::engine {

// The random numbers of the simulations: the same seed gives the same
// numbers on every machine and compiler (the standard library's
// distributions may differ between implementations, so they are not used).
class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed) : state_(seed) {}

    // splitmix64: small, fast and good enough for simulated listeners.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // Standard normal (Box-Muller).
    double normal() {
        const double u = 1.0 - uniform(); // (0, 1]
        const double v = uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
    }

    // A seed of its own for item `index` of a simulation seeded with `seed`,
    // so that each listener's numbers do not depend on how many came before.
    static std::uint64_t derive(std::uint64_t seed, std::uint64_t index) {
        SimRandom mix(seed ^ (0xD1B54A32D192ED03ull * (index + 1)));
        return mix.next();
    }

private:
    std::uint64_t state_;
};

} // namespace tavo::engine
